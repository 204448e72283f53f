// The program-wide values that several windows share.
#pragma once

#include <string>

namespace vl {

inline const std::wstring kVersionText = L"1.05";

struct SharedState {
  std::wstring BotNick;  // the room bot's nickname, stored under key::kBotNick
  std::wstring OwnNick;  // the moderator's nickname, learnt from the echo of the ident line
  std::wstring VersionText;
  std::wstring CipherKeyText;
  std::wstring ChallengeText;
  std::wstring ChallengeHex;
  std::wstring IdentText;
  bool BotAnswered = false;
  int BotLevel = 0;
  std::wstring RefusalMessage;
};

}  // namespace vl
