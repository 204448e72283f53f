// Reading the room's chat and recognising its lines, and the nickname picked in its input box.
// ReadChatText copies the whole chat out of the chat control (the handshake, which looks for
// its oldest echo, and the reference of LastLineReader); the last complete line is found by
// scanning back from the end, so a long chat costs one copy and no split.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ForeignWindows.h"

namespace vl {

// The last line that a CR LF closes: the element before the remainder when the text is split
// at every CR LF. None when the text holds no CR LF.
std::optional<std::wstring_view> LastChatLine(std::wstring_view chatText);

// Reads the whole text of `chatWindow` into `chatText` and gives its last complete line, a
// view into it. The string's storage is reused, so that a reader ticking every 100 ms does
// not allocate anew for a chat that has not grown. A window that has gone reads as "".
std::optional<std::wstring_view> ReadChatText(ForeignWindows& windows, WindowHandle chatWindow,
                                              std::wstring& chatText);

// The first line closed by a CR LF that contains `what`; the remainder after the last CR LF
// is not looked at.
std::optional<std::wstring_view> FirstLineContaining(std::wstring_view chatText,
                                                     std::wstring_view what);

// The sender of a message line: the part in parentheses and the character after it removed,
// then what stands before the first ":", blanks trimmed. None for a line without ":" or
// whose first ")" stands before its first "(".
std::optional<std::wstring> MessageLineNick(std::wstring_view line);

inline const std::wstring kJoinMarkerEnglish = L"Join: ";
inline const std::wstring kJoinMarkerFrench = L"Rejoint la salle :";
bool IsJoinLine(std::wstring_view line);
// The nickname of a join line: what follows the first occurrence of its marker, blanks
// trimmed (the English marker decides when both occur); "" for a line that is not a join
// line. What stands before the marker, a time for instance, is not part of it.
std::wstring JoinLineNick(std::wstring_view line);

// What the capture leaves in the room's input box, so that the client sees the box change.
inline const std::wstring kInputMarker = L".";
// The nickname the moderator placed in the room's input box, or none when the text is no
// pick: it must end with ", " or ", .", and the text before its first comma must hold no
// blank. Every ", " is removed from it, and the marker where the pick landed beside it: the
// "." after the last ", ", or, when `markerLeft` (the box still held the marker), a "." that
// opens the text. Every other "." belongs to the nickname ("Ali.ce" is not "Alice").
std::optional<std::wstring> CapturedNick(std::wstring_view inputText, bool markerLeft);

}  // namespace vl
