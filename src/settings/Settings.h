// The program's settings: the options and the phrases in "verdelune.ini" beside the
// executable (sections and keys in SettingsKeys.h), each call on the file anew.
#pragma once

#include <string>

#include "platform/Profile.h"

namespace vl {

class Settings {
 public:
  explicit Settings(Profile& profile) : profile_(profile) {}

  std::wstring Path() const;
  std::wstring ExecutableFolder() const;
  bool FileExists() const;

  // An option; "" when the file, the section or the key is missing.
  std::wstring Read(const std::wstring& key) const;
  void Write(const std::wstring& key, const std::wstring& value) const;

  // Phrase `slot`, 1 to 22.
  std::wstring ReadPhrase(int slot) const;
  void WritePhrase(int slot, const std::wstring& text) const;

 private:
  Profile& profile_;
};

}  // namespace vl
