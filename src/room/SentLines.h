// The lines the program itself sent into the room lately. A greeting carries a user's text,
// and its echo in the chat may hold a join marker again ("JoJoin: in: hi" is greeted
// "Bienvenue Join: hi"): a reader that knows its own echoes does not answer them.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace vl {

class SentLines {
 public:
  // The lines whose echo can still be on its way: far more than a burst of clicks and
  // greetings sends before the client shows the first of them.
  static constexpr std::size_t kKept = 32;

  // Keeps `line`, dropping the oldest kept beyond kKept.
  void Add(std::wstring_view line);

  // True when `chatLine` is the client's echo of a kept line: optionally a part in
  // parentheses and a blank ("(hh:mm) "), then a sender's nickname (not empty, no ":"),
  // ": ", then exactly the line sent. The part before the line sent must hold no join marker
  // itself: the client writes "(12:00) Join: Alice" for a join, and Alice joining stays a join
  // after the program once said "Alice".
  bool IsEcho(std::wstring_view chatLine) const;

 private:
  std::deque<std::wstring> lines_;  // oldest first
};

}  // namespace vl
