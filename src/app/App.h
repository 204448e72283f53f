// The application object: the program-wide records and the windows, created once and handed
// to every window. Nothing of the program lives in a global variable.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/GestionInstance.h"
#include "platform/Platform.h"
#include "room/RoomWindowSet.h"
#include "room/SharedState.h"

namespace vl {

class Principale;
class ConnexMan;

class App {
 public:
  explicit App(Platform& platform);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Loads and shows the main window: the program's start.
  void Start();

  Platform& platform;
  SharedState shared;
  RoomWindowSet room;
  ChatBuffer chat;
  GestionInstance instances;

  // The settings file, its path built afresh at each call.
  std::wstring SettingsPath();
  std::wstring ExecutableFolder();
  // Reads or writes a key of section "Parametres".
  std::wstring ReadParameter(const std::wstring& key);
  void WriteParameter(const std::wstring& key, const std::wstring& value);

  Principale& MainWindow();
  // The manual attach window, created at its first use.
  ConnexMan& AttachWindow();

 private:
  std::unique_ptr<Principale> principale_;
  std::unique_ptr<ConnexMan> connexMan_;
};

}  // namespace vl
