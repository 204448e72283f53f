// The top window's menu for use by hand.
#include "ManualMenu.h"

namespace roomsim::win32 {
namespace {

enum MenuId {
  kJoin = 1000,
  kMicOther,
  kMicFree,
  kSilent,
  kWrong,
  kTraffic,
  kQuit,
  kLevel0 = 1100,  // kLevel0 + N: the moderator's level N
};

constexpr int kLevels = 4;
constexpr int kManualTrafficRate = 2;

void Check(HWND top, int id, bool on) {
  CheckMenuItem(GetMenu(top), static_cast<UINT>(id), MF_BYCOMMAND | (on ? MF_CHECKED : 0));
}

}  // namespace

HMENU CreateManualMenu() {
  HMENU levels = CreatePopupMenu();
  for (int n = 0; n < kLevels; ++n) {
    AppendMenuW(levels, MF_STRING, static_cast<UINT_PTR>(kLevel0 + n),
                (L"Niveau " + std::to_wstring(n)).c_str());
  }
  HMENU room = CreatePopupMenu();
  AppendMenuW(room, MF_STRING, kJoin, L"Faire entrer un utilisateur");
  AppendMenuW(room, MF_STRING, kMicOther, L"Un autre prend le micro");
  AppendMenuW(room, MF_STRING, kMicFree, L"Libérer le micro");
  AppendMenuW(room, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(room, MF_STRING, kTraffic, L"Trafic");
  AppendMenuW(room, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(room, MF_STRING, kQuit, L"Quitter");
  HMENU bot = CreatePopupMenu();
  AppendMenuW(bot, MF_POPUP, reinterpret_cast<UINT_PTR>(levels), L"Niveau du modérateur");
  AppendMenuW(bot, MF_STRING, kSilent, L"Bot muet");
  AppendMenuW(bot, MF_STRING, kWrong, L"Bot répond faux");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(room), L"Salle");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(bot), L"Bot");
  CheckMenuRadioItem(levels, kLevel0, kLevel0 + kLevels - 1, kLevel0 + 1, MF_BYCOMMAND);
  return bar;
}

void HandleManualMenu(HWND top, int id, Room& room) {
  static int visitors = 0;
  switch (id) {
    case kJoin:
      return room.Join(L"Visiteur" + std::to_wstring(++visitors), JoinForm::French, true);
    case kMicOther:
    case kMicFree:
      return room.SetMicOther(id == kMicOther);
    case kSilent:
      room.Bot().SetSilent(!room.Bot().Silent());
      return Check(top, kSilent, room.Bot().Silent());
    case kWrong:
      room.Bot().SetWrong(!room.Bot().Wrong());
      return Check(top, kWrong, room.Bot().Wrong());
    case kTraffic: {
      const bool on = room.TrafficRate() == 0;
      room.SetTraffic(on ? kManualTrafficRate : 0);
      return Check(top, kTraffic, on);
    }
    case kQuit:
      return room.RequestQuit();
  }
  if (id >= kLevel0 && id < kLevel0 + kLevels) {
    room.Bot().SetLevel(room.OwnNick(), id - kLevel0);
    HMENU bot = GetSubMenu(GetMenu(top), 1);
    CheckMenuRadioItem(GetSubMenu(bot, 0), kLevel0, kLevel0 + kLevels - 1, static_cast<UINT>(id),
                       MF_BYCOMMAND);
  }
}

}  // namespace roomsim::win32
