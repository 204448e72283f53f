// Processes of the system, for the single-instance guard.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace vl {

struct ProcessEntry {
  std::uint32_t id = 0;
  // The executable-file field exactly as the snapshot gives it: 260 characters, padded with
  // NUL characters after the name.
  std::string exeFile;
};

class Processes {
 public:
  virtual ~Processes() = default;

  // Id of the process that owns the window; 0 when the window is not valid.
  virtual std::uint32_t OwnerProcess(WindowHandle window) = 0;
  // The running processes, in the snapshot's order; empty when the snapshot fails.
  virtual std::vector<ProcessEntry> Snapshot() = 0;
  // Enables the debug privilege for this process; false when it could not be enabled.
  virtual bool EnableDebugPrivilege() = 0;
  // Terminates the process with exit code 0; false when it could not be opened or ended.
  virtual bool Terminate(std::uint32_t processId) = 0;
};

}  // namespace vl
