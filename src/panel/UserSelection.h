// The target user: the panel's Label2. It follows the nickname the moderator places in the
// room's input box (a nickname followed by ", "), or is typed by hand after a double click
// on the label; a single click empties it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/WindowContext.h"
#include "panel/PanelControls.h"
#include "room/ChatReader.h"  // CapturedNick, kInputMarker

namespace vl {

class Reglages;

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
  // The capture's marker is still in the box: written there and seen at one of its ends on
  // every tick since. A send or the moderator empties the box, and a "." that opens a later
  // pick is then the nickname's own.
  bool markerLeft_ = false;
};

}  // namespace vl
