#include "room/Handshake.h"

#include "app/App.h"
#include "app/Principale.h"
#include "app/ProgramTitle.h"
#include "panel/Reglages.h"
#include "room/BotLines.h"
#include "room/ChatReader.h"
#include "room/ChatSender.h"

namespace vl {

inline constexpr int kHandOverPauseMs = 200;

std::optional<int> AnswerLevel(std::wstring_view line, std::wstring_view challengeHex) {
  size_t percent = line.find(L'%');
  if (percent == std::wstring_view::npos || challengeHex.size() < 4) return std::nullopt;
  std::wstring_view s = line.substr(percent + 1, 5);
  // Four matching characters and a digit, nothing less.
  if (s.size() < 5 || s.substr(0, 4) != challengeHex.substr(0, 4)) return std::nullopt;
  if (s[4] < L'0' || s[4] > L'9') return std::nullopt;
  return s[4] - L'0';
}

void Handshake::connection() {
  SharedState& s = app_.shared;
  main_.Hide();
  app_.platform.clock().Sleep(kHandOverPauseMs);
  s.BotAnswered = false;
  s.IdentText = IdentLine(s.BotNick, s.ChallengeText);
  ChatSender(app_.platform, app_.room, s.IdentText);
  main_.Connexion.SetEnabled(true);
}

void Handshake::AnswerWatcherTick() {
  std::optional<std::wstring_view> last =
      ReadChatText(app_.platform.foreign(), app_.room.ChatTextWindow, app_.ChatText);
  if (!last) return;
  // recupnombot finds the echo itself; looking for it first would scan the chat twice.
  recupnombot(app_.ChatText);
  if (std::optional<int> level = AnswerLevel(*last, app_.shared.ChallengeHex)) Accept(*level);
}

void Handshake::Accept(int level) {
  SharedState& s = app_.shared;
  s.BotAnswered = true;
  main_.Connexion.SetEnabled(false);
  main_.EnvoiCode.SetEnabled(false);
  tries_ = 0;
  s.BotLevel = level;
  Platform& platform = app_.platform;
  if (level > 2) {
    platform.dialogs().ShowMessage(s.RefusalMessage, kProgramTitle, MessageBoxStyle::Ok);
    platform.EndProgram();
  }
  Reglages& panel = app_.Panel();
  if (level == 2) panel.ApplyRestrictedLayout();
  panel.Show();
}

void Handshake::ReSenderTick() {
  if (app_.shared.BotAnswered) return;
  ++tries_;
  ChatSender(app_.platform, app_.room, app_.shared.IdentText);
  if (tries_ > kMaxResends) GiveUp();
}

void Handshake::GiveUp() {
  main_.Show();
  main_[L"Frame3"].SetTop(kFrameNickShown);
  main_.LetPaint();
  app_.WriteParameter(L"Pseudo RoomBot", L"");
  app_.platform.clock().Sleep(kGiveUpPauseMs);
  app_.platform.EndProgram();
}

void Handshake::recupnombot(std::wstring_view chatText) {
  std::optional<std::wstring_view> echo = FirstLineContaining(chatText, app_.shared.IdentText);
  if (!echo) return;
  if (std::optional<std::wstring> nick = MessageLineNick(*echo)) app_.shared.OwnNick = *nick;
}

}  // namespace vl
