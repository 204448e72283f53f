#include "panel/CommandButtons.h"

#include "app/App.h"
#include "panel/Reglages.h"
#include "room/BotLines.h"
#include "room/ChatSender.h"

namespace vl {

CommandButtons::CommandButtons(App& app, Reglages& panel) : app_(app), panel_(panel) {
  Bind(L"ReyCommand10", &CommandButtons::SimpleCommand, verb::kSwmic);
  Bind(L"ReyCommand11", &CommandButtons::SimpleCommand, verb::kBlocmic);
  Bind(L"ReyCommand12", &CommandButtons::SimpleCommand, verb::kBleu);
  Bind(L"ReyCommand3", &CommandButtons::SimpleCommand, verb::kNoir);
  Bind(L"ReyCommand7", &CommandButtons::SimpleCommand, verb::kBan1);
  Bind(L"ReyCommand6", &CommandButtons::SimpleCommand, verb::kBan2);
  Bind(L"ReyCommand9", &CommandButtons::SimpleCommand, verb::kDepuni);
  Bind(L"ReyCommand1", &CommandButtons::Query, verb::kMatequi);
  Bind(L"ReyCommand2", &CommandButtons::Query, verb::kMateparqui);
  Bind(L"ReyCommand8", &CommandButtons::DefaultReasonCommand, verb::kKick);
  Bind(L"ReyCommand16", &CommandButtons::DefaultReasonCommand, verb::kPuni);
  panel[L"ReyCommand4"].onClick = [this] { PickedReasonCommand(app_.panel.DemandeKick); };
  panel[L"ReyCommand5"].onClick = [this] { PickedReasonCommand(app_.panel.DemandePuni); };
  panel[L"ReyCommand14"].onClick = [this] { Warning(); };
  panel[L"ReyCommand15"].onClick = [this] { Announcements(); };
  panel[L"ReyCommand13"].onClick = [this] { CategoryMessages(); };
}

void CommandButtons::Bind(const wchar_t* button,
                          void (CommandButtons::*action)(const std::wstring&),
                          const std::wstring& verb) {
  panel_[button].onClick = [this, action, verb] { (this->*action)(verb); };
}

const std::wstring& CommandButtons::Target() const {
  return panel_[L"Label2"].Text();
}

void CommandButtons::Send(const std::wstring& line) {
  ChatSender(app_.platform, app_.room, line);
}

// No tick runs during the second: the frame is the only thing that happens.
void CommandButtons::MontreErreurPseudo() {
  Control& frame = panel_[L"frameerreur"];
  frame.SetTop(kErrorFrameShown);
  panel_.LetPaint();
  app_.platform.clock().Sleep(kErrorFramePauseMs);
  frame.SetTop(kErrorFrameHidden);
}

void CommandButtons::SimpleCommand(const std::wstring& verb) {
  if (Target().empty()) {
    MontreErreurPseudo();
    return;
  }
  if (!app_.shared.BotNick.empty()) Send(BotCommandLine(app_.shared.BotNick, Target(), verb));
  panel_.Minimize();
}

void CommandButtons::Query(const std::wstring& verb) {
  if (!app_.shared.BotNick.empty() && !Target().empty()) {
    Send(BotCommandLine(app_.shared.BotNick, Target(), verb));
  }
  panel_.Minimize();
}

void CommandButtons::DefaultReasonCommand(const std::wstring& verb) {
  if (Target().empty()) {
    MontreErreurPseudo();
    return;
  }
  std::wstring reason = DefaultReason(app_.panel.SignerKicks, app_.shared.OwnNick);
  Send(ReasonLine(app_.shared.BotNick, Target(), verb, reason, L""));
  panel_.Minimize();
}

void CommandButtons::PickedReasonCommand(bool& request) {
  if (Target().empty()) {
    MontreErreurPseudo();
    return;
  }
  request = true;
  app_.ShowRaisonsKick();
}

void CommandButtons::Warning() {
  if (Target().empty()) {
    MontreErreurPseudo();
    return;
  }
  app_.ShowWarnings();
}

void CommandButtons::Announcements() {
  if (!app_.shared.BotNick.empty()) app_.ShowMessages();
}

void CommandButtons::CategoryMessages() {
  app_.ShowEnvoimsg();
}

}  // namespace vl
