// The target user: the panel's Label2. It follows the nickname the moderator places in the
// room's input box (a nickname followed by ", "), or is typed by hand after a double click
// on the label; a single click empties it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/WindowContext.h"
#include "panel/PanelControls.h"
#include "room/ChatReader.h"  // CapturedNick

namespace vl {

class Reglages;

inline const std::wstring kInputMarker = L".";
inline constexpr int kManualEntryShown = 960;
inline constexpr int kManualEntryHidden = 6720;

class UserSelection {
 public:
  UserSelection(const WindowContext& ctx, Reglages& panel, const PanelControls& c);

  void BoucleLectPseudo_Tick();

 private:
  void Label2_Click();
  void Label2_DblClick();
  void PseudoManu_KeyDown(int keyCode);

  WindowContext ctx_;
  Reglages& panel_;
  Control& Label2_;
  Control& PseudoManu_;
  std::wstring input_;  // the input box as last read, its storage reused between ticks
};

}  // namespace vl
