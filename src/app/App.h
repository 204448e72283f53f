// The application: the program-wide records and the windows, created once. It hands every
// window the same context and is the navigation by which one window reaches another.
// Nothing of the program lives in a global variable.
#pragma once

#include <memory>

#include "core/Navigation.h"
#include "core/Records.h"
#include "core/WindowContext.h"
#include "platform/Platform.h"
#include "settings/Settings.h"

namespace vl {

class ConnexMan;
class RaisonsKick;
class Warnings;
class Messages;
class MessagesEdit;
class Envoimsg;
class JournalWindow;

class App final : public Navigation {
 public:
  explicit App(Platform& platform);
  ~App() override;
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Loads and shows the main window: the program's start.
  void Start();

  Platform& platform;
  Settings settings;
  Records records;
  Journal journal;

  Principale& MainWindow() override;
  Reglages& Panel() override;
  void ShowAttachWindow() override;
  void ShowRaisonsKick(Action request) override;
  void WithdrawReasonRequests() override;
  void ShowWarnings() override;
  void ShowMessages() override;
  void ShowEnvoimsg() override;
  void OpenPhraseEditor() override;
  void ShowJournal() override;

  // The windows, for a look from outside: the pickers and the editor as they stand (nullptr
  // when not made), the attach window made at its first use.
  bool PanelExists() const { return reglages_ != nullptr; }
  ConnexMan& AttachWindow();
  RaisonsKick* RaisonsKickWindow() const { return raisonsKick_.get(); }
  Warnings* WarningsWindow() const { return warnings_.get(); }
  Messages* MessagesWindow() const { return messages_.get(); }
  MessagesEdit* PhraseEditor() const { return messagesEdit_.get(); }
  Envoimsg* EnvoimsgWindow() const { return envoimsg_.get(); }
  JournalWindow* JournalWindowMade() const { return journalWindow_.get(); }

 private:
  WindowContext context_;
  std::unique_ptr<Principale> principale_;
  std::unique_ptr<ConnexMan> connexMan_;
  std::unique_ptr<Reglages> reglages_;
  std::unique_ptr<RaisonsKick> raisonsKick_;
  std::unique_ptr<Warnings> warnings_;
  std::unique_ptr<Messages> messages_;
  std::unique_ptr<MessagesEdit> messagesEdit_;
  std::unique_ptr<Envoimsg> envoimsg_;
  std::unique_ptr<JournalWindow> journalWindow_;
};

}  // namespace vl
