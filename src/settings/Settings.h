// The program's settings: the options and the phrases in "verdelune.ini" beside the
// executable (sections and keys in SettingsKeys.h), each call on the file anew.
#pragma once

#include <functional>
#include <string>

#include "platform/Profile.h"

namespace vl {

class Settings {
 public:
  // `onFirstFailedWrite` hears, once a run, of a write that could not be made: the changes
  // would otherwise be lost at the next start without a word.
  using FailureNotice = std::function<void(const std::wstring& path)>;
  explicit Settings(Profile& profile, FailureNotice onFirstFailedWrite = {})
      : profile_(profile), onFirstFailedWrite_(std::move(onFirstFailedWrite)) {}

  std::wstring Path() const;
  std::wstring ExecutableFolder() const;
  bool FileExists() const;

  // An option; "" when the file, the section or the key is missing.
  std::wstring Read(const std::wstring& key) const;
  void Write(const std::wstring& key, const std::wstring& value);
  // The same, told to nobody when it fails: the program ends right after it, and a notice
  // would hold the end on a box.
  void WriteBeforeEnd(const std::wstring& key, const std::wstring& value);

  // Phrase `slot`, 1 to 22.
  std::wstring ReadPhrase(int slot) const;
  void WritePhrase(int slot, const std::wstring& text);

 private:
  void Wrote(bool ok);

  Profile& profile_;
  FailureNotice onFirstFailedWrite_;
  bool failureTold_ = false;
};

}  // namespace vl
