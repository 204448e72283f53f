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
  Sent(ctx_.SendToRoom(s.IdentText), /*resend=*/false);
  main_.Connexion.SetEnabled(true);
}

void Handshake::Sent(SentLine line, bool resend) {
  if (line.WasRefused()) ctx_.platform.EndProgram();
  if (!line.WasStarted()) return;
  if (!line.IsTaken()) {
    pending_ = Pending{std::move(line), resend};
  } else if (resend) {
    Counted();
  }
}

void Handshake::AnswerWatcherTick() {
  const WindowHandle chat = ctx_.records.room.ChatTextWindow;
  // The last line first: a chat too long to be copied whole within the time-out still shows
  // the answer.
  std::optional<std::wstring_view> last = reader_.Read(chat);
  if (!last) return;
  SharedState& s = ctx_.records.shared;
  // The moderator's own nickname from the echo in what the reader saw of the chat's end (its
  // first line may be cut, so it is left out), however long the chat; the oldest echo of the
  // whole chat then decides, when the whole chat could be read.
  if (s.OwnNick.empty()) {
    const std::wstring_view seen = reader_.Seen();
    if (const size_t end = seen.find(L"\r\n"); end != std::wstring_view::npos) {
      recupnombot(seen.substr(end + 2));
    }
  }
  const std::optional<int> level = AnswerLevel(*last, s.ChallengeHex);
  ReadChatText(ctx_.platform.foreign(), chat, chat_);
  recupnombot(chat_);
  // An answer is taken on a tick that knows the moderator's nickname, or that read the whole
  // chat and found no echo in it: otherwise every signature would be empty.
  if (level && (!s.OwnNick.empty() || !chat_.empty())) Accept(*level);
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

// A re-send counts once the client has taken it: a slow client is waited for (nothing piles
// up in it meanwhile), and a line that never reached it is no sign of a wrong bot.
void Handshake::ReSenderTick() {
  if (ctx_.records.shared.BotAnswered) return;
  if (pending_) {
    if (!pending_->line.IsTaken() && !pending_->line.IsDropped()) return;
    // A line the client dropped (it hung) never reached it: it does not count, and goes again.
    const bool counts = pending_->resend && pending_->line.IsTaken();
    pending_.reset();
    if (counts && Counted()) return;
  }
  Sent(ctx_.SendToRoom(ctx_.records.shared.IdentText), /*resend=*/true);
}

bool Handshake::Counted() {
  if (++tries_ <= kMaxResends) return false;
  GiveUp();
  return true;
}

void Handshake::GiveUp() {
  // Nothing may open the panel now, not even an answer that comes under a box.
  main_.Connexion.SetEnabled(false);
  main_.EnvoiCode.SetEnabled(false);
  main_.Show();
  main_.ShowIncompatibleBotNotice();
  main_.LetPaint();
  ctx_.settings.WriteBeforeEnd(key::kBotNick, L"");
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
