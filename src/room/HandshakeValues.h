// The values of the room bot handshake, prepared once when the main window loads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vl {

struct HandshakeValues {
  std::wstring cipherKeyText;
  std::wstring refusalMessage;  // shown when the room bot refuses the moderator
  std::wstring challengeHex;    // 64 upper-case hex digits; the answer carries the first four
};

// The shared key, the refusal message deciphered from its stored hex text, and the hex cipher
// text of `challengeText` under the key.
HandshakeValues PrepareHandshakeValues(const std::wstring& challengeText);

// The level of an answer line whose "%" is followed by the first four characters of the
// challenge's hex text (exact case) and a decimal digit; none otherwise.
std::optional<int> AnswerLevel(std::wstring_view line, std::wstring_view challengeHex);

// The refusal message as stored: 128 hex digits, two blocks enciphered under the shared key.
extern const wchar_t* const kRefusalMessageHex;

}  // namespace vl
