// Thin on purpose: the profile calls do the work, the callers keep the values.
#include "settings/modIni.h"

namespace vl {

std::wstring CheminIni(Profile& profile) {
  return profile.ExecutableFolder() + L"\\verdelune.ini";
}

bool FichierExiste(Profile& profile, const std::wstring& path) {
  return profile.FileLength(path).has_value();
}

std::wstring LitIni(Profile& profile, const std::wstring& section, const std::wstring& key,
                    const std::wstring& path) {
  return profile.ReadString(section, key, path, kIniValueBuffer);
}

std::wstring LitIni(Profile& profile, const std::wstring& section, int key,
                    const std::wstring& path) {
  return LitIni(profile, section, std::to_wstring(key), path);
}

bool EcritIni(Profile& profile, const std::wstring& section, const std::wstring& key,
              const std::wstring& value, const std::wstring& path) {
  return profile.WriteString(section, key, value, path);
}

}  // namespace vl
