// The simulated room bot: it reads the lines addressed to it ("/msg " + its nickname + " ..."),
// answers the identification line with the handshake answer and the sender's level, and
// carries out the moderation commands with a visible result line. Portable.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace roomsim {

// The handshake answer for a challenge of 5 digits and a level: "%" + 4 characters + digit.
using AnswerFunction = std::function<std::wstring(const std::wstring& challenge, int level)>;

struct BotReply {
  std::wstring text;         // the bot's message text; empty when it says nothing
  std::wstring log;          // what it did, for the event log
  std::wstring removedUser;  // a user to take out of the room (kick, ban); empty for none
  bool twice = false;        // the same reply again a second later
};

class RoomBot {
 public:
  RoomBot(std::wstring nick, AnswerFunction answer);

  const std::wstring& Nick() const { return nick_; }
  void SetLevel(const std::wstring& nick, int level) { levels_[nick] = level; }
  int LevelOf(const std::wstring& nick) const;
  void SetSilent(bool on) { silent_ = on; }
  void SetWrong(bool on) { wrong_ = on; }
  // Garbage between the "%" and the true answer; the answer posted twice.
  void SetGarbage(bool on) { garbage_ = on; }
  void SetTwice(bool on) { twice_ = on; }
  void SetDelay(int ms) { delayMs_ = ms; }
  bool Silent() const { return silent_; }
  bool Wrong() const { return wrong_; }
  int DelayMs() const { return delayMs_; }

  // True when a message text is addressed to this bot: "/msg " + nick + " " + something.
  bool IsAddressed(const std::wstring& text) const;

  // Handles a text addressed to the bot, posted by `sender`, with `users` in the room.
  BotReply Handle(const std::wstring& sender, const std::wstring& text,
                  const std::vector<std::wstring>& users);

 private:
  BotReply Identify(const std::wstring& sender, const std::wstring& challenge) const;
  BotReply Command(const std::wstring& sender, const std::wstring& body,
                   const std::vector<std::wstring>& users);
  BotReply Execute(const std::wstring& user, const std::wstring& verb, const std::wstring& reason,
                   const std::vector<std::wstring>& users);

  std::wstring nick_;
  AnswerFunction answer_;
  std::map<std::wstring, int> levels_;
  std::set<std::wstring> micCut_;  // users whose microphone swmic has cut
  bool silent_ = false;
  bool wrong_ = false;
  bool garbage_ = false;
  bool twice_ = false;
  int delayMs_ = 0;
};

// The class of a class message ("/msg 'FOPW' ...", "'OPW'", "'OWNER'"), or empty.
std::wstring ClassMessageTarget(const std::wstring& text);

// The challenge of an identification body ("Verdelune" + 5 digits), or empty.
std::wstring IdentificationChallenge(const std::wstring& body);

// The same answer with its four characters changed so that none matches any more.
std::wstring SpoilAnswer(const std::wstring& answer);

}  // namespace roomsim
