// UTF-8 <-> wchar_t, with surrogate pairs where wchar_t has 16 bits.
#include "crypto/Utf8.h"

#include <cstdint>
#include <type_traits>

namespace vl {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp >= 0xD800 && cp <= 0xDFFF) cp = kReplacement;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

void AppendWide(std::wstring& out, char32_t cp) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
      return;
    }
  }
  out.push_back(static_cast<wchar_t>(cp));
}

// Decodes the sequence at bytes[i], advancing i; kReplacement for a malformed one.
char32_t DecodeOne(std::string_view bytes, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(bytes[i++]);
  if (lead < 0x80) return lead;
  // Continuation bytes that follow the lead byte, and the smallest value each length may carry
  // (a longer sequence for a smaller value is malformed).
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
  if (lead < 0xC2 || lead > 0xF4) return kReplacement;
  constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
  char32_t cp = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= bytes.size()) return kReplacement;
    const auto next = static_cast<unsigned char>(bytes[i]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    cp = (cp << 6) | (next & 0x3F);
    ++i;
  }
  const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
  return (cp < kMinimum[extra] || cp > 0x10FFFF || surrogate) ? kReplacement : cp;
}

}  // namespace

std::string ToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto cp = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(text[i]));
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
      const auto low = static_cast<char32_t>(text[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    AppendUtf8(out, cp > 0x10FFFF ? kReplacement : cp);
  }
  return out;
}

std::wstring FromUtf8(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  AppendFromUtf8(out, bytes);
  return out;
}

// A run of ASCII bytes goes over in one step: most of a journal or a settings file is ASCII.
void AppendFromUtf8(std::wstring& out, std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    std::size_t ascii = i;
    while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80)
      ++ascii;
    const std::size_t at = out.size();
    out.resize(at + (ascii - i));
    for (std::size_t k = at; i < ascii; ++i, ++k)
      out[k] = static_cast<wchar_t>(bytes[i]);
    if (i < bytes.size()) AppendWide(out, DecodeOne(bytes, i));
  }
}

}  // namespace vl
