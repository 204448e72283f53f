// GetWindowThreadProcessId; CreateToolhelp32Snapshot with Process32FirstW/NextW (the wide
// record, converted to the ANSI field); the debug privilege; TerminateProcess.
#include "platform/win32/Win32Processes.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <tlhelp32.h>

#include "platform/win32/TextConvert.h"

namespace vl::win32 {

namespace {

// Closes a kernel handle with its owner.
class KernelHandle {
 public:
  explicit KernelHandle(HANDLE handle) : handle_(handle) {}
  ~KernelHandle() {
    if (valid()) CloseHandle(handle_);
  }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

}  // namespace

std::string AnsiExeField(const wchar_t* name) {
  std::string field = ToAnsi(name);
  field.resize(MAX_PATH - 1);  // a longer name is cut, as the ANSI record cuts it
  field.resize(MAX_PATH, '\0');
  return field;
}

std::uint32_t Win32Processes::OwnerProcess(WindowHandle window) {
  if (window == 0) return 0;
  DWORD process = 0;
  if (GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &process) == 0) return 0;
  return process;
}

std::vector<ProcessEntry> Win32Processes::Snapshot() {
  std::vector<ProcessEntry> entries;
  KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.valid()) return entries;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    entries.push_back({entry.th32ProcessID, AnsiExeField(entry.szExeFile)});
    entry.dwSize = sizeof entry;
  }
  return entries;
}

bool Win32Processes::EnableDebugPrivilege() {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) {
    return false;
  }
  KernelHandle token(raw);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueW(nullptr, L"SeDebugPrivilege", &privileges.Privileges[0].Luid)) {
    return false;
  }
  SetLastError(ERROR_SUCCESS);
  if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr)) return false;
  // Success with ERROR_NOT_ALL_ASSIGNED means the account does not hold the privilege.
  return GetLastError() == ERROR_SUCCESS;
}

bool Win32Processes::Terminate(std::uint32_t processId) {
  if (processId == 0) return false;
  KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, processId));
  if (!process.valid()) return false;
  return TerminateProcess(process.get(), 0) != FALSE;
}

}  // namespace vl::win32
