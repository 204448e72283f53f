// The journal's file through CreateFileW and WriteFile, and ShellExecuteW to open it.
#pragma once

#include "platform/Files.h"

namespace vl::win32 {

class Win32Files final : public Files {
 public:
  bool Append(const std::wstring& path, std::string_view bytes) override;
  std::optional<std::string> Read(const std::wstring& path, std::uint64_t offset,
                                  std::size_t maxBytes) override;
  bool OpenWithAssociatedProgram(const std::wstring& path) override;
};

}  // namespace vl::win32
