#include "core/WindowContext.h"

#include "core/ProgramTitle.h"

namespace vl {

// Windows refuses the messages of a program to one run with higher rights: said plainly, or
// the moderator would blame the room bot for a silence that is the desktop's.
const std::wstring kClientRefusesNotice =
    L"Le logiciel de chat refuse les messages de Verdelune : il a été lancé en tant "
    L"qu'administrateur, et Verdelune non. Fermez-les tous les deux, puis relancez-les de la "
    L"même façon (tous les deux normalement, ou tous les deux en tant qu'administrateur).";

namespace {

// A line as the room receives and echoes it: the text set in the input box ends at its first
// NUL.
std::wstring AsReceived(const std::wstring& line) {
  return line.substr(0, line.find(L'\0'));
}

}  // namespace

SentLine WindowContext::SendToRoom(const std::wstring& line) const {
  SentLine sent = ChatSender(platform.foreign(), platform.clock(), records.room, line);
  if (sent.WasStarted()) records.sentLines.Add(AsReceived(line));
  if (sent.WasRefused() && !records.clientRefusalTold) {
    records.clientRefusalTold = true;
    platform.dialogs().ShowMessage(kClientRefusesNotice, kProgramTitle, MessageBoxStyle::Ok);
  }
  return sent;
}

SentLine WindowContext::SendCommand(const Command& command) const {
  const SharedState& s = records.shared;
  const std::wstring line = CommandLine(command, {s.BotNick, s.OwnNick, records.panel.SignerKicks});
  const SentLine sent = SendToRoom(line);
  journal.Record({.room = platform.foreign().Title(records.room.RoomWindow),
                  .moderator = s.OwnNick,
                  .action = ActionName(command.action),
                  .target = command.target,
                  .reason = command.reason.value_or(L""),
                  .line = AsReceived(line)},
                 sent);
  return sent;
}

}  // namespace vl
