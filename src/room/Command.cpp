#include "room/Command.h"

#include <iterator>

#include "room/BotLines.h"

namespace vl {
namespace {

struct ActionWords {
  const std::wstring* verb;  // the room bot's verb; nullptr for the plain lines and messages
  const wchar_t* name;
};

// In the order of Action.
const ActionWords kWords[] = {
    {&verb::kMatequi, L"regarde qui"},
    {&verb::kMateparqui, L"regardé par qui"},
    {&verb::kNoir, L"couleur noire"},
    {&verb::kBleu, L"couleur bleue"},
    {&verb::kSwmic, L"coupe/remet micro"},
    {&verb::kBlocmic, L"micro coupé (permanent)"},
    {&verb::kDepuni, L"dépunition"},
    {&verb::kBan1, L"ban 1 mois"},
    {&verb::kBan2, L"ban définitif"},
    {&verb::kKick, L"kick"},
    {&verb::kPuni, L"punition"},
    {nullptr, L"avertissement"},
    {nullptr, L"annonce"},
    {nullptr, L"message aux NIV 1"},
    {nullptr, L"message aux NIV 1 et 2"},
    {nullptr, L"message aux bleus et plus"},
    {nullptr, L"message aux verts et rouges"},
    {nullptr, L"message aux rouges"},
};
static_assert(std::size(kWords) == static_cast<std::size_t>(Action::MessageRouges) + 1);

const ActionWords& WordsOf(Action action) {
  return kWords[static_cast<std::size_t>(action)];
}

}  // namespace

std::wstring CommandLine(const Command& c, const Speaker& s) {
  const std::wstring text = c.reason.value_or(L"");
  switch (c.action) {
    case Action::Kick:
    case Action::Punish: {
      const std::wstring& verb = *WordsOf(c.action).verb;
      const std::wstring sign = Signature(s.signKicks, s.me);
      return c.reason ? ReasonLine(s.bot, c.target, verb, text, sign)
                      : BareReasonLine(s.bot, c.target, verb, sign);
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
      return BotCommandLine(s.bot, c.target, *WordsOf(c.action).verb);
  }
}

const wchar_t* ActionName(Action action) {
  return WordsOf(action).name;
}

}  // namespace vl
