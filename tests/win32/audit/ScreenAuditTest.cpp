// The screen audit: every window of the program in each of its states, made by the program
// itself (an App over the real platform) and driven through its handlers as the user would.
// Each fault found is one failure line; run at 96 and 144 dpi by run-audit.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "app/App.h"
#include "app/ConnexMan.h"
#include "app/Principale.h"
#include "dialogs/Envoimsg.h"
#include "dialogs/Messages.h"
#include "dialogs/MessagesEdit.h"
#include "dialogs/RaisonsKick.h"
#include "dialogs/Warnings.h"
#include "panel/Reglages.h"
#include "platform/win32/FormWindow.h"
#include "platform/win32/Win32Platform.h"
#include "win32/WinTestSupport.h"
#include "win32/audit/Audit.h"

namespace {

std::string Narrow(const std::wstring& w) {
  return {w.begin(), w.end()};  // window names are ASCII
}

void Report(const std::vector<std::string>& faults) {
  for (const std::string& fault : faults)
    ADD_FAILURE() << "audit: " << fault;
}

class ScreenAudit : public ::testing::Test {
 protected:
  // No settings file: the first run's explanations, no room bot nickname yet.
  void SetUp() override { DeleteFileW(app.settings.Path().c_str()); }
  void TearDown() override { DeleteFileW(app.settings.Path().c_str()); }

  // The window in front, painted, then audited.
  void Audit(vl::Form& form, const std::string& state) {
    form.SetAlwaysOnTop();
    vltest::PumpFor(100);
    form.LetPaint();
    Report(vlaudit::Audit(reinterpret_cast<HWND>(form.Handle()), vlaudit::ItemsOf(form),
                          Narrow(form.Name()), state));
  }

  // The panel as after the handshake, with a target user; without a room its watchdog would
  // end the program, so it is stopped.
  vl::Reglages& Panel(const std::wstring& target) {
    app.records.shared.BotNick = L"RoomBot";
    vl::Reglages& panel = app.Panel();
    panel.TimerEtat.SetEnabled(false);
    for (int i = 1; i <= vl::kPhraseCount; ++i)
      app.records.phrases[static_cast<size_t>(i)] = L"Bonjour $N, phrase " + std::to_wstring(i);
    panel[L"Label2"].SetText(target);
    panel.Show();
    return panel;
  }

  // The missing-nickname signal lasts one pause of the panel's thread: it is audited from
  // another thread as soon as it is in view.
  void AuditSignal(vl::Reglages& panel, const std::string& state) {
    HWND top = reinterpret_cast<HWND>(panel.Handle());
    HWND frame = vl::win32::FormWindow::Of(top)->ControlWindow(panel[L"frameerreur"]);
    std::vector<std::string> faults;
    std::thread watcher([&] {
      RECT client, r;
      GetClientRect(top, &client);
      for (int waited = 0; waited < 3000; waited += 10) {
        GetWindowRect(frame, &r);
        MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&r), 2);
        if (r.top < client.bottom) break;
        Sleep(10);
      }
      Sleep(200);  // the panel's LetPaint before its pause
      faults = vlaudit::Audit(top, vlaudit::ItemsOf(panel), "Reglages", state);
    });
    panel[L"ReyCommand8"].UserClick();  // "Kick" without a target user
    watcher.join();
    Report(faults);
  }

  // A modal box of Windows, audited from a timer tick of its modal loop, then closed.
  void AuditBox(const wchar_t* title, WPARAM close, const std::function<void()>& open,
                const std::string& name) {
    vl::Timer timer(platform.clock(), L"audit", 50);
    timer.onTick = [&] {
      HWND box = FindWindowW(L"#32770", title);
      if (box == nullptr || GetWindowThreadProcessId(box, nullptr) != GetCurrentThreadId()) return;
      timer.SetEnabled(false);
      SetWindowPos(box, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      vltest::PumpFor(200);
      Report(vlaudit::Audit(box, vlaudit::ItemsOfDialog(box), name, "ouverte"));
      PostMessageW(box, WM_COMMAND, close, 0);
    };
    timer.SetEnabled(true);
    open();
    timer.SetEnabled(false);
  }

  vl::win32::Win32Platform platform;
  vl::App app{platform};
};

TEST_F(ScreenAudit, Principale) {
  app.Start();
  vl::Principale& window = app.MainWindow();
  Audit(window, "explications");
  window[L"ReyCommand1"].UserClick();  // "J'ai bien lu": no nickname yet, so it is asked
  Audit(window, "pseudo");
  window[L"saisiepseudo"].UserEditedText(L"RoomBot");
  window[L"saisiepseudo"].UserKeyDown(vl::kKeyEnter);
  Audit(window, "prete");
  window.ShowIncompatibleBotNotice();
  Audit(window, "bot-incompatible");
}

TEST_F(ScreenAudit, ConnexMan) {
  app.Start();
  app.MainWindow()[L"Connexionroom"].UserClick();
  Audit(app.AttachWindow(), "attente");
}

TEST_F(ScreenAudit, Reglages) {
  vl::Reglages& panel = Panel(L"");
  Audit(panel, "complet");
  AuditSignal(panel, "signal");
  panel.Menu(L"standby").UserClick();
  Audit(panel, "pause");
  AuditSignal(panel, "pause-signal");
  panel.Menu(L"standby").UserClick();
  panel[L"Label2"].UserDblClick();  // the manual entry of a nickname
  Audit(panel, "saisie-manuelle");
  panel[L"PseudoManu"].UserKeyDown(vl::kKeyEnter);
  panel.ApplyRestrictedLayout();
  Audit(panel, "niveau2");
}

TEST_F(ScreenAudit, PhrasePickers) {
  vl::Reglages& panel = Panel(L"Alice");
  panel[L"ReyCommand4"].UserClick();  // kick with a reason
  Audit(*app.RaisonsKickWindow(), "raisons");
  panel[L"ReyCommand14"].UserClick();  // warn
  Audit(*app.WarningsWindow(), "avertir");
  panel[L"ReyCommand15"].UserClick();  // announcements
  Audit(*app.MessagesWindow(), "avec-pseudo");
}

TEST_F(ScreenAudit, MessagesWithoutTarget) {
  Panel(L"")[L"ReyCommand15"].UserClick();
  Audit(*app.MessagesWindow(), "sans-pseudo");
}

TEST_F(ScreenAudit, EditorAndCategoryMessages) {
  vl::Reglages& panel = Panel(L"Alice");
  panel.Menu(L"Mesgusers").UserClick();
  Audit(*app.PhraseEditor(), "edition");
  panel[L"ReyCommand13"].UserClick();
  Audit(*app.EnvoimsgWindow(), "saisie");
}

TEST_F(ScreenAudit, MessageBoxAndInputBox) {
  vl::Reglages& panel = Panel(L"");
  AuditBox(
      L"Confirmation", IDNO, [&] { panel.Menu(L"Quitter").UserClick(); }, "MessageBox");
  AuditBox(
      L"Entrez le pseudo du roombot", IDOK, [&] { panel.Menu(L"changepseudoroombot").UserClick(); },
      "InputBox");
}

}  // namespace
