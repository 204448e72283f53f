// The kit's UTF-8 conversions: what arguments arrive as and what the output is written in.
#include <gtest/gtest.h>

#include "kit/Utf8.h"

namespace vl::kit {
namespace {

TEST(Utf8, RoundTripsEveryPlaneIncludingAboveTheBmp) {
  const std::wstring text = L"aé€中\U0001F600z";
  const std::string bytes = "a\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD\xF0\x9F\x98\x80z";
  EXPECT_EQ(Utf8FromWide(text), bytes);
  EXPECT_EQ(WideFromUtf8(bytes), text);
  EXPECT_EQ(WideFromUtf8(""), L"");
}

TEST(Utf8, MalformedInputBecomesTheReplacementCharacter) {
  const std::pair<std::string, std::wstring> cases[] = {
      {"\xC0\x80", L"\uFFFD\uFFFD"},    // overlong NUL: bad lead, then a lone continuation
      {"\xE0\x80\x80", L"\uFFFD"},      // overlong three-byte form
      {"\x80x", L"\uFFFDx"},            // continuation without a lead
      {"\xE2\x82", L"\uFFFD"},          // cut short at the end
      {"\xE2\x82x", L"\uFFFDx"},        // cut short before another character
      {"\xED\xA0\x80", L"\uFFFD"},      // a surrogate encoded on its own
      {"\xF4\x90\x80\x80", L"\uFFFD"},  // beyond U+10FFFF
      {"\xF5\x80", L"\uFFFD\uFFFD"},
  };
  for (const auto& [bytes, text] : cases)
    EXPECT_EQ(WideFromUtf8(bytes), text);
  EXPECT_EQ(Utf8FromWide(std::wstring(1, static_cast<wchar_t>(0xDC00))), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace vl::kit
