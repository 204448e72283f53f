// A moderation command as the moderator asks for it: an action, its target and its reason.
// Every line the program sends on the moderator's behalf about a user or a category is built
// from one, here, so that what is sent and what is journaled can never disagree.
#pragma once

#include <optional>
#include <string>

namespace vl {

enum class Action {
  WhoWatches,  // the room bot's verbs, one per command button
  WatchedBy,
  Black,
  Blue,
  SwitchMic,
  BlockMic,
  Unpunish,
  BanMonth,
  BanForever,
  Kick,
  Punish,
  Warning,       // a plain line to the target user
  Announcement,  // a stored phrase, "$N" replaced by the target when there is one
  MessageNiv1,   // through the room bot, to its levels
  MessageNiv12,
  MessageBleus,  // through the client, to the user categories
  MessageVerts,
  MessageRouges,
};

struct Command {
  Action action = Action::Kick;
  std::wstring target;  // "" for the messages to levels and categories
  // The reason, warning, phrase or message text. For a kick or a punish, nothing means a
  // stored reason that is empty: the verb alone, then the signature.
  std::optional<std::wstring> reason{};
};

// Who speaks: the room bot's nickname, the moderator's own, and whether kicks are signed.
struct Speaker {
  const std::wstring& bot;
  const std::wstring& me;
  bool signKicks = false;
};

inline const std::wstring kDefaultReason = L"non respect des CGU";

// The line the room receives for the command.
std::wstring CommandLine(const Command& command, const Speaker& speaker);
// The action as a moderator names it: "kick", "punition", "ban 1 mois", "avertissement"...
const wchar_t* ActionName(Action action);

}  // namespace vl
