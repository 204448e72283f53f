// The windows of the simulated chat client: the top window (class "RoomSimTabWindowClass",
// title "site - room"), an intermediate frame, and the room window with its strip, its chat,
// input box, buttons and user list. Implements RoomHost over them and forwards the controls'
// notifications, the control channel and the 50 ms tick to the Room.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ButtonHook.h"
#include "FaultHooks.h"
#include "roomsim/ControlChannel.h"
#include "roomsim/EventLog.h"
#include "roomsim/Room.h"

namespace roomsim::win32 {

class SimWindows : public RoomHost {
 public:
  explicit SimWindows(const Options& options);
  ~SimWindows() override;

  // Opens the log and the control file, creates the windows, logs "ready".
  bool Create();
  Room& TheRoom() { return *room_; }
  void Log(const std::string& kind, const std::wstring& details) override;

  // RoomHost
  void AppendChat(const std::wstring& line) override;
  std::wstring InputText() override;
  void SetInputText(const std::wstring& text) override;
  void AddUser(const std::wstring& nick) override;
  void RemoveUser(const std::wstring& nick) override;
  void ShowMicButtons(MicButtons buttons) override;
  void CloseRoomWindow() override;
  void Hang(int ms) override;
  void ReplaceControls(const std::wstring& which) override;
  void TrimChat(int lines) override;
  void AddHistory(int lines) override;
  void AppendChatText(const std::wstring& text) override;
  void AmendLastChatLine(const std::wstring& text) override;
  void Quit() override;
  ClockTime Now() override;
  std::int64_t ElapsedMs() override;

 private:
  static LRESULT CALLBACK TopProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK FrameProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK RoomProc(HWND, UINT, WPARAM, LPARAM);
  bool RegisterClasses();
  void CreateRoomChildren();
  HWND CreateButton(int index);
  void LayOut();
  void LogReady();
  void OnTimer();
  void OnRoomCommand(int id, int code);
  void PaintStrip();
  HWND Button(int index) const;

  Options options_;
  EventLog log_;
  ControlChannel control_;
  std::unique_ptr<Room> room_;
  ButtonListener buttonListener_;
  FaultHooks faultHooks_;
  std::uint64_t startTick_ = 0;
  HWND top_ = nullptr;
  HWND frame_ = nullptr;
  HWND roomWindow_ = nullptr;
  HWND chat_ = nullptr;
  HWND input_ = nullptr;
  HWND list_ = nullptr;
  std::vector<HWND> buttons_;
};

// Geometry at 96 dpi on a 1280x1024 screen: right of Verdelune's centred windows.
inline constexpr int kTopLeft = 700;
inline constexpr int kTopTop = 40;
inline constexpr int kTopWidth = 560;
inline constexpr int kTopHeight = 620;
inline constexpr int kStripHeight = 40;

}  // namespace roomsim::win32
