#include "app/Handshake.h"

#include "app/Principale.h"
#include "core/ProgramTitle.h"
#include "panel/Reglages.h"
#include "room/BotLines.h"
#include "room/ChatReader.h"
#include "room/HandshakeValues.h"
#include "settings/SettingsKeys.h"

namespace vl {

inline constexpr int kHandOverPauseMs = 200;

void Handshake::connection() {
  SharedState& s = ctx_.records.shared;
  main_.Hide();
  ctx_.platform.clock().Sleep(kHandOverPauseMs);
  s.BotAnswered = false;
  s.IdentText = IdentLine(s.BotNick, s.ChallengeText);
  ctx_.SendToRoom(s.IdentText);
  main_.Connexion.SetEnabled(true);
}

void Handshake::AnswerWatcherTick() {
  const WindowHandle chat = ctx_.records.room.ChatTextWindow;
  // The last line first: a chat too long to be copied whole within the time-out still shows
  // the answer.
  std::optional<std::wstring_view> last = reader_.Read(chat);
  if (!last) return;
  ReadChatText(ctx_.platform.foreign(), chat, chat_);
  recupnombot(chat_);
  if (std::optional<int> level = AnswerLevel(*last, ctx_.records.shared.ChallengeHex)) {
    Accept(*level);
  }
}

void Handshake::Accept(int level) {
  SharedState& s = ctx_.records.shared;
  // A long chat's copy is not kept once the watcher has stopped (swapped, not assigned: an
  // empty string assigned would leave the storage in place).
  std::wstring().swap(chat_);
  s.BotAnswered = true;
  main_.Connexion.SetEnabled(false);
  main_.EnvoiCode.SetEnabled(false);
  tries_ = 0;
  s.BotLevel = level;
  if (level > 2) {
    ctx_.platform.dialogs().ShowMessage(s.RefusalMessage, kProgramTitle, MessageBoxStyle::Ok);
    ctx_.platform.EndProgram();
  }
  Reglages& panel = ctx_.nav.Panel();
  if (level == 2) panel.ApplyRestrictedLayout();
  panel.Show();
}

void Handshake::ReSenderTick() {
  if (ctx_.records.shared.BotAnswered) return;
  ++tries_;
  ctx_.SendToRoom(ctx_.records.shared.IdentText);
  if (tries_ > kMaxResends) GiveUp();
}

void Handshake::GiveUp() {
  main_.Show();
  main_.ShowIncompatibleBotNotice();
  main_.LetPaint();
  ctx_.settings.Write(key::kBotNick, L"");
  ctx_.platform.clock().Sleep(kGiveUpPauseMs);
  ctx_.platform.EndProgram();
}

void Handshake::recupnombot(std::wstring_view chatText) {
  SharedState& s = ctx_.records.shared;
  std::optional<std::wstring_view> echo = FirstLineContaining(chatText, s.IdentText);
  if (!echo) return;
  if (std::optional<std::wstring> nick = MessageLineNick(*echo)) s.OwnNick = *nick;
}

}  // namespace vl
