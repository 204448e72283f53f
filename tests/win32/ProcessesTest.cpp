// The process snapshot: this process is in it, with its executable name in the ANSI code
// page padded with NUL characters to 260, as the ANSI record holds it.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/TextConvert.h"
#include "platform/win32/Win32Processes.h"

namespace {

TEST(Processes, TheSnapshotHoldsThisProcessWithItsPaddedName) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring exe = path;
  const std::string name = vl::win32::ToAnsi(exe.substr(exe.find_last_of(L'\\') + 1));
  int found = 0;
  for (const auto& e : vl::win32::Win32Processes().Snapshot()) {
    EXPECT_EQ(e.exeFile.size(), 260u);
    if (e.id != GetCurrentProcessId()) continue;
    ++found;
    EXPECT_EQ(e.exeFile.compare(0, name.size(), name), 0);
    EXPECT_EQ(e.exeFile.find_first_not_of('\0', name.size()), std::string::npos)
        << "NUL after the name, to the end of the field";
  }
  EXPECT_EQ(found, 1);
  const std::string cut = vl::win32::AnsiExeField(std::wstring(300, L'a').c_str());
  EXPECT_EQ(cut, std::string(259, 'a') + '\0') << "a longer name is cut as the record cuts it";
}

}  // namespace
