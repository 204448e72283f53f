// The program-wide records: plain data that every window receives, created once by the
// application. Nothing here knows a window.
#pragma once

#include "core/PanelState.h"
#include "core/SharedState.h"
#include "room/LastLineReader.h"
#include "room/RoomWindowSet.h"
#include "room/SentLines.h"

namespace vl {

struct Records {
  SharedState shared;
  RoomWindowSet room;  // filled by the manual attach
  PanelState panel;
  Phrases phrases;
  ChatReadMode chatReads;          // whole reads only, once a range read disagreed with one
  SentLines sentLines;             // what the program said lately, so that its echoes are known
  bool clientRefusalTold = false;  // the moderator knows the client refuses our messages
};

}  // namespace vl
