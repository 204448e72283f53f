// The simulated room's behaviour, apart from its windows: what the send button posts, the
// user list, the microphone, the room bot, the control commands and the traffic, with every
// event written to the log. The Win32 side implements RoomHost over the real controls and
// forwards their notifications here, so that all of this is tested natively. Portable.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ChatLines.h"
#include "ControlCommands.h"
#include "Microphone.h"
#include "Options.h"
#include "RoomBot.h"
#include "Traffic.h"

namespace roomsim {

// What the room needs of its windows. Calls come from the room's one thread.
class RoomHost {
 public:
  virtual ~RoomHost() = default;
  virtual void AppendChat(const std::wstring& line) = 0;  // the chat closes the line itself
  virtual std::wstring InputText() = 0;
  virtual void SetInputText(const std::wstring& text) = 0;  // reports back via OnInputChanged
  virtual void AddUser(const std::wstring& nick) = 0;
  virtual void RemoveUser(const std::wstring& nick) = 0;
  virtual void ShowMicButtons(MicButtons buttons) = 0;
  virtual void CloseRoomWindow() = 0;
  // Faults of a real client, staged for the tests; a host without windows has none to stage.
  virtual void Hang(int /*ms*/) {}
  virtual void ReplaceControls(const std::wstring& /*which*/) {}
  virtual void TrimChat(int /*lines*/) {}
  virtual void AddHistory(int /*lines*/) {}
  virtual void AppendChatText(const std::wstring& /*text*/) {}
  virtual void AmendLastChatLine(const std::wstring& /*text*/) {}
  virtual void Quit() = 0;
  virtual ClockTime Now() = 0;
  virtual std::int64_t ElapsedMs() = 0;
  virtual void Log(const std::string& kind, const std::wstring& details) = 0;
};

class Room {
 public:
  static constexpr int kSendButton = 1;
  static constexpr int kMicButton1 = 8;
  static constexpr int kMicButton2 = 9;
  static constexpr int kQuitDelayMs = 1500;  // the top window outlives a closed room this long

  Room(const Options& options, RoomHost& host, AnswerFunction answer);

  void Start();
  // Notifications of the controls.
  void OnClicked(int index);
  void OnButtonMessage(int index, bool down, bool inside);
  void OnInputChanged(const std::wstring& text);
  void OnUserPicked(const std::wstring& nick);
  // A line of the control channel.
  void OnControlLine(const std::wstring& line);
  // Every 50 ms: delayed bot replies, traffic, the end after a close.
  void Tick();
  // Asked by the window hooks about a message another program sent: the length the chat tells
  // (none: the truth; the first lie to each message after a command is logged), and the
  // milliseconds the client takes over it (logged when not 0).
  std::optional<long long> ToldLength(const std::wstring& message);
  int SlowMs(const std::wstring& message);

  // Also used by the top window's menu, for use by hand.
  void Join(const std::wstring& nick, JoinForm form, bool withTime);
  void Leave(const std::wstring& nick);
  void Say(const std::wstring& nick, const std::wstring& text);
  void SetMicOther(bool other);
  void SetTraffic(int rate);
  int TrafficRate() const { return traffic_.Rate(); }
  void RequestQuit() { host_.Quit(); }
  const std::wstring& OwnNick() const { return options_.ownNick; }
  RoomBot& Bot() { return bot_; }
  const std::vector<std::wstring>& Users() const { return users_; }
  bool Closed() const { return closed_; }
  bool Present(const std::wstring& nick) const;

 private:
  struct PendingReply {
    std::int64_t dueMs;
    std::wstring text;
    std::wstring removedUser;
  };

  void Send();
  void Post(const std::wstring& line);
  void Error(const std::wstring& text);
  void BotReact(const std::wstring& text);
  void PostReply(const PendingReply& reply);
  // Into the pending replies, after those due at the same time or earlier.
  void Schedule(PendingReply reply);
  static constexpr std::int64_t kSecondReplyMs = 1000;
  void MicChanged(bool changed);
  void Run(const ControlCommand& c);
  void Close();

  Options options_;
  RoomHost& host_;
  RoomBot bot_;
  Microphone mic_;
  Traffic traffic_;
  std::vector<std::wstring> users_;
  std::vector<PendingReply> pending_;
  ClientFaults faults_;
  std::vector<std::wstring> liesLogged_;  // the messages lied to since the last command
  bool firstPressed_ = false;             // a button-down reached the first microphone button
  bool closed_ = false;
  bool quitting_ = false;
  std::int64_t quitAtMs_ = 0;
};

}  // namespace roomsim
