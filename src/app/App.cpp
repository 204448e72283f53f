#include "app/App.h"

#include "app/Principale.h"
#include "dialogs/Envoimsg.h"
#include "dialogs/Messages.h"
#include "dialogs/MessagesEdit.h"
#include "dialogs/RaisonsKick.h"
#include "dialogs/Warnings.h"
#include "panel/Reglages.h"
#include "room/ConnexMan.h"
#include "settings/modIni.h"

namespace vl {
namespace {

// The window as it stands, or a new one when there is none yet or its close box destroyed
// it. Never called from inside the window's own handlers, so the old one can go.
template <typename W>
W& Current(std::unique_ptr<W>& window, App& app) {
  if (!window || window->Unloaded()) window = std::make_unique<W>(app);
  return *window;
}

}  // namespace

App::App(Platform& p) : platform(p), instances(p.processes()) {}

// The windows go first: their timers and peers refer to the platform.
App::~App() = default;

void App::Start() {
  MainWindow().Load();
  MainWindow().Show();
}

std::wstring App::SettingsPath() {
  return CheminIni(platform.profile());
}

std::wstring App::ExecutableFolder() {
  return platform.profile().ExecutableFolder();
}

std::wstring App::ReadParameter(const std::wstring& key) {
  return LitIni(platform.profile(), kSectionParametres, key, SettingsPath());
}

void App::WriteParameter(const std::wstring& key, const std::wstring& value) {
  EcritIni(platform.profile(), kSectionParametres, key, value, SettingsPath());
}

Principale& App::MainWindow() {
  if (!principale_) principale_ = std::make_unique<Principale>(*this);
  return *principale_;
}

Reglages& App::Panel() {
  if (!reglages_) {
    reglages_ = std::make_unique<Reglages>(*this);
    reglages_->Load();
  }
  return *reglages_;
}

ConnexMan& App::AttachWindow() {
  if (!connexMan_) connexMan_ = std::make_unique<ConnexMan>(*this);
  return *connexMan_;
}

void App::ShowRaisonsKick() {
  Current(raisonsKick_, *this).Show();
}
void App::ShowWarnings() {
  Current(warnings_, *this).Show();
}
void App::ShowMessages() {
  Current(messages_, *this).Show();
}
void App::ShowEnvoimsg() {
  Current(envoimsg_, *this).Open();
}
void App::OpenPhraseEditor() {
  Current(messagesEdit_, *this).Show();
}

}  // namespace vl
