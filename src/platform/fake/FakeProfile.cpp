#include "platform/fake/FakeProfile.h"

#include "crypto/Windows1252.h"
#include "platform/fake/IniText.h"

namespace vl {
namespace {

// A file that starts with the UTF-8 byte-order mark is read and written as UTF-8, mark kept,
// as the real profile calls do; any other file is Windows-1252.
const std::string kUtf8Mark = "\xEF\xBB\xBF";

std::wstring FromUtf8(std::string_view bytes) {
  std::u32string points;
  for (size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t point = extra == 0 ? lead : lead & (0x3F >> extra);
    size_t n = 1;
    for (; n <= static_cast<size_t>(extra) && i + n < bytes.size(); ++n)
      point = (point << 6) | (static_cast<unsigned char>(bytes[i + n]) & 0x3F);
    points += point;
    i += n;
  }
  std::wstring text;
  for (char32_t p : points) {
    if (p < 0x10000) {
      text += static_cast<wchar_t>(p);
    } else {
      text += static_cast<wchar_t>(0xD800 + ((p - 0x10000) >> 10));
      text += static_cast<wchar_t>(0xDC00 + ((p - 0x10000) & 0x3FF));
    }
  }
  return text;
}

std::string ToUtf8(std::wstring_view text) {
  std::string bytes;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t p = text[i];
    if (p >= 0xD800 && p < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      p = 0x10000 + ((p - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if (p < 0x80) {
      bytes += static_cast<char>(p);
    } else {
      const int extra = p < 0x800 ? 1 : p < 0x10000 ? 2 : 3;
      constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
      bytes += static_cast<char>(kLead[extra] | (p >> (6 * extra)));
      for (int k = extra - 1; k >= 0; --k)
        bytes += static_cast<char>(0x80 | ((p >> (6 * k)) & 0x3F));
    }
  }
  return bytes;
}

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

}  // namespace vl
