// The identification with the room bot: the identification line, the answer watcher that
// reads the chat every 500 ms, and the re-sender that repeats the line every 2000 ms until
// the answer comes or six re-sends have gone unanswered. Only lines the client took count: a
// slow client is waited for, never blamed on the bot.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/WindowContext.h"
#include "room/LastLineReader.h"

namespace vl {

class Principale;

inline constexpr int kMaxResends = 5;  // the sixth re-send without an answer gives up
inline constexpr int kGiveUpPauseMs = 5000;

class Handshake {
 public:
  Handshake(const WindowContext& ctx, Principale& main)
      : ctx_(ctx),
        main_(main),
        reader_(ctx.platform.foreign(), ctx.platform.clock(), ctx.records.chatReads) {}

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
  // Weighs what became of an identification line: a re-send the client took counts, one it
  // has not taken yet is waited for, and a refused one ends the program (the moderator has
  // been told why).
  void Sent(SentLine line, bool resend);
  bool Counted();  // one more re-send taken; gives up after the sixth

  WindowContext ctx_;
  Principale& main_;
  // The answer is looked for in the last line, read by range; the echo in the whole text.
  LastLineReader reader_;
  std::wstring chat_;  // the watcher's own copy of the chat, its storage reused between ticks
  int tries_ = 0;
  // The last identification line, while the client has not taken it yet.
  struct Pending {
    SentLine line;
    bool resend;
  };
  std::optional<Pending> pending_;
};

}  // namespace vl
