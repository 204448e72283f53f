// The simulated room bot's parsing of lines and its answers.
#include "RoomBot.h"

#include <algorithm>

#include "Text.h"

namespace roomsim {
namespace {

constexpr int kDefaultLevel = 1;

bool Contains(const std::vector<std::wstring>& users, const std::wstring& nick) {
  return std::find(users.begin(), users.end(), nick) != users.end();
}

std::wstring JoinOthers(const std::vector<std::wstring>& users, const std::wstring& except) {
  std::wstring out;
  for (const auto& u : users) {
    if (u == except) continue;
    if (!out.empty()) out += L", ";
    out += u;
  }
  return out.empty() ? L"personne" : out;
}

// Splits "user, verb reason" at the ", " after the user. A nickname of the room that itself
// holds ", " is recognised whole (the longest one that fits wins); otherwise the first ", ".
bool SplitTarget(const std::wstring& body, const std::vector<std::wstring>& users,
                 std::wstring& user, std::wstring& rest) {
  std::size_t best = 0;
  for (const auto& u : users) {
    if (u.size() > best && StartsWith(body, u + L", ")) best = u.size();
  }
  std::size_t cut = best > 0 ? best : body.find(L", ");
  if (cut == std::wstring::npos || cut == 0) return false;
  user = body.substr(0, cut);
  rest = body.substr(cut + 2);
  return true;
}

std::wstring WithReason(const std::wstring& what, const std::wstring& reason) {
  return reason.empty() ? what : what + L" : " + reason;
}

bool KnownVerb(const std::wstring& verb) {
  static const std::set<std::wstring> kVerbs = {L"matequi", L"mateparqui", L"noir",   L"bleu",
                                                L"swmic",   L"blocmic",    L"depuni", L"ban1",
                                                L"ban2",    L"kick",       L"puni"};
  return kVerbs.count(verb) > 0;
}

bool TakesReason(const std::wstring& verb) {
  return verb == L"kick" || verb == L"puni";
}

BotReply LevelMessage(const std::wstring& body) {
  // "!MSGNIV12" must be tried first: "!MSGNIV1" is its prefix.
  for (const auto& [word, who] :
       {std::pair{L"!MSGNIV12", L"NIV 1 et 2"}, std::pair{L"!MSGNIV1", L"NIV 1"}}) {
    const std::wstring w = word;
    if (body == w || StartsWith(body, w + L" ")) {
      const std::wstring text = body.size() > w.size() ? body.substr(w.size() + 1) : L"";
      return {L"message transmis aux " + std::wstring(who) + L" : " + text,
              L"level-message " + w.substr(1) + L" " + text, L""};
    }
  }
  return {};
}

}  // namespace

RoomBot::RoomBot(std::wstring nick, AnswerFunction answer)
    : nick_(std::move(nick)), answer_(std::move(answer)) {}

int RoomBot::LevelOf(const std::wstring& nick) const {
  const auto it = levels_.find(nick);
  return it == levels_.end() ? kDefaultLevel : it->second;
}

bool RoomBot::IsAddressed(const std::wstring& text) const {
  const std::wstring prefix = L"/msg " + nick_ + L" ";
  return StartsWith(text, prefix) && text.size() > prefix.size();
}

BotReply RoomBot::Handle(const std::wstring& sender, const std::wstring& text,
                         const std::vector<std::wstring>& users) {
  const std::wstring body = text.substr(nick_.size() + 6);
  if (silent_) return {L"", L"silent, ignored: " + body, L""};
  const std::wstring challenge = IdentificationChallenge(body);
  if (!challenge.empty()) return Identify(sender, challenge);
  BotReply level = LevelMessage(body);
  if (!level.text.empty()) return level;
  return Command(sender, body, users);
}

BotReply RoomBot::Identify(const std::wstring& sender, const std::wstring& challenge) const {
  const int level = LevelOf(sender);
  std::wstring answer = answer_(challenge, level);
  std::wstring how = L"answer";
  if (wrong_) {
    answer = SpoilAnswer(answer);
    how = L"wrong-answer";
  }
  if (garbage_) {
    answer = L"%\x01#\xa4 " + answer;
    how = L"garbage-answer";
  }
  return {L"Verdelune identifié " + answer,
          how + L" " + sender + L" challenge=" + challenge + L" level=" + std::to_wstring(level) +
              L" " + answer,
          L"", twice_};
}

BotReply RoomBot::Command(const std::wstring& sender, const std::wstring& body,
                          const std::vector<std::wstring>& users) {
  std::wstring user, rest;
  if (!SplitTarget(body, users, user, rest)) {
    return {L"commande inconnue : " + body, L"unknown " + body, L""};
  }
  auto [verb, reason] = SplitFirstWord(rest);
  const bool hasArgument = rest.size() > verb.size();
  if (!KnownVerb(verb) || (hasArgument && !TakesReason(verb))) {
    return {L"commande inconnue : " + body, L"unknown " + body, L""};
  }
  const int level = LevelOf(sender);
  if (level >= 3) {
    return {L"accès refusé pour " + sender, L"refused " + sender + L" " + verb, L""};
  }
  if (level == 2 && (verb == L"ban1" || verb == L"ban2")) {
    return {L"droits insuffisants pour " + verb, L"refused " + sender + L" " + verb, L""};
  }
  if (!Contains(users, user)) {
    return {user + L" n'est pas dans la salle", L"absent " + user + L" " + verb, L""};
  }
  return Execute(user, verb, reason, users);
}

BotReply RoomBot::Execute(const std::wstring& user, const std::wstring& verb,
                          const std::wstring& reason, const std::vector<std::wstring>& users) {
  BotReply r;
  r.log = L"command " + verb + L" " + user + (reason.empty() ? L"" : L" reason=" + reason);
  if (verb == L"kick") {
    r.text = WithReason(user + L" a été expulsé(e)", reason);
    r.removedUser = user;
  } else if (verb == L"puni") {
    r.text = WithReason(user + L" a été puni(e)", reason);
  } else if (verb == L"depuni") {
    r.text = user + L" n'est plus puni(e)";
  } else if (verb == L"noir" || verb == L"bleu") {
    r.text = user + L" est mis(e) en " + verb;
  } else if (verb == L"swmic") {
    const bool cut = micCut_.insert(user).second;
    if (!cut) micCut_.erase(user);
    r.text = L"micro de " + user + (cut ? L" coupé" : L" remis");
  } else if (verb == L"blocmic") {
    r.text = L"micro de " + user + L" coupé définitivement";
  } else if (verb == L"ban1" || verb == L"ban2") {
    r.text = user + L" a été banni(e) " + (verb == L"ban1" ? L"pour 1 mois" : L"définitivement");
    r.removedUser = user;
  } else if (verb == L"matequi") {
    r.text = user + L" regarde : " + JoinOthers(users, user);
  } else {
    r.text = user + L" est regardé(e) par : " + JoinOthers(users, user);
  }
  return r;
}

std::wstring ClassMessageTarget(const std::wstring& text) {
  for (const wchar_t* target : {L"FOPW", L"OPW", L"OWNER"}) {
    if (StartsWith(text, L"/msg '" + std::wstring(target) + L"' ")) return target;
  }
  return L"";
}

std::wstring IdentificationChallenge(const std::wstring& body) {
  const std::wstring word = L"Verdelune";
  if (body.size() != word.size() + 5 || !StartsWith(body, word)) return L"";
  const std::wstring digits = body.substr(word.size());
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return L"";
  }
  return digits;
}

std::wstring SpoilAnswer(const std::wstring& answer) {
  std::wstring out = answer;
  const auto p = out.find(L'%');
  if (p == std::wstring::npos) return out;
  static const std::wstring kHex = L"0123456789ABCDEF";
  for (std::size_t i = p + 1; i < out.size() && i <= p + 4; ++i) {
    const auto k = kHex.find(out[i]);
    // Any character becomes another one: the next hex digit, or '0' for a non-digit.
    out[i] = k == std::wstring::npos ? L'0' : kHex[(k + 1) % kHex.size()];
  }
  return out;
}

}  // namespace roomsim
