#include "room/BotLines.h"

#include "room/TextOps.h"

namespace vl {

std::wstring IdentLine(const std::wstring& bot, const std::wstring& challenge) {
  return L"/msg " + bot + L" " + L"Verdelune" + challenge;
}

std::wstring BotCommandLine(const std::wstring& bot, const std::wstring& target,
                            const std::wstring& verb) {
  return L"/msg " + bot + L" " + target + L", " + verb;
}

std::wstring ReasonLine(const std::wstring& bot, const std::wstring& target,
                        const std::wstring& verb, const std::wstring& reason,
                        const std::wstring& signature) {
  return BotCommandLine(bot, target, verb) + L" " + reason + signature;
}

std::wstring BareReasonLine(const std::wstring& bot, const std::wstring& target,
                            const std::wstring& verb, const std::wstring& signature) {
  return BotCommandLine(bot, target, verb) + signature;
}

std::wstring Signature(bool sign, const std::wstring& me) {
  return sign ? L" (par " + me + L" )" : std::wstring();
}

std::wstring LevelMessageLine(const std::wstring& bot, BotLevelGroup group,
                              const std::wstring& text, const std::wstring& me) {
  const bool both = group == BotLevelGroup::Niv12;
  return L"/msg " + bot + (both ? L" !MSGNIV12 " : L" !MSGNIV1 ") +
         (both ? L"Message aux NIV 1 et 2 : " : L"Message aux NIV 1 : ") + text + L" (de " + me +
         L")";
}

std::wstring CategoryMessageLine(UserCategory category, const std::wstring& text,
                                 const std::wstring& me) {
  std::wstring head;
  switch (category) {
    case UserCategory::BleusEtPlus:
      head = L"/msg 'FOPW' Message aux bleus et plus : ";
      break;
    case UserCategory::VertsEtRouges:
      head = L"/msg 'OPW' Message aux verts et rouges : ";
      break;
    case UserCategory::Rouges:
      head = L"/msg 'OWNER' Message aux rouges : ";
      break;
  }
  return head + text + L" (de " + me + L")";
}

std::wstring WarningLine(const std::wstring& user, const std::wstring& text) {
  return user + L", " + text;
}

std::wstring ReplaceNickPlaceholder(const std::wstring& phrase, const std::wstring& nick) {
  return ReplaceAll(phrase, kNickPlaceholder, nick);
}

}  // namespace vl
