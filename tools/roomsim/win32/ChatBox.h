// The chat control of the simulated room: a read-only "RichEdit20W" that lines are appended
// to, each closed by a paragraph end, so that WM_GETTEXT reports the text ending in CR LF.
#pragma once

#include <windows.h>

#include <string>

namespace roomsim::win32 {

// Loads the library that registers "RichEdit20W"; false when none could be loaded.
bool LoadRichEdit();

HWND CreateChatBox(HWND parent, int id);

void AppendChatLine(HWND chat, const std::wstring& line);

std::wstring WindowText(HWND window);

}  // namespace roomsim::win32
