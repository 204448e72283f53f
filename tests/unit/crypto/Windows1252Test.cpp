// Windows-1252 both ways: glibc's iconv table for the 251 defined bytes, Windows' own mapping
// of the five undefined ones, and '?' for what the code page cannot hold.
#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>

#include "crypto/Windows1252.h"

namespace vl {
namespace {

// glibc's CP1252 for one byte, or nothing where glibc leaves the byte undefined.
std::optional<char32_t> IconvDecode(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-32LE", "CP1252");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  char in[1] = {static_cast<char>(byte)};
  unsigned char out[4] = {};
  char* inPtr = in;
  char* outPtr = reinterpret_cast<char*>(out);
  std::size_t inLeft = 1;
  std::size_t outLeft = 4;
  const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) return std::nullopt;
  return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
}

TEST(Windows1252, EveryByteMapsAsWindowsDoesAndComesBack) {
  std::string all;
  for (int b = 0; b < 256; ++b)
    all.push_back(static_cast<char>(b));
  const std::wstring text = FromWindows1252(all);
  ASSERT_EQ(text.size(), 256u);
  int undefined = 0;
  for (int b = 0; b < 256; ++b) {
    const auto expected = IconvDecode(static_cast<unsigned char>(b));
    // The bytes glibc leaves undefined map to their C1 controls, as in Windows.
    EXPECT_EQ(static_cast<char32_t>(text[b]), expected.value_or(static_cast<char32_t>(b))) << b;
    undefined += expected ? 0 : 1;
  }
  EXPECT_EQ(undefined, 5);
  EXPECT_EQ(ToWindows1252(text), all);
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
  // U+0080 and U+009F are C1 controls that the code page does not hold (0x80 is the euro).
  EXPECT_EQ(ToWindows1252(L"a\u0080b\u009F\u0100\u4E2D"), "a?b???");
  // A character beyond U+FFFF is one character whatever the width of wchar_t.
  EXPECT_EQ(ToWindows1252(L"x\U0001F600y"), "x?y");
  const std::wstring pair = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
  EXPECT_EQ(ToWindows1252(L"x" + pair + L"y"), "x?y") << "a UTF-16 pair is one character";
  EXPECT_EQ(ToWindows1252(pair.substr(0, 1) + L"z" + pair.substr(1)), "?z?") << "lone halves";
}

}  // namespace
}  // namespace vl
