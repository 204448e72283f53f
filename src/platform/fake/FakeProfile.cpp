#include "platform/fake/FakeProfile.h"

#include "crypto/Windows1252.h"
#include "platform/fake/IniText.h"

namespace vl {

std::wstring FakeProfile::ReadString(const std::wstring& section, const std::wstring& key,
                                     const std::wstring& path, int bufferChars) {
  auto it = files_.find(path);
  if (it == files_.end()) return {};
  return IniRead(FromWindows1252(it->second), section, key, bufferChars);
}

bool FakeProfile::WriteString(const std::wstring& section, const std::wstring& key,
                              const std::wstring& value, const std::wstring& path) {
  if (readOnly_.count(path) != 0) return false;
  auto it = files_.find(path);
  std::wstring content = it == files_.end() ? std::wstring() : FromWindows1252(it->second);
  bool changed = false;
  std::wstring updated = IniWrite(content, section, key, value, changed);
  if (changed || it == files_.end()) {
    files_[path] = ToWindows1252(updated);
    ++writes_;
  }
  return true;
}

std::optional<std::uint64_t> FakeProfile::FileLength(const std::wstring& path) {
  auto it = files_.find(path);
  if (it == files_.end()) return std::nullopt;
  return it->second.size();
}

std::string FakeProfile::FileBytes(const std::wstring& path) const {
  auto it = files_.find(path);
  return it == files_.end() ? std::string() : it->second;
}

void FakeProfile::SetReadOnly(const std::wstring& path, bool readOnly) {
  if (readOnly) {
    readOnly_.insert(path);
  } else {
    readOnly_.erase(path);
  }
}

}  // namespace vl
