// The application object: the program-wide records and the windows, created once and handed
// to every window. Nothing of the program lives in a global variable.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/GestionInstance.h"
#include "panel/PanelState.h"
#include "platform/Platform.h"
#include "room/RoomWindowSet.h"
#include "room/SharedState.h"

namespace vl {

class Principale;
class ConnexMan;
class Reglages;
class RaisonsKick;
class Warnings;
class Messages;
class MessagesEdit;
class Envoimsg;

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
  std::wstring ChatText;  // the last text read out of a room control; each read overwrites it
  GestionInstance instances;
  PanelState panel;
  Phrases phrases;
  std::wstring PhraseChoisie;  // the phrase line last pressed in a picker

  // The settings file, its path built afresh at each call.
  std::wstring SettingsPath();
  std::wstring ExecutableFolder();
  // Reads or writes a key of section "Parametres".
  std::wstring ReadParameter(const std::wstring& key);
  void WriteParameter(const std::wstring& key, const std::wstring& value);

  Principale& MainWindow();
  // The manual attach window, created at its first use.
  ConnexMan& AttachWindow();
  // The control panel, created and loaded (not shown) at its first use.
  Reglages& Panel();
  bool PanelExists() const { return reglages_ != nullptr; }

  // The phrase dialogs: each picker is made at its first showing and then only hidden and
  // shown, and made anew after its close box destroyed it; the editor is made at each
  // opening.
  void ShowRaisonsKick();
  void ShowWarnings();
  void ShowMessages();
  void ShowEnvoimsg();
  void OpenPhraseEditor();
  RaisonsKick* RaisonsKickWindow() const { return raisonsKick_.get(); }
  Warnings* WarningsWindow() const { return warnings_.get(); }
  Messages* MessagesWindow() const { return messages_.get(); }
  MessagesEdit* PhraseEditor() const { return messagesEdit_.get(); }
  Envoimsg* EnvoimsgWindow() const { return envoimsg_.get(); }

 private:
  std::unique_ptr<Principale> principale_;
  std::unique_ptr<ConnexMan> connexMan_;
  std::unique_ptr<Reglages> reglages_;
  std::unique_ptr<RaisonsKick> raisonsKick_;
  std::unique_ptr<Warnings> warnings_;
  std::unique_ptr<Messages> messages_;
  std::unique_ptr<MessagesEdit> messagesEdit_;
  std::unique_ptr<Envoimsg> envoimsg_;
};

}  // namespace vl
