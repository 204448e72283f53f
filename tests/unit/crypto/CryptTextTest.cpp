// The text helpers: the hex forms' odd cases, and the chain from text to hex against libmcrypt
// over frames built by hand from the Windows-1252 bytes.
#include <gtest/gtest.h>

#include "crypto/Windows1252.h"
#include "crypto/modCryptText.h"
#include "unit/crypto/McryptOracle.h"

namespace vl {
namespace {

using test::Bytes;

Bytes Cp1252Bytes(std::wstring_view text) {
  return test::BytesOf(ToWindows1252(text));
}

TEST(TextToHex, TwoUpperCaseDigitsPerWindows1252Code) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"abc", L"616263"}, {L"\n", L"0A"},     {L"\u00FF", L"FF"},
      {L"", L""},          {L"\u4E2D", L"3F"}, {L"\u20AC\u00E9", L"80E9"},
  };
  for (const auto& [text, hex] : cases)
    EXPECT_EQ(TextToHex(text), hex);
}

TEST(HexToText, PairsReadUpToTheirFirstNonHexDigit) {
  const wchar_t nul = L'\0';
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"616263", L"abc"},        {L"6a", L"j"},  {L"6A", L"j"},          {L"616", L"a\x06"},
      {L"6g", L"\x06"},           {L"g6", {nul}}, {L"zz41", {nul, L'A'}}, {L"-1", {nul}},
      {L"808d", L"\u20AC\u008D"}, {L"", L""},
  };
  for (const auto& [hex, text] : cases)
    EXPECT_EQ(HexToText(hex), text) << hex.size();
}

// The five-digit challenge fills one block; the data tests take in the other block edges.
TEST(EncryptText, ChainsMatchTheReferenceFrameCipher) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"98765", L"Qu%Nf#v+86A3erujh9~3"},
      {L"Déjà vu, ça va ? \u20AC", L"clé"},
      {std::wstring(200, L'\u00FF'), std::wstring(40, L'z')},
  };
  for (const auto& [text, key] : cases) {
    const std::wstring hex = TextToHex(EncryptText(text, key));
    EXPECT_EQ(hex, test::UpperHex(test::ReferenceEncryptData(Cp1252Bytes(text), Cp1252Bytes(key))));
    EXPECT_EQ(DecryptText(HexToText(hex), key), text);
    // Broken cipher texts decrypt to an empty text.
    EXPECT_EQ(DecryptText(HexToText(hex.substr(0, 62)), key), L"");
    EXPECT_EQ(DecryptText(HexToText(hex + L"00"), key), L"");
  }
  EXPECT_EQ(EncryptText(L"", L"abc"), L"");
}

}  // namespace
}  // namespace vl
