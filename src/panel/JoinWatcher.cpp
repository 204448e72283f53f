#include "panel/JoinWatcher.h"

#include "panel/MicroControl.h"
#include "panel/Reglages.h"
#include "room/BotLines.h"
#include "room/ChatReader.h"

namespace vl {

JoinWatcher::JoinWatcher(const WindowContext& ctx, Reglages& panel, MicroControl& micro)
    : ctx_(ctx),
      micro_(micro),
      reader_(ctx.platform.foreign(), ctx.platform.clock(), ctx.records.chatReads) {
  panel.Boucle.onTick = [this] { Boucle_Tick(); };
}

void JoinWatcher::JoueSonEntree() {
  ctx_.platform.sound().PlayAsync(ctx_.records.panel.FichierSonEntree);
}

void JoinWatcher::Boucle_Tick() {
  std::optional<std::wstring_view> last = reader_.Read(ctx_.records.room.ChatTextWindow);
  if (!last) return;  // no complete line: nothing more this tick, not even the key
  micro_.WatchPushToTalkKey();

  const PanelState& options = ctx_.records.panel;
  // The echo of a line the program sent is never a join: a greeting that carries a marker
  // would otherwise be greeted again, once for each marker nested in the nickname.
  const bool isJoin = IsJoinLine(*last) && !ctx_.records.sentLines.IsEcho(*last);
  if (!isJoin) {
    EntreeAnnoncee_ = false;
    greetedLine_.reset();
  }
  if (options.SonEntree && isJoin && !EntreeAnnoncee_) {
    EntreeAnnoncee_ = true;
    JoueSonEntree();
  }
  std::wstring nick = isJoin ? JoinLineNick(*last) : std::wstring();
  if (nick.empty() || !options.SalutAuto) return;
  if (greetedLine_ && *greetedLine_ == *last) return;
  // Kept before the send, as the view may not outlive it. A greeting that could not start
  // (a client that hangs) is tried again at the next tick while the join line stays last.
  std::wstring line(*last);
  if (ctx_.SendToRoom(ReplaceNickPlaceholder(ctx_.records.phrases[1], nick)).WasStarted()) {
    greetedLine_ = std::move(line);
  }
}

}  // namespace vl
