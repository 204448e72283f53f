// The cipher and its hex text helpers on any bytes: deciphering garbage stays within the
// bytes it was given, enciphering frames as promised and deciphers back, and the hex form of
// any Windows-1252 text, in either case, reads back as the text.
#include <algorithm>
#include <cwctype>

#include "FuzzInput.h"
#include "crypto/CRijndael.h"
#include "crypto/Windows1252.h"
#include "crypto/modCryptText.h"

using namespace vl;

// Input: one byte giving the password length (0 to 40), the password, then the bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t passwordLength = std::min<std::size_t>(data[0] % 41, size - 1);
  const std::span<const std::uint8_t> password(data + 1, passwordLength);
  const std::span<const std::uint8_t> bytes(data + 1 + passwordLength, size - 1 - passwordLength);
  CRijndael cipher;
  const auto plain = cipher.DecryptData(bytes, password);
  FUZZ_CHECK(!plain || (!plain->empty() && plain->size() + 4 <= bytes.size()));
  const auto framed = cipher.EncryptData(bytes, password);
  FUZZ_CHECK(framed.has_value() != bytes.empty());
  if (framed) {
    FUZZ_CHECK(framed->size() == (bytes.size() + 4 + 31) / 32 * 32);
    const auto back = cipher.DecryptData(*framed, password);
    FUZZ_CHECK(back && std::ranges::equal(*back, bytes));
  }

  // Any wide text as hex digits, and as a cipher byte text under itself as the key.
  const std::wstring wide = fuzz::WideOf(data, size);
  const std::wstring byteText = HexToText(wide);
  FUZZ_CHECK(byteText.size() == (wide.size() + 1) / 2);
  const std::wstring garbage = DecryptText(byteText, wide);
  FUZZ_CHECK(garbage.empty() || garbage.size() + 4 <= byteText.size());

  const std::wstring text = FromWindows1252(std::string(data, data + size));
  std::wstring hex = TextToHex(text);
  FUZZ_CHECK(hex.size() == 2 * text.size());
  FUZZ_CHECK(hex.find_first_not_of(L"0123456789ABCDEF") == std::wstring::npos);
  FUZZ_CHECK(HexToText(hex) == text);
  std::ranges::transform(hex, hex.begin(), [](wchar_t c) { return std::towlower(c); });
  FUZZ_CHECK(HexToText(hex) == text);

  const std::wstring key = text.substr(0, text.size() % 37);
  const std::wstring cipherText = EncryptText(text, key);
  FUZZ_CHECK(cipherText.size() == (text.size() + 4 + 31) / 32 * 32);
  FUZZ_CHECK(DecryptText(cipherText, key) == text);
  return 0;
}
