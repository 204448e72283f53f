// The settings file through the ANSI profile calls (the file stays in the ANSI code page),
// and the file system queries that go with it.
#pragma once

#include "platform/Profile.h"

namespace vl::win32 {

class Win32Profile final : public Profile {
 public:
  std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                          const std::wstring& path, int bufferChars) override;
  bool WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                   const std::wstring& path) override;
  std::optional<std::uint64_t> FileLength(const std::wstring& path) override;
  std::wstring ExecutableFolder() override;
};

// The path as the ANSI calls can open it: converted to the ANSI code page, or, when a
// folder's name has characters the code page lacks, through the folder's short (8.3) name.
std::string AnsiPath(const std::wstring& path);

}  // namespace vl::win32
