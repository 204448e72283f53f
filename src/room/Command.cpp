#include "room/Command.h"

#include "room/BotLines.h"

namespace vl {
namespace {

const std::wstring* VerbOf(Action action) {
  switch (action) {
    case Action::WhoWatches:
      return &verb::kMatequi;
    case Action::WatchedBy:
      return &verb::kMateparqui;
    case Action::Black:
      return &verb::kNoir;
    case Action::Blue:
      return &verb::kBleu;
    case Action::SwitchMic:
      return &verb::kSwmic;
    case Action::BlockMic:
      return &verb::kBlocmic;
    case Action::Unpunish:
      return &verb::kDepuni;
    case Action::BanMonth:
      return &verb::kBan1;
    case Action::BanForever:
      return &verb::kBan2;
    case Action::Kick:
      return &verb::kKick;
    case Action::Punish:
      return &verb::kPuni;
    default:
      return nullptr;
  }
}

}  // namespace

std::wstring CommandLine(const Command& c, const Speaker& s) {
  const std::wstring text = c.reason.value_or(L"");
  switch (c.action) {
    case Action::Kick:
    case Action::Punish: {
      const std::wstring sign = Signature(s.signKicks, s.me);
      return c.reason ? ReasonLine(s.bot, c.target, *VerbOf(c.action), text, sign)
                      : BareReasonLine(s.bot, c.target, *VerbOf(c.action), sign);
    }
    case Action::Warning:
      return WarningLine(c.target, text);
    case Action::Announcement:
      return c.target.empty() ? text : ReplaceNickPlaceholder(text, c.target);
    case Action::MessageNiv1:
      return LevelMessageLine(s.bot, BotLevelGroup::Niv1, text, s.me);
    case Action::MessageNiv12:
      return LevelMessageLine(s.bot, BotLevelGroup::Niv12, text, s.me);
    case Action::MessageBleus:
      return CategoryMessageLine(UserCategory::BleusEtPlus, text, s.me);
    case Action::MessageVerts:
      return CategoryMessageLine(UserCategory::VertsEtRouges, text, s.me);
    case Action::MessageRouges:
      return CategoryMessageLine(UserCategory::Rouges, text, s.me);
    default:
      return BotCommandLine(s.bot, c.target, *VerbOf(c.action));
  }
}

const wchar_t* ActionName(Action action) {
  switch (action) {
    case Action::WhoWatches:
      return L"regarde qui";
    case Action::WatchedBy:
      return L"regardé par qui";
    case Action::Black:
      return L"couleur noire";
    case Action::Blue:
      return L"couleur bleue";
    case Action::SwitchMic:
      return L"coupe/remet micro";
    case Action::BlockMic:
      return L"micro coupé (permanent)";
    case Action::Unpunish:
      return L"dépunition";
    case Action::BanMonth:
      return L"ban 1 mois";
    case Action::BanForever:
      return L"ban définitif";
    case Action::Kick:
      return L"kick";
    case Action::Punish:
      return L"punition";
    case Action::Warning:
      return L"avertissement";
    case Action::Announcement:
      return L"annonce";
    case Action::MessageNiv1:
      return L"message aux NIV 1";
    case Action::MessageNiv12:
      return L"message aux NIV 1 et 2";
    case Action::MessageBleus:
      return L"message aux bleus et plus";
    case Action::MessageVerts:
      return L"message aux verts et rouges";
    case Action::MessageRouges:
      return L"message aux rouges";
  }
  return L"";
}

}  // namespace vl
