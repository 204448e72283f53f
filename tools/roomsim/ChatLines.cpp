// Chat-line formatting of the simulated room.
#include "ChatLines.h"

namespace roomsim {
namespace {

std::wstring TwoDigits(int n) {
  n = ((n % 100) + 100) % 100;
  std::wstring out;
  out += static_cast<wchar_t>(L'0' + n / 10);
  out += static_cast<wchar_t>(L'0' + n % 10);
  return out;
}

}  // namespace

std::wstring TimePrefix(ClockTime time) {
  return L"(" + TwoDigits(time.hour) + L":" + TwoDigits(time.minute) + L") ";
}

std::wstring MessageLine(ClockTime time, const std::wstring& nick, const std::wstring& text) {
  return TimePrefix(time) + nick + L": " + text;
}

std::wstring JoinLine(const std::wstring& nick, JoinForm form, bool withTime, ClockTime time) {
  std::wstring line = withTime ? TimePrefix(time) : L"";
  line += form == JoinForm::English ? L"Join: " : L"Rejoint la salle : ";
  return line + nick;
}

std::wstring LeaveLine(const std::wstring& nick, ClockTime time) {
  return TimePrefix(time) + L"Quitte la salle : " + nick;
}

std::wstring ClassDeliveryLine(const std::wstring& target, ClockTime time) {
  const wchar_t* colours = target == L"FOPW"  ? L"bleus, verts et rouges"
                           : target == L"OPW" ? L"verts et rouges"
                                              : L"rouges";
  return TimePrefix(time) + L"Message remis aux utilisateurs " + colours;
}

}  // namespace roomsim
