// The text helpers of the handshake: text <-> Windows-1252 bytes <-> CRijndael.
#include "crypto/modCryptText.h"

#include <cstdint>
#include <optional>

#include "crypto/CRijndael.h"
#include "crypto/Windows1252.h"

namespace vl {

namespace {

std::span<const std::uint8_t> AsBytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

std::wstring AsByteText(const std::optional<Bytes>& bytes) {
  if (!bytes) return L"";
  return FromWindows1252({reinterpret_cast<const char*>(bytes->data()), bytes->size()});
}

// The value of one hex digit, or -1.
int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

}  // namespace

std::wstring EncryptText(std::wstring_view text, std::wstring_view key) {
  const std::string message = ToWindows1252(text);
  const std::string password = ToWindows1252(key);
  CRijndael cipher;
  return AsByteText(cipher.EncryptData(AsBytes(message), AsBytes(password)));
}

std::wstring DecryptText(std::wstring_view byteText, std::wstring_view key) {
  const std::string bytes = ToWindows1252(byteText);
  const std::string password = ToWindows1252(key);
  CRijndael cipher;
  return AsByteText(cipher.DecryptData(AsBytes(bytes), AsBytes(password)));
}

std::wstring TextToHex(std::wstring_view text) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  const std::string bytes = ToWindows1252(text);
  std::wstring hex;
  hex.reserve(bytes.size() * 2);
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    hex.push_back(kDigits[b >> 4]);
    hex.push_back(kDigits[b & 0x0F]);
  }
  return hex;
}

std::wstring HexToText(std::wstring_view hex) {
  std::string bytes;
  bytes.reserve(hex.size() / 2 + 1);
  for (std::size_t pos = 0; pos < hex.size(); pos += 2) {
    const std::wstring_view pair = hex.substr(pos, 2);
    int value = 0;
    for (const wchar_t c : pair) {
      const int digit = HexDigit(c);
      if (digit < 0) break;
      value = value * 16 + digit;
    }
    bytes.push_back(static_cast<char>(value));
  }
  return FromWindows1252(bytes);
}

}  // namespace vl
