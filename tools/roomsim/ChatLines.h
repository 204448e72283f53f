// The forms of the chat lines the simulated room posts: message lines with their time, the
// join lines in both languages of the chat client, the leave line. Portable.
#pragma once

#include <string>

namespace roomsim {

struct ClockTime {
  int hour = 0;
  int minute = 0;
};

enum class JoinForm { English, French };

// "(hh:mm) " with two digits each.
std::wstring TimePrefix(ClockTime time);

// "(hh:mm) nick: text", the form of every message line, the moderator's own included.
std::wstring MessageLine(ClockTime time, const std::wstring& nick, const std::wstring& text);

// "Join: nick" or "Rejoint la salle : nick", optionally after the time prefix.
std::wstring JoinLine(const std::wstring& nick, JoinForm form, bool withTime, ClockTime time);

std::wstring LeaveLine(const std::wstring& nick, ClockTime time);

// What the client shows once it has delivered a message to a class of users ("FOPW", "OPW",
// "OWNER"): which colours it reached.
std::wstring ClassDeliveryLine(const std::wstring& target, ClockTime time);

}  // namespace roomsim
