// roomsim.exe: a stand-in for a chat client's room window with a room bot inside, for trying
// Verdelune without a live room, by hand or driven by a test (see docs/roomsim.md).
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "SimWindows.h"
#include "roomsim/Options.h"

namespace {

std::vector<std::wstring> Arguments() {
  int argc = 0;
  // CommandLineToArgvW keeps accents and commas of the names intact.
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::wstring> args;
  for (int i = 1; i < argc; ++i)
    args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const roomsim::ParsedOptions parsed = roomsim::ParseOptions(Arguments());
  if (parsed.options.help || !parsed.error.empty()) {
    const std::wstring text =
        parsed.error.empty() ? roomsim::UsageText() : parsed.error + L"\n\n" + roomsim::UsageText();
    MessageBoxW(nullptr, text.c_str(), L"roomsim", parsed.error.empty() ? MB_OK : MB_ICONERROR);
    return parsed.error.empty() ? 0 : 2;
  }
  roomsim::win32::SimWindows sim(parsed.options);
  if (!sim.Create()) {
    MessageBoxW(nullptr, L"Cannot create the room's windows or open the log.", L"roomsim",
                MB_ICONERROR);
    return 1;
  }
  const int status = RunMessageLoop();
  sim.Log("exit", L"");
  return status;
}
