// The settings file "verdelune.ini" beside the executable, reached only through these three
// operations. There is no cache: every call reads or writes the file anew.
#pragma once

#include <string>

#include "platform/Profile.h"

namespace vl {

inline constexpr int kIniValueBuffer = 800;  // so at most 799 characters of a value come back

// The executable's folder followed by "\verdelune.ini", built afresh at each call.
std::wstring CheminIni(Profile& profile);

// True when the file system could tell the length of the file.
bool FichierExiste(Profile& profile, const std::wstring& path);
// The stored value, or "" when the file, the section or the key is missing.
std::wstring LitIni(Profile& profile, const std::wstring& section, const std::wstring& key,
                    const std::wstring& path);
std::wstring LitIni(Profile& profile, const std::wstring& section, int key,
                    const std::wstring& path);
// Stores the value; false when the file could not be written.
bool EcritIni(Profile& profile, const std::wstring& section, const std::wstring& key,
              const std::wstring& value, const std::wstring& path);

}  // namespace vl
