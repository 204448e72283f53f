#include "platform/fake/FakeProfile.h"

#include "crypto/Utf8.h"
#include "crypto/Windows1252.h"
#include "platform/fake/IniText.h"

namespace vl {
namespace {

// A file that starts with the UTF-8 byte-order mark is read and written as UTF-8, mark kept,
// as the real profile calls do; any other file is Windows-1252.
const std::string kUtf8Mark = "\xEF\xBB\xBF";

bool HasUtf8Mark(const std::string& bytes) {
  return bytes.starts_with(kUtf8Mark);
}

std::wstring Decode(const std::string& bytes) {
  return HasUtf8Mark(bytes) ? FromUtf8(std::string_view(bytes).substr(kUtf8Mark.size()))
                            : FromWindows1252(bytes);
}

std::string Encode(const std::wstring& text, bool utf8) {
  return utf8 ? kUtf8Mark + ToUtf8(text) : ToWindows1252(text);
}

}  // namespace

std::wstring FakeProfile::ReadString(const std::wstring& section, const std::wstring& key,
                                     const std::wstring& path, int bufferChars) {
  auto it = files_.find(path);
  if (it == files_.end()) return {};
  return IniRead(Decode(it->second), section, key, bufferChars);
}

bool FakeProfile::WriteString(const std::wstring& section, const std::wstring& key,
                              const std::wstring& value, const std::wstring& path) {
  if (readOnly_.count(path) != 0) return false;
  auto it = files_.find(path);
  const bool utf8 = it != files_.end() && HasUtf8Mark(it->second);
  std::wstring content = it == files_.end() ? std::wstring() : Decode(it->second);
  bool changed = false;
  std::wstring updated = IniWrite(content, section, key, value, changed);
  if (changed || it == files_.end()) {
    files_[path] = Encode(updated, utf8);
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

bool FakeProfile::Append(const std::wstring& path, std::string_view bytes) {
  if (readOnly_.count(path) != 0) return false;
  files_[path] += bytes;
  ++writes_;
  return true;
}

std::optional<std::string> FakeProfile::Read(const std::wstring& path, std::uint64_t offset,
                                             std::size_t maxBytes) {
  auto it = files_.find(path);
  if (it == files_.end()) return std::nullopt;
  if (offset >= it->second.size()) return std::string();
  return it->second.substr(static_cast<std::size_t>(offset), maxBytes);
}

bool FakeProfile::OpenWithAssociatedProgram(const std::wstring& path) {
  if (!canOpen || files_.count(path) == 0) return false;
  opened_.push_back(path);
  return true;
}

}  // namespace vl
