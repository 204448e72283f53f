// The control panel's options, shared with the phrase dialogs, and the shared phrase list.
#pragma once

#include <array>
#include <string>

namespace vl {

struct PanelState {
  bool SonEntree = false;    // play the entry sound on joins
  bool SalutAuto = false;    // greet joining users with phrase 1
  bool SignerKicks = false;  // sign kick and punish reasons with the moderator's nickname
  std::wstring FichierSonEntree;
  bool PanneauDessus = false;  // the panel stays topmost
  bool RobotEnPause = false;   // pause mode: the nickname capture is stopped
};

// Slot 0 is never used; 1 to 6 greetings and announcements, 7 to 13 warnings, 14 to 22 kick
// and punish reasons. Stored under their slot numbers in key::kSectionRaisons.
inline constexpr int kPhraseCount = 22;
using Phrases = std::array<std::wstring, kPhraseCount + 1>;

}  // namespace vl
