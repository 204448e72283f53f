// The answer line that a room bot holding the shared key gives to an identification line.
#include "crypto/BotAnswer.h"

#include "crypto/SharedKey.h"
#include "crypto/modCryptText.h"

namespace vl {

std::wstring ChallengeHexFor(std::wstring_view challenge, std::wstring_view key) {
  return TextToHex(EncryptText(challenge, key));
}

std::wstring BotAnswerText(std::wstring_view challenge, int level) {
  if (level < 0 || level > 9) return L"";
  const std::wstring hex = ChallengeHexFor(challenge, CipherKeyText());
  if (hex.size() < 4) return L"";
  return L"%" + hex.substr(0, 4) + static_cast<wchar_t>(L'0' + level);
}

}  // namespace vl
