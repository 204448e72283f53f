#include "panel/CommandButtons.h"

#include "panel/Reglages.h"

namespace vl {

CommandButtons::CommandButtons(const WindowContext& ctx, Reglages& panel, const PanelControls& c)
    : ctx_(ctx), panel_(panel), frameerreur_(c.frameerreur) {
  Bind(c.ReyCommand10, &CommandButtons::SimpleCommand, Action::SwitchMic);
  Bind(c.ReyCommand11, &CommandButtons::SimpleCommand, Action::BlockMic);
  Bind(c.ReyCommand12, &CommandButtons::SimpleCommand, Action::Blue);
  Bind(c.ReyCommand3, &CommandButtons::SimpleCommand, Action::Black);
  Bind(c.ReyCommand7, &CommandButtons::SimpleCommand, Action::BanMonth);
  Bind(c.ReyCommand6, &CommandButtons::SimpleCommand, Action::BanForever);
  Bind(c.ReyCommand9, &CommandButtons::SimpleCommand, Action::Unpunish);
  Bind(c.ReyCommand1, &CommandButtons::Query, Action::WhoWatches);
  Bind(c.ReyCommand2, &CommandButtons::Query, Action::WatchedBy);
  Bind(c.ReyCommand8, &CommandButtons::DefaultReasonCommand, Action::Kick);
  Bind(c.ReyCommand16, &CommandButtons::DefaultReasonCommand, Action::Punish);
  Bind(c.ReyCommand4, &CommandButtons::PickedReasonCommand, Action::Kick);
  Bind(c.ReyCommand5, &CommandButtons::PickedReasonCommand, Action::Punish);
  c.ReyCommand14.onClick = [this] { Warning(); };
  c.ReyCommand15.onClick = [this] { Announcements(); };
  c.ReyCommand13.onClick = [this] { CategoryMessages(); };
}

void CommandButtons::Bind(Control& button, void (CommandButtons::*handler)(Action), Action action) {
  button.onClick = [this, handler, action] { (this->*handler)(action); };
}

const std::wstring& CommandButtons::Target() const {
  return panel_.TargetUser();
}

// No tick runs during the second: the frame is the only thing that happens.
void CommandButtons::MontreErreurPseudo() {
  frameerreur_.SetTop(kErrorFrameShown);
  panel_.LetPaint();
  ctx_.platform.clock().Sleep(kErrorFramePauseMs);
  frameerreur_.SetTop(kErrorFrameHidden);
}

void CommandButtons::SimpleCommand(Action action) {
  if (Target().empty()) {
    MontreErreurPseudo();
    return;
  }
  if (!ctx_.records.shared.BotNick.empty()) ctx_.SendCommand({action, Target()});
  panel_.Minimize();
}

void CommandButtons::Query(Action action) {
  if (!ctx_.records.shared.BotNick.empty() && !Target().empty()) {
    ctx_.SendCommand({action, Target()});
  }
  panel_.Minimize();
}

void CommandButtons::DefaultReasonCommand(Action action) {
  if (Target().empty()) {
    MontreErreurPseudo();
    return;
  }
  ctx_.SendCommand({action, Target(), kDefaultReason});
  panel_.Minimize();
}

// The picker receives the request; it sends it with the reason picked, for the target of
// that moment.
void CommandButtons::PickedReasonCommand(Action action) {
  if (Target().empty()) {
    MontreErreurPseudo();
    return;
  }
  ctx_.nav.ShowRaisonsKick(action);
}

void CommandButtons::Warning() {
  if (Target().empty()) {
    MontreErreurPseudo();
    return;
  }
  ctx_.nav.ShowWarnings();
}

void CommandButtons::Announcements() {
  if (!ctx_.records.shared.BotNick.empty()) ctx_.nav.ShowMessages();
}

void CommandButtons::CategoryMessages() {
  ctx_.nav.ShowEnvoimsg();
}

}  // namespace vl
