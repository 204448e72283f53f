// What the fuzzers share: the input bytes as wide text cut into parts, and the check that
// stops a run on a property that does not hold.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace vl::fuzz {

// One character a byte (its Latin-1 code), except that 0xFF takes the next two bytes as one
// 16-bit code: NULs, surrogates and right-to-left marks all come within reach.
inline std::wstring WideOf(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i < size; ++i) {
    const bool escaped = data[i] == 0xFF && i + 2 < size;
    text.push_back(escaped ? static_cast<wchar_t>(data[i + 1] | data[i + 2] << 8) : data[i]);
    if (escaped) i += 2;
  }
  return text;
}

// The text cut at every U+0001, with empty parts added up to `count`.
inline std::vector<std::wstring> Parts(std::wstring_view text, std::size_t count) {
  std::vector<std::wstring> parts;
  for (std::size_t at; (at = text.find(L'\1')) != std::wstring_view::npos;) {
    parts.emplace_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  parts.emplace_back(text);
  if (parts.size() < count) parts.resize(count);
  return parts;
}

// The text without any of `chars`.
inline std::wstring Without(std::wstring text, std::wstring_view chars) {
  std::erase_if(text, [chars](wchar_t c) { return chars.find(c) != std::wstring_view::npos; });
  return text;
}

// True when `part` is `whole` with some characters left out.
inline bool IsSubsequence(std::wstring_view part, std::wstring_view whole) {
  std::size_t matched = 0;
  for (wchar_t c : whole) {
    if (matched < part.size() && part[matched] == c) ++matched;
  }
  return matched == part.size();
}

}  // namespace vl::fuzz

// libFuzzer keeps the input that made a property fail, as it does for a crash.
#define FUZZ_CHECK(condition) \
  ((condition) ? void() : (std::fprintf(stderr, "fails: %s\n", #condition), std::abort()))
