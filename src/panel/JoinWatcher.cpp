#include "panel/JoinWatcher.h"

#include "app/App.h"
#include "panel/MicroControl.h"
#include "panel/Reglages.h"
#include "room/BotLines.h"
#include "room/ChatReader.h"
#include "room/ChatSender.h"

namespace vl {

JoinWatcher::JoinWatcher(App& app, Reglages& panel, MicroControl& micro)
    : app_(app), micro_(micro) {
  panel.Boucle.onTick = [this] { Boucle_Tick(); };
}

void JoinWatcher::JoueSonEntree() {
  app_.platform.sound().PlayAsync(app_.panel.FichierSonEntree);
}

void JoinWatcher::Boucle_Tick() {
  std::optional<std::wstring_view> last =
      ReadChatText(app_.platform.foreign(), app_.room.ChatTextWindow, chat_);
  if (!last) return;  // no complete line: nothing more this tick, not even the key
  micro_.WatchPushToTalkKey();

  const PanelState& options = app_.panel;
  const bool isJoin = IsJoinLine(*last);
  if (!isJoin) {
    EntreeAnnoncee_ = false;
    greetedLine_.reset();
  }
  if (options.SonEntree && isJoin && !EntreeAnnoncee_) {
    EntreeAnnoncee_ = true;
    JoueSonEntree();
  }
  std::wstring nick = JoinLineNick(*last);
  if (nick.empty() || !options.SalutAuto) return;
  if (greetedLine_ && *greetedLine_ == *last) return;
  greetedLine_ = std::wstring(*last);
  ChatSender(app_.platform, app_.room, ReplaceNickPlaceholder(app_.phrases[1], nick));
}

}  // namespace vl
