// The room bot's nickname as the moderator gives it, from the main window or the panel.
#pragma once

#include <string>

#include "core/WindowContext.h"

namespace vl {

// Takes `nick` as the room bot's nickname and stores it. Without a room bot the program is
// of no use: an empty nickname shows the farewell and ends the program.
void AdoptBotNick(const WindowContext& ctx, const std::wstring& nick);

}  // namespace vl
