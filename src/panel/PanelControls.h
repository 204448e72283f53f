// The control panel's controls that its handlers touch, bound once by the layout code, so
// that no handler looks a control up by its name.
#pragma once

#include "platform/ui/Control.h"

namespace vl {

struct PanelControls {
  Control& Label8;       // the site's name
  Control& Label7;       // the room bot's nickname
  Control& Label2;       // the target user
  Control& PseudoManu;   // the target typed by hand
  Control& frameerreur;  // the missing-nickname signal
  Control& Label6;       // the pause notice
  // What the layout of the rights level 2 hides or moves.
  Control& Label3;
  Control& Frame2;
  Control& Shape2;
  Control& Frame3;
  Control& Shape3;
  // The command buttons.
  Control& ReyCommand1;
  Control& ReyCommand2;
  Control& ReyCommand3;
  Control& ReyCommand4;
  Control& ReyCommand5;
  Control& ReyCommand6;
  Control& ReyCommand7;
  Control& ReyCommand8;
  Control& ReyCommand9;
  Control& ReyCommand10;
  Control& ReyCommand11;
  Control& ReyCommand12;
  Control& ReyCommand13;
  Control& ReyCommand14;
  Control& ReyCommand15;
  Control& ReyCommand16;
  Control& ReyCommand17;  // the microphone request
};

}  // namespace vl
