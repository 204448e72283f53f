#include "settings/Settings.h"

#include "settings/SettingsKeys.h"
#include "settings/modIni.h"

namespace vl {

std::wstring Settings::Path() const {
  return CheminIni(profile_);
}

std::wstring Settings::ExecutableFolder() const {
  return profile_.ExecutableFolder();
}

bool Settings::FileExists() const {
  return FichierExiste(profile_, Path());
}

std::wstring Settings::Read(const std::wstring& key) const {
  return LitIni(profile_, key::kSectionParametres, key, Path());
}

void Settings::Write(const std::wstring& key, const std::wstring& value) {
  Wrote(EcritIni(profile_, key::kSectionParametres, key, value, Path()));
}

void Settings::WriteBeforeEnd(const std::wstring& key, const std::wstring& value) {
  EcritIni(profile_, key::kSectionParametres, key, value, Path());
}

std::wstring Settings::ReadPhrase(int slot) const {
  return LitIni(profile_, key::kSectionRaisons, slot, Path());
}

void Settings::WritePhrase(int slot, const std::wstring& text) {
  Wrote(EcritIni(profile_, key::kSectionRaisons, std::to_wstring(slot), text, Path()));
}

void Settings::Wrote(bool ok) {
  if (ok || failureTold_) return;
  failureTold_ = true;
  if (onFirstFailedWrite_) onFirstFailedWrite_(Path());
}

}  // namespace vl
