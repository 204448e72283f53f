// Finding the room's controls among the direct children of the picked window, and the site's
// name among its ancestors.
#pragma once

#include <string>

#include "platform/ForeignWindows.h"
#include "room/RoomWindowSet.h"

namespace vl {

inline const std::wstring kClassChat = L"RichEdit20W";
inline const std::wstring kClassInputBox = L"Edit";
inline const std::wstring kClassButton = L"Button";
inline const std::wstring kClassTabWindow = L"TabWindowClass";

// What a search for the eighth or ninth button does once a search found nothing. The attach
// starts again from the first child, as it always did (five buttons give the second and the
// third). The watchdog's re-take stops: a microphone button that went leaves its handle 0,
// never the send button or another, which the microphone control would click.
enum class MissingButtons { SearchFromFirstAgain, LeaveEmpty };

// Fills RoomWindow with `picked` and the five control handles found under it (0 when not
// found). The eighth and ninth buttons come from successive searches, each after the result
// of the one before; a search that finds nothing gives 0, and the next as `missing` says.
void FindRoomChildren(ForeignWindows& windows, WindowHandle picked, RoomWindowSet& room,
                      MissingButtons missing = MissingButtons::SearchFromFirstAgain);

// True when every control handle held (those not 0) is still a child of the room window: a
// client may destroy a control and make a new one in the same room.
bool ControlsStillInRoom(ForeignWindows& windows, const RoomWindowSet& room);

// True when the pick is an attach: the room, its chat, its input box and its send button.
bool IsAttach(const RoomWindowSet& room);

// The site's name: the title, up to its first " - ", of the first ancestor from the picked
// window's grandparent up whose class name contains "TabWindowClass". Leaves in `window` the
// window it stopped on (0 when none was found, and then the name is "").
std::wstring ChercheNomSite(ForeignWindows& windows, WindowHandle& window);

}  // namespace vl
