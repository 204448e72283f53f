// The simulated room's behaviour: posting, users, microphone, bot, control commands, traffic.
#include "Room.h"

#include <algorithm>

#include "Text.h"

namespace roomsim {

Room::Room(const Options& options, RoomHost& host, AnswerFunction answer)
    : options_(options),
      host_(host),
      bot_(options.botNick, std::move(answer)),
      traffic_(options.seed) {}

// A practice room is not empty: the users of the command line are there from the start.
void Room::Start() {
  host_.ShowMicButtons(mic_.Buttons());
  for (const std::wstring& nick : options_.users) {
    if (Present(nick)) continue;
    users_.push_back(nick);
    host_.AddUser(nick);
    host_.Log("join", nick);
  }
}

bool Room::Present(const std::wstring& nick) const {
  return std::find(users_.begin(), users_.end(), nick) != users_.end();
}

void Room::OnClicked(int index) {
  host_.Log("clicked", std::to_wstring(index));
  if (index == kSendButton && !closed_) Send();
}

void Room::OnButtonMessage(int index, bool down, bool inside) {
  host_.Log("button", std::to_wstring(index) + (down ? L" down" : L" up"));
  if (closed_ || options_.buttons < kMicButton2) return;
  if (index == kMicButton1) {
    // A click is a down then an up inside the button, as a BUTTON itself counts it.
    const bool click = !down && inside && firstPressed_;
    firstPressed_ = down;
    if (click) MicChanged(mic_.OnFirstClick());
  } else if (index == kMicButton2) {
    MicChanged(down ? mic_.OnSecondDown() : mic_.OnSecondUp());
  }
}

void Room::OnInputChanged(const std::wstring& text) {
  host_.Log("input", text);
}

void Room::OnUserPicked(const std::wstring& nick) {
  if (closed_) return;
  host_.Log("pick", nick);
  host_.SetInputText(host_.InputText() + nick + L", ");
}

void Room::Send() {
  const std::wstring text = host_.InputText();
  if (text.empty()) {
    host_.Log("send", L"empty input box, nothing posted");
    return;
  }
  Post(MessageLine(host_.Now(), options_.ownNick, text));
  host_.SetInputText(L"");
  const std::wstring target = ClassMessageTarget(text);
  if (!target.empty()) {
    host_.Log("class", target + L" " + text);
    Post(ClassDeliveryLine(target, host_.Now()));
  } else if (bot_.IsAddressed(text)) {
    BotReact(text);
  }
}

void Room::BotReact(const std::wstring& text) {
  BotReply reply = bot_.Handle(options_.ownNick, text, users_);
  host_.Log("bot", reply.log);
  if (reply.text.empty()) return;
  PendingReply pending{host_.ElapsedMs() + bot_.DelayMs(), reply.text, reply.removedUser};
  if (reply.twice) Schedule({pending.dueMs + kSecondReplyMs, reply.text, L""});
  if (bot_.DelayMs() == 0) {
    PostReply(pending);
  } else {
    Schedule(std::move(pending));
  }
}

void Room::Schedule(PendingReply reply) {
  const auto later = std::upper_bound(
      pending_.begin(), pending_.end(), reply.dueMs,
      [](std::int64_t due, const PendingReply& other) { return due < other.dueMs; });
  pending_.insert(later, std::move(reply));
}

void Room::PostReply(const PendingReply& reply) {
  Post(MessageLine(host_.Now(), bot_.Nick(), reply.text));
  if (!reply.removedUser.empty() && Present(reply.removedUser)) {
    users_.erase(std::find(users_.begin(), users_.end(), reply.removedUser));
    traffic_.Forget(reply.removedUser);
    host_.RemoveUser(reply.removedUser);
    host_.Log("leave", reply.removedUser);
  }
}

void Room::Post(const std::wstring& line) {
  host_.AppendChat(line);
  host_.Log("chat", line);
}

void Room::Error(const std::wstring& text) {
  host_.Log("error", text);
}

void Room::MicChanged(bool changed) {
  if (!changed) return;
  host_.ShowMicButtons(mic_.Buttons());
  host_.Log("mic", FromUtf8(MicWord(mic_.State())));
}

void Room::SetMicOther(bool other) {
  MicChanged(other ? mic_.SetOther() : mic_.SetFree());
}

void Room::SetTraffic(int rate) {
  traffic_.SetRate(rate, host_.ElapsedMs());
}

void Room::Join(const std::wstring& nick, JoinForm form, bool withTime) {
  if (Present(nick)) return Error(L"already in the room: " + nick);
  users_.push_back(nick);
  host_.AddUser(nick);
  host_.Log("join", nick);
  Post(JoinLine(nick, form, withTime, host_.Now()));
}

void Room::Leave(const std::wstring& nick) {
  if (!Present(nick)) return Error(L"not in the room: " + nick);
  users_.erase(std::find(users_.begin(), users_.end(), nick));
  traffic_.Forget(nick);
  host_.RemoveUser(nick);
  host_.Log("leave", nick);
  Post(LeaveLine(nick, host_.Now()));
}

void Room::Say(const std::wstring& nick, const std::wstring& text) {
  Post(MessageLine(host_.Now(), nick, text));
}

void Room::OnControlLine(const std::wstring& line) {
  host_.Log("control", line);
  const ParsedControl parsed = ParseControlCommand(line);
  if (!parsed.ok) return Error(parsed.error);
  const ControlVerb verb = parsed.command.verb;
  if (closed_ && verb != ControlVerb::Quit) return Error(L"the room is closed: " + line);
  Run(parsed.command);
}

void Room::Run(const ControlCommand& c) {
  switch (c.verb) {
    case ControlVerb::Join:
      return Join(c.nick, c.french ? JoinForm::French : JoinForm::English, c.withTime);
    case ControlVerb::Leave:
      return Leave(c.nick);
    case ControlVerb::Say:
      return Say(c.nick, c.text);
    case ControlVerb::Line:
      return Post(c.text);
    case ControlVerb::Type:
      return host_.SetInputText(c.text);
    case ControlVerb::Pick:
      if (!Present(c.nick)) return Error(L"not in the room: " + c.nick);
      return OnUserPicked(c.nick);
    case ControlVerb::MicFree:
    case ControlVerb::MicOther:
      return SetMicOther(c.verb == ControlVerb::MicOther);
    case ControlVerb::BotLevel:
      return bot_.SetLevel(c.nick, static_cast<int>(c.number));
    case ControlVerb::BotSilent:
      return bot_.SetSilent(c.on);
    case ControlVerb::BotWrong:
      return bot_.SetWrong(c.on);
    case ControlVerb::BotGarbage:
      return bot_.SetGarbage(c.on);
    case ControlVerb::BotTwice:
      return bot_.SetTwice(c.on);
    case ControlVerb::BotDelay:
      return bot_.SetDelay(static_cast<int>(c.number));
    case ControlVerb::Traffic:
      return SetTraffic(static_cast<int>(c.number));
    case ControlVerb::Hang:
      return host_.Hang(static_cast<int>(c.number));
    case ControlVerb::Replace:
      return host_.ReplaceControls(c.text);
    case ControlVerb::Trim:
      return host_.TrimChat(static_cast<int>(c.number));
    case ControlVerb::History:
      return host_.AddHistory(static_cast<int>(c.number));
    case ControlVerb::Append:
      return host_.AppendChatText(c.text);
    case ControlVerb::Amend:
      return host_.AmendLastChatLine(c.text);
    case ControlVerb::LieLength:
      liesLogged_.clear();
      faults_.toldLength = c.on ? std::optional(c.number) : std::nullopt;
      return;
    case ControlVerb::Slow:
      faults_.slowMs = static_cast<int>(c.number);
      return;
    case ControlVerb::Close:
      return Close();
    case ControlVerb::Quit:
      return host_.Quit();
  }
}

std::optional<long long> Room::ToldLength(const std::wstring& message) {
  if (faults_.toldLength &&
      std::find(liesLogged_.begin(), liesLogged_.end(), message) == liesLogged_.end()) {
    liesLogged_.push_back(message);
    host_.Log("lie", message + L" " + std::to_wstring(*faults_.toldLength));
  }
  return faults_.toldLength;
}

int Room::SlowMs(const std::wstring& message) {
  if (faults_.slowMs > 0) host_.Log("slow", message + L" " + std::to_wstring(faults_.slowMs));
  return faults_.slowMs;
}

void Room::Close() {
  closed_ = true;
  pending_.clear();
  traffic_.SetRate(0, 0);
  host_.CloseRoomWindow();
  quitting_ = true;
  quitAtMs_ = host_.ElapsedMs() + kQuitDelayMs;
}

void Room::Tick() {
  const std::int64_t now = host_.ElapsedMs();
  if (quitting_) {
    if (now >= quitAtMs_) {
      quitting_ = false;
      host_.Quit();
    }
    return;
  }
  // Replies are kept in the order they fall due.
  while (!pending_.empty() && pending_.front().dueMs <= now) {
    const PendingReply reply = pending_.front();
    pending_.erase(pending_.begin());
    PostReply(reply);
  }
  for (const TrafficEvent& e : traffic_.Due(now)) {
    if (e.kind == TrafficEvent::Kind::Join) {
      Join(e.nick, e.french ? JoinForm::French : JoinForm::English, true);
    } else if (e.kind == TrafficEvent::Kind::Leave) {
      Leave(e.nick);
    } else {
      Say(e.nick, e.text);
    }
  }
}

}  // namespace roomsim
