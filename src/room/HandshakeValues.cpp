// Prepares the handshake values: the key, the refusal message and the challenge's cipher text.
#include "room/HandshakeValues.h"

#include "crypto/SharedKey.h"
#include "crypto/modCryptText.h"

namespace vl {

// Made with `verdelune-kit encrypt`; the plain message is kept nowhere else.
const wchar_t* const kRefusalMessageHex =
    L"3C3204804A57D44B1B4F4FD963387B5AC058369DBCB42FCD1990E34AD05D099C"
    L"03F363178C7AB1889DAA4FAA084CACDFF08E8798F1C2AD9E0039FE7B583A5250";

HandshakeValues PrepareHandshakeValues(const std::wstring& challengeText) {
  HandshakeValues values;
  values.cipherKeyText = CipherKeyText();
  values.refusalMessage = DecryptText(HexToText(kRefusalMessageHex), values.cipherKeyText);
  values.challengeHex = TextToHex(EncryptText(challengeText, values.cipherKeyText));
  return values;
}

std::optional<int> AnswerLevel(std::wstring_view line, std::wstring_view challengeHex) {
  size_t percent = line.find(L'%');
  if (percent == std::wstring_view::npos || challengeHex.size() < 4) return std::nullopt;
  std::wstring_view s = line.substr(percent + 1, 5);
  // Four matching characters and a digit, nothing less.
  if (s.size() < 5 || s.substr(0, 4) != challengeHex.substr(0, 4)) return std::nullopt;
  if (s[4] < L'0' || s[4] > L'9') return std::nullopt;
  return s[4] - L'0';
}

}  // namespace vl
