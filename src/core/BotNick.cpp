#include "core/BotNick.h"

#include "core/ProgramTitle.h"
#include "settings/SettingsKeys.h"

namespace vl {

void AdoptBotNick(const WindowContext& ctx, const std::wstring& nick) {
  ctx.records.shared.BotNick = nick;
  if (nick.empty()) {
    ctx.platform.dialogs().ShowMessage(L"Sans roombot je ne sers à rien, adieu !!!", kProgramTitle,
                                       MessageBoxStyle::Ok);
    ctx.platform.EndProgram();
  }
  ctx.settings.Write(key::kBotNick, nick);
}

}  // namespace vl
