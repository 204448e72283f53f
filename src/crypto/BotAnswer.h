// The room bot's side of the identification handshake: the cipher text of a challenge and
// the answer line the bot posts. Used by the operators' kit and the room simulator.
#pragma once

#include <string>
#include <string_view>

namespace vl {

// TextToHex(EncryptText(challenge, key)): 64 upper-case hex digits for a 5-digit challenge.
std::wstring ChallengeHexFor(std::wstring_view challenge, std::wstring_view key);

// "%", the first four characters of the challenge's hex text under the shared key, then the
// level digit. "" when the level is not 0 to 9 or the challenge is empty.
std::wstring BotAnswerText(std::wstring_view challenge, int level);

}  // namespace vl
