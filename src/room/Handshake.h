// The identification with the room bot: the identification line, the answer watcher that
// reads the chat every 500 ms, and the re-sender that repeats the line every 2000 ms until
// the answer comes or six re-sends have gone unanswered.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vl {

class App;
class Principale;

inline constexpr int kMaxResends = 5;  // the sixth re-send without an answer gives up
inline constexpr int kGiveUpPauseMs = 5000;

// The level of an answer line whose "%" is followed by the first four characters of the
// challenge's hex text (exact case) and a decimal digit; none otherwise.
std::optional<int> AnswerLevel(std::wstring_view line, std::wstring_view challengeHex);

class Handshake {
 public:
  Handshake(App& app, Principale& main) : app_(app), main_(main) {}

  // Sends the identification line and starts the answer watcher.
  void connection();
  void AnswerWatcherTick();  // Connexion
  void ReSenderTick();       // EnvoiCode
  // Learns OwnNick from the oldest line of `chatText` that echoes the identification line.
  void recupnombot(std::wstring_view chatText);

  int HandshakeTries() const { return tries_; }

 private:
  void Accept(int level);
  void GiveUp();  // ends the program

  App& app_;
  Principale& main_;
  int tries_ = 0;
};

}  // namespace vl
