#include "panel/CommandButtons.h"

#include "panel/Reglages.h"
#include "room/BotLines.h"

namespace vl {

CommandButtons::CommandButtons(const WindowContext& ctx, Reglages& panel, const PanelControls& c)
    : ctx_(ctx), panel_(panel), frameerreur_(c.frameerreur) {
  Bind(c.ReyCommand10, &CommandButtons::SimpleCommand, verb::kSwmic);
  Bind(c.ReyCommand11, &CommandButtons::SimpleCommand, verb::kBlocmic);
  Bind(c.ReyCommand12, &CommandButtons::SimpleCommand, verb::kBleu);
  Bind(c.ReyCommand3, &CommandButtons::SimpleCommand, verb::kNoir);
  Bind(c.ReyCommand7, &CommandButtons::SimpleCommand, verb::kBan1);
  Bind(c.ReyCommand6, &CommandButtons::SimpleCommand, verb::kBan2);
  Bind(c.ReyCommand9, &CommandButtons::SimpleCommand, verb::kDepuni);
  Bind(c.ReyCommand1, &CommandButtons::Query, verb::kMatequi);
  Bind(c.ReyCommand2, &CommandButtons::Query, verb::kMateparqui);
  Bind(c.ReyCommand8, &CommandButtons::DefaultReasonCommand, verb::kKick);
  Bind(c.ReyCommand16, &CommandButtons::DefaultReasonCommand, verb::kPuni);
  PanelState& p = ctx.records.panel;
  c.ReyCommand4.onClick = [this, &p] { PickedReasonCommand(p.DemandeKick); };
  c.ReyCommand5.onClick = [this, &p] { PickedReasonCommand(p.DemandePuni); };
  c.ReyCommand14.onClick = [this] { Warning(); };
  c.ReyCommand15.onClick = [this] { Announcements(); };
  c.ReyCommand13.onClick = [this] { CategoryMessages(); };
}

void CommandButtons::Bind(Control& button, void (CommandButtons::*action)(const std::wstring&),
                          const std::wstring& verb) {
  button.onClick = [this, action, verb] { (this->*action)(verb); };
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

void CommandButtons::SimpleCommand(const std::wstring& verb) {
  if (Target().empty()) {
    MontreErreurPseudo();
    return;
  }
  if (!ctx_.records.shared.BotNick.empty())
    ctx_.SendToRoom(BotCommandLine(ctx_.records.shared.BotNick, Target(), verb));
  panel_.Minimize();
}

void CommandButtons::Query(const std::wstring& verb) {
  if (!ctx_.records.shared.BotNick.empty() && !Target().empty()) {
    ctx_.SendToRoom(BotCommandLine(ctx_.records.shared.BotNick, Target(), verb));
  }
  panel_.Minimize();
}

void CommandButtons::DefaultReasonCommand(const std::wstring& verb) {
  if (Target().empty()) {
    MontreErreurPseudo();
    return;
  }
  std::wstring reason = DefaultReason(ctx_.records.panel.SignerKicks, ctx_.records.shared.OwnNick);
  ctx_.SendToRoom(ReasonLine(ctx_.records.shared.BotNick, Target(), verb, reason, L""));
  panel_.Minimize();
}

void CommandButtons::PickedReasonCommand(bool& request) {
  if (Target().empty()) {
    MontreErreurPseudo();
    return;
  }
  request = true;
  ctx_.nav.ShowRaisonsKick();
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
