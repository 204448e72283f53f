// Every line the program sends into the room, built in one place: the identification line,
// the room bot's command lines with their reasons and signature, the level messages, the
// messages to user categories, warnings and greetings.
#pragma once

#include <string>

namespace vl {

// The room bot's verbs, as the command buttons send them.
namespace verb {
inline const std::wstring kMatequi = L"matequi";
inline const std::wstring kMateparqui = L"mateparqui";
inline const std::wstring kNoir = L"noir";
inline const std::wstring kBleu = L"bleu";
inline const std::wstring kSwmic = L"swmic";
inline const std::wstring kBlocmic = L"blocmic";
inline const std::wstring kDepuni = L"depuni";
inline const std::wstring kBan1 = L"ban1";
inline const std::wstring kBan2 = L"ban2";
inline const std::wstring kKick = L"kick";
inline const std::wstring kPuni = L"puni";
}  // namespace verb

// "/msg " + bot + " Verdelune" + challenge.
std::wstring IdentLine(const std::wstring& bot, const std::wstring& challenge);

// "/msg " + bot + " " + target + ", " + verb.
std::wstring BotCommandLine(const std::wstring& bot, const std::wstring& target,
                            const std::wstring& verb);
// The command line, a blank, the reason, then the signature: a kick or punish with a reason
// (a typed reason may be empty, which leaves the blank after the verb).
std::wstring ReasonLine(const std::wstring& bot, const std::wstring& target,
                        const std::wstring& verb, const std::wstring& reason,
                        const std::wstring& signature);
// The command line directly followed by the signature: a kick or punish whose stored reason
// is empty.
std::wstring BareReasonLine(const std::wstring& bot, const std::wstring& target,
                            const std::wstring& verb, const std::wstring& signature);

// " (par " + me + " )" when signing, else "".
std::wstring Signature(bool sign, const std::wstring& me);

enum class BotLevelGroup { Niv1, Niv12 };
// "/msg " + bot + " !MSGNIV1 Message aux NIV 1 : " + text + " (de " + me + ")", or the levels
// 1 and 2 form with "!MSGNIV12".
std::wstring LevelMessageLine(const std::wstring& bot, BotLevelGroup group,
                              const std::wstring& text, const std::wstring& me);

enum class UserCategory { BleusEtPlus, VertsEtRouges, Rouges };
// "/msg 'FOPW' Message aux bleus et plus : " + text + " (de " + me + ")" and its kin.
std::wstring CategoryMessageLine(UserCategory category, const std::wstring& text,
                                 const std::wstring& me);

// user + ", " + text.
std::wstring WarningLine(const std::wstring& user, const std::wstring& text);
// Every "$N" of the phrase (exact case) replaced by the nickname.
std::wstring ReplaceNickPlaceholder(const std::wstring& phrase, const std::wstring& nick);
inline const std::wstring kNickPlaceholder = L"$N";

}  // namespace vl
