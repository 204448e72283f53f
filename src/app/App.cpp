#include "app/App.h"

#include "app/ConnexMan.h"
#include "app/Principale.h"
#include "core/ProgramTitle.h"
#include "dialogs/Envoimsg.h"
#include "dialogs/JournalWindow.h"
#include "dialogs/Messages.h"
#include "dialogs/MessagesEdit.h"
#include "dialogs/RaisonsKick.h"
#include "dialogs/Warnings.h"
#include "panel/Reglages.h"

namespace vl {
namespace {

// The window as it stands, or a new one when there is none yet or its close box destroyed
// it. Never called from inside the window's own handlers, so the old one can go.
template <typename W>
W& Current(std::unique_ptr<W>& window, const WindowContext& ctx) {
  if (!window || window->Unloaded()) window = std::make_unique<W>(ctx);
  return *window;
}

// Told once a run, when the settings file could not be written. The usual cause is a program
// folder under the programs folder, where a moderator's account may not write.
std::wstring UnsavedSettingsNotice(const std::wstring& path) {
  return L"Verdelune n'a pas pu enregistrer vos réglages dans le fichier :\r\n" + path +
         L"\r\n\r\nVos changements valent jusqu'à la fermeture du programme, puis seront perdus."
         L"\r\n\r\nPour les garder, placez le dossier de Verdelune dans un dossier où votre "
         L"compte peut écrire (par exemple dans vos Documents), et non sous « Program Files » "
         L"ou « Programmes ».";
}

// Told once a run, like the settings: the commands still go out, but the moderator must
// know that they are no longer noted.
std::wstring UnwrittenJournalNotice(const std::wstring& path) {
  return L"Verdelune n'a pas pu écrire dans le journal de modération :\r\n" + path +
         L"\r\n\r\nVos commandes sont envoyées quand même, mais elles ne sont plus notées dans "
         L"le journal.\r\n\r\nPour le garder, placez le dossier de Verdelune dans un dossier où "
         L"votre compte peut écrire (par exemple dans vos Documents), et fermez le journal s'il "
         L"est ouvert dans un autre programme.";
}

// The notice of a file that could not be written, in a message box of the program.
auto Telling(Platform& p, std::wstring (*notice)(const std::wstring& path)) {
  return [&p, notice](const std::wstring& path) {
    p.dialogs().ShowMessage(notice(path), kProgramTitle, MessageBoxStyle::Ok);
  };
}

}  // namespace

App::App(Platform& p)
    : platform(p),
      settings(p.profile(), Telling(p, UnsavedSettingsNotice)),
      journal(p, p.profile().ExecutableFolder() + L"\\" + kJournalFileName,
              Telling(p, UnwrittenJournalNotice)),
      context_{p, settings, records, *this, journal} {}

// The windows go first: their timers and peers refer to the platform.
App::~App() = default;

void App::Start() {
  MainWindow().Load();
  MainWindow().Show();
}

Principale& App::MainWindow() {
  if (!principale_) principale_ = std::make_unique<Principale>(context_);
  return *principale_;
}

Reglages& App::Panel() {
  if (!reglages_) {
    reglages_ = std::make_unique<Reglages>(context_);
    reglages_->Load();
  }
  return *reglages_;
}

ConnexMan& App::AttachWindow() {
  if (!connexMan_) connexMan_ = std::make_unique<ConnexMan>(context_);
  return *connexMan_;
}

void App::ShowAttachWindow() {
  AttachWindow().Show();
}
void App::ShowRaisonsKick(Action request) {
  RaisonsKick& picker = Current(raisonsKick_, context_);
  picker.Ask(request);
  picker.Show();
}
void App::WithdrawReasonRequests() {
  if (raisonsKick_) raisonsKick_->Withdraw();
}
void App::ShowWarnings() {
  Current(warnings_, context_).Show();
}
void App::ShowMessages() {
  Current(messages_, context_).Show();
}
void App::ShowEnvoimsg() {
  Current(envoimsg_, context_).Open();
}
void App::OpenPhraseEditor() {
  Current(messagesEdit_, context_).Show();
}
void App::ShowJournal() {
  Current(journalWindow_, context_).Open(Panel().TargetUser());
}

}  // namespace vl
