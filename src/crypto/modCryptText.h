// Texts to cipher texts and hexadecimal texts and back, over CRijndael. Text becomes bytes
// through Windows-1252 on every system. A "byte text" carries cipher bytes, one character per
// byte (the Windows-1252 character of the byte), so that the chains compose exactly:
// TextToHex(EncryptText(t, k)) is the upper-case hex of the cipher bytes, and
// DecryptText(HexToText(h), k) reads such a hex text back.
#pragma once

#include <string>
#include <string_view>

namespace vl {

// The byte text of the cipher bytes of `text` under the key text; "" for an empty text.
std::wstring EncryptText(std::wstring_view text, std::wstring_view key);
// The plain text of a byte text; "" when it is not whole 32-byte blocks or does not decrypt.
std::wstring DecryptText(std::wstring_view byteText, std::wstring_view key);
// Two upper-case hexadecimal digits per character, of its Windows-1252 code.
std::wstring TextToHex(std::wstring_view text);
// The text of a hex text, two digits a character, the last one alone in a text of odd
// length. Each pair is read up to its first non-hexadecimal character; nothing read gives 0.
std::wstring HexToText(std::wstring_view hex);

}  // namespace vl
