// The join watcher: every 100 ms the chat's last complete line is looked at; a join line
// plays the entry sound once and gets the greeting, phrase 1 with "$N" replaced.
#pragma once

#include <optional>
#include <string>

#include "core/WindowContext.h"
#include "room/LastLineReader.h"

namespace vl {

class MicroControl;
class Reglages;

class JoinWatcher {
 public:
  JoinWatcher(const WindowContext& ctx, Reglages& panel, MicroControl& micro);

  void Boucle_Tick();
  void JoueSonEntree();

 private:
  WindowContext ctx_;
  MicroControl& micro_;
  LastLineReader reader_;
  bool EntreeAnnoncee_ = false;  // the join line that ends the chat has had its sound
  // The join line that ends the chat and has been greeted: greeted once, not on every tick
  // while it stays last, whatever the client's delay in showing the greeting.
  std::optional<std::wstring> greetedLine_;
};

}  // namespace vl
