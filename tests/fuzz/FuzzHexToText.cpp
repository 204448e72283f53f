// Fuzzes HexToText and the text chain with arbitrary wide text: no crash, the lengths the
// hex form promises, and the encrypt-decrypt round trip of Windows-1252 texts.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "crypto/Windows1252.h"
#include "crypto/modCryptText.h"

namespace {

// Two bytes a character, so that any 16-bit value (a lone surrogate too) shows up.
std::wstring WideOf(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring hex = WideOf(data, size);
  const std::wstring text = vl::HexToText(hex);
  if (text.size() != (hex.size() + 1) / 2) std::abort();
  if (vl::TextToHex(text).size() != 2 * text.size()) std::abort();
  (void)vl::DecryptText(text, hex);

  // The same bytes as a Windows-1252 text, under a key of the first bytes.
  const std::wstring plain =
      vl::FromWindows1252(std::string(reinterpret_cast<const char*>(data), size));
  const std::wstring key = plain.substr(0, plain.size() % 37);
  const std::wstring hexCipher = vl::TextToHex(vl::EncryptText(plain, key));
  if (plain.empty() != hexCipher.empty() || hexCipher.size() % 64 != 0) std::abort();
  if (!plain.empty() && vl::DecryptText(vl::HexToText(hexCipher), key) != plain) std::abort();
  return 0;
}
