// Processes: this process in the snapshot with its executable name padded to 260, the owner
// of a window of its own, the debug privilege and the termination of a child process.
#include <gtest/gtest.h>

#include "platform/win32/TextConvert.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Processes.h"
#include "win32/WinTestSupport.h"

namespace {

class ProcessesTest : public ::testing::Test {
 protected:
  vl::win32::Win32Processes processes;
};

TEST_F(ProcessesTest, TheSnapshotHoldsThisProcessWithItsPaddedName) {
  const std::vector<vl::ProcessEntry> entries = processes.Snapshot();
  ASSERT_FALSE(entries.empty());
  const std::wstring exe = vltest::ExecutablePath();
  const std::string name = vl::win32::ToAnsi(exe.substr(exe.find_last_of(L'\\') + 1));
  int found = 0;
  for (const auto& e : entries) {
    EXPECT_EQ(e.exeFile.size(), 260u);
    if (e.id != GetCurrentProcessId()) continue;
    ++found;
    EXPECT_EQ(e.exeFile.compare(0, name.size(), name), 0);
    EXPECT_EQ(e.exeFile.find_first_not_of('\0', name.size()), std::string::npos)
        << "NUL after the name, to the end of the field";
  }
  EXPECT_EQ(found, 1);
}

TEST_F(ProcessesTest, TheFieldIsCutLikeTheAnsiRecord) {
  const std::wstring longName(300, L'a');
  const std::string field = vl::win32::AnsiExeField(longName.c_str());
  EXPECT_EQ(field.size(), 260u);
  EXPECT_EQ(field.substr(0, 259), std::string(259, 'a'));
  EXPECT_EQ(field[259], '\0');
}

TEST_F(ProcessesTest, OwnerOfAWindow) {
  HWND own = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(processes.OwnerProcess(reinterpret_cast<vl::WindowHandle>(own)), GetCurrentProcessId());
  DestroyWindow(own);
  EXPECT_EQ(processes.OwnerProcess(reinterpret_cast<vl::WindowHandle>(own)), 0u);
  EXPECT_EQ(processes.OwnerProcess(0), 0u);
}

TEST_F(ProcessesTest, TerminatesAnotherProcessWithExitCodeZero) {
  std::wstring exe = vltest::ExecutablePath();
  std::wstring command = L"\"" + exe + L"\" --gtest_list_tests";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                             nullptr, nullptr, &startup, &child));
  EXPECT_TRUE(processes.EnableDebugPrivilege());
  EXPECT_TRUE(processes.Terminate(child.dwProcessId));
  EXPECT_EQ(WaitForSingleObject(child.hProcess, 5000), WAIT_OBJECT_0);
  DWORD code = 99;
  GetExitCodeProcess(child.hProcess, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  EXPECT_FALSE(processes.Terminate(0));
}

TEST(EndProgram, EndsTheProcessAtOnceWithCodeZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        vl::win32::Win32Platform platform;
        platform.EndProgram();
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
