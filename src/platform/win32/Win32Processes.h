// Processes through the tool-help snapshot, the process token and OpenProcess.
#pragma once

#include "platform/Processes.h"

namespace vl::win32 {

class Win32Processes final : public Processes {
 public:
  std::uint32_t OwnerProcess(WindowHandle window) override;
  std::vector<ProcessEntry> Snapshot() override;
  bool EnableDebugPrivilege() override;
  bool Terminate(std::uint32_t processId) override;
};

// The snapshot's executable-file field as the ANSI record holds it: the name in the ANSI
// code page, padded with NUL characters to 260 (one NUL at least, as MAX_PATH allows).
std::string AnsiExeField(const wchar_t* name);

}  // namespace vl::win32
