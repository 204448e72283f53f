#include "app/App.h"

#include "app/Principale.h"
#include "panel/Reglages.h"
#include "room/ConnexMan.h"
#include "settings/modIni.h"

namespace vl {

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

}  // namespace vl
