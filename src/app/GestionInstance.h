// The single-instance guard: the copy that starts last stays, every other running process
// whose executable name begins with this program's own is terminated, without a word.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Processes.h"

namespace vl {

inline const std::wstring kNoExecutableFound = L"[Pas d'exécutable trouvé]";

class GestionInstance {
 public:
  explicit GestionInstance(Processes& processes) : processes_(processes) {}

  // Ends the older copies; `mainWindow` is this copy's main window.
  void FermeAutresInstances(WindowHandle mainWindow);
  // Executable name of the process owning the window (it becomes the own process), or
  // kNoExecutableFound.
  std::wstring NomExecutable(WindowHandle window);
  // Fills the match list with the processes whose executable name begins with `name`
  // (exact, case-sensitive).
  void ListeProcessus(const std::wstring& name);
  // Terminates the process `processId`, or the owner of `window` when it is not 0 (the id is
  // then filled in). True when it was terminated.
  bool TueProcessus(std::uint32_t& processId, WindowHandle& window);

  std::uint32_t OwnProcessId() const { return ownProcessId_; }
  // The list grows with the matches: a 52nd copy is ended like the others.
  const std::vector<std::uint32_t>& Matches() const { return matches_; }

 private:
  Processes& processes_;
  std::uint32_t ownProcessId_ = 0;
  std::vector<std::uint32_t> matches_;
};

}  // namespace vl
