// The modal dialogs with the real display: timers tick while they are open (the test closes
// each one from a timer tick, by finding its window), the answers, the owner, the input
// box's prompt, default answer, selection and place, and the file-open dialog.
#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/Timer.h"
#include "platform/win32/Win32Platform.h"
#include "win32/TestForms.h"
#include "win32/WinTestSupport.h"

namespace {

// Acts once on a dialog of this thread, from a timer tick, as soon as it shows.
class WhenShown {
 public:
  WhenShown(vl::Clock& clock, std::wstring title, std::function<void(HWND)> act)
      : timer_(clock, L"closer", 50), title_(std::move(title)), act_(std::move(act)) {
    timer_.onTick = [this] {
      HWND dialog = vltest::FindThreadWindow(L"#32770", title_);
      if (dialog == nullptr || acted_) return;
      acted_ = true;
      act_(dialog);
    };
    timer_.SetEnabled(true);
  }
  bool Acted() const { return acted_; }

 private:
  vl::Timer timer_;
  std::wstring title_;
  std::function<void(HWND)> act_;
  bool acted_ = false;
};

HWND ChildOfClass(HWND parent, const wchar_t* cls) {
  return FindWindowExW(parent, nullptr, cls, nullptr);
}

class DialogsTest : public ::testing::Test {
 protected:
  vl::win32::Win32Platform platform;
  vl::Dialogs& dialogs = platform.dialogs();
};

TEST_F(DialogsTest, TimersTickUnderAMessageBoxUntilATickClosesIt) {
  vl::Timer counter(platform.clock(), L"counter", 30);
  int ticks = 0;
  counter.onTick = [&] { ++ticks; };
  counter.SetEnabled(true);
  int ticksWhenClosed = 0;
  std::wstring shownText;
  WhenShown closer(platform.clock(), L"Confirmation", [&](HWND box) {
    vltest::PumpUntil([&] { return ticks >= 8; }, 3000);  // still inside the box's loop
    ticksWhenClosed = ticks;
    shownText = vltest::TextOf(GetDlgItem(box, 0xFFFF));  // the text of a message box
    PostMessageW(box, WM_COMMAND, IDYES, 0);
  });
  const vl::MessageBoxAnswer answer =
      dialogs.ShowMessage(L"Attention, vous allez refermer le Bot ! Vous confirmez ?",
                          L"Confirmation", vl::MessageBoxStyle::YesNoQuestion);
  counter.SetEnabled(false);
  EXPECT_TRUE(closer.Acted());
  EXPECT_EQ(answer, vl::MessageBoxAnswer::Yes);
  EXPECT_GE(ticksWhenClosed, 8);
  EXPECT_EQ(shownText, L"Attention, vous allez refermer le Bot ! Vous confirmez ?");
}

TEST_F(DialogsTest, MessageBoxAnswersAndOwner) {
  vltest::TestForm owner(platform,
                         {L"Owner", L"Propri\u00e9taire", 3000, 2000, vl::kDefaultColour});
  owner.Show();
  vltest::PumpFor(100);
  HWND ownerOfBox = nullptr;
  bool ownedInFront = false;
  WhenShown no(platform.clock(), L"Verdelune", [&](HWND box) {
    ownerOfBox = GetWindow(box, GW_OWNER);
    ownedInFront = GetForegroundWindow() == box;
    PostMessageW(box, WM_COMMAND, IDNO, 0);
  });
  EXPECT_EQ(dialogs.ShowMessage(L"?", L"Verdelune", vl::MessageBoxStyle::YesNoQuestion),
            vl::MessageBoxAnswer::No);
  EXPECT_EQ(ownerOfBox, owner.Hwnd()) << "the program's active window owns the box";
  EXPECT_TRUE(ownedInFront);

  owner.Hide();
  HWND unowned = reinterpret_cast<HWND>(1);
  bool inFront = false;
  WhenShown ok(platform.clock(), L"Verdelune ", [&](HWND box) {
    unowned = GetWindow(box, GW_OWNER);
    inFront = GetForegroundWindow() == box;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(dialogs.ShowMessage(L"Sans roombot je ne sers \u00e0 rien, adieu !!!", L"Verdelune ",
                                vl::MessageBoxStyle::Ok),
            vl::MessageBoxAnswer::Ok);
  EXPECT_EQ(unowned, nullptr) << "no visible window: no owner";
  EXPECT_TRUE(inFront) << "the box comes to the front";
}

TEST_F(DialogsTest, InputBoxShowsThePromptAndTheSelectedDefaultAtItsPlace) {
  const std::wstring title = L"Entrez le pseudo du roombot";
  std::wstring prompt, answerShown;
  DWORD selStart = 1, selEnd = 0;
  RECT place{};
  WhenShown act(platform.clock(), title, [&](HWND box) {
    prompt = vltest::TextOf(ChildOfClass(box, L"Static"));
    HWND edit = ChildOfClass(box, L"Edit");
    answerShown = vltest::TextOf(edit);
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                 reinterpret_cast<LPARAM>(&selEnd));
    GetWindowRect(box, &place);
    SetWindowTextW(edit, L"Nouveau\u00e9\u65e5");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  const std::wstring answer = dialogs.InputBox(
      L"Vous devez entrer le pseudo du roombot SVP\r\rPseudo du roombot associ\u00e9 ?", title,
      L"RoboCop", 1500, 3000);
  EXPECT_EQ(answer, L"Nouveau\u00e9\u65e5");
  EXPECT_EQ(prompt,
            L"Vous devez entrer le pseudo du roombot SVP\r\n\r\nPseudo du roombot associ\u00e9 ?");
  EXPECT_EQ(answerShown, L"RoboCop");
  EXPECT_EQ(selStart, 0u);
  EXPECT_EQ(selEnd, 7u) << "the default answer is selected";
  const int dpi = static_cast<int>(GetDpiForSystem());
  EXPECT_EQ(place.left, MulDiv(1500, dpi, 1440));
  EXPECT_EQ(place.top, MulDiv(3000, dpi, 1440));
}

TEST_F(DialogsTest, InputBoxCancelAndCloseGiveNothingAndTimersTick) {
  vl::Timer counter(platform.clock(), L"counter", 30);
  int ticks = 0;
  counter.onTick = [&] { ++ticks; };
  counter.SetEnabled(true);
  WhenShown cancel(platform.clock(), L"Annuler ?", [&](HWND box) {
    HWND annuler = FindWindowExW(box, nullptr, L"Button", L"Annuler");
    ASSERT_NE(annuler, nullptr);
    vltest::PumpUntil([&] { return ticks >= 5; }, 3000);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(annuler), BN_CLICKED),
                 reinterpret_cast<LPARAM>(annuler));
  });
  EXPECT_EQ(dialogs.InputBox(L"p", L"Annuler ?", L"RoboCop", 0, 0), L"");
  EXPECT_GE(ticks, 5);
  WhenShown close(platform.clock(), L"Fermer ?",
                  [](HWND box) { PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_EQ(dialogs.InputBox(L"p", L"Fermer ?", L"RoboCop", 0, 0), L"");
  counter.SetEnabled(false);
}

TEST_F(DialogsTest, OpenFileGivesTheChosenPathOrNothing) {
  vltest::TempFolder folder;
  const std::wstring wav = folder.File(L"ding-dong1.wav");
  HANDLE h = CreateFileW(wav.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  const auto choose = [&](HWND dialog) {
    // The file name box: an edit of its own or the edit inside a combo box.
    HWND name = GetDlgItem(dialog, 0x047C);  // cmb13
    HWND edit = name != nullptr ? FindWindowExW(name, nullptr, L"Edit", nullptr)
                                : GetDlgItem(dialog, 0x0480);  // edt1
    SetWindowTextW(edit != nullptr ? edit : name, L"ding-dong1.wav");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  };
  {
    WhenShown act(platform.clock(), L"Ouvrir", choose);
    WhenShown actEnglish(platform.clock(), L"Open", choose);
    EXPECT_EQ(
        _wcsicmp(
            dialogs.OpenFile(folder.Path(), L"Fichier de musique au format WAV ", L"*.wav").c_str(),
            wav.c_str()),
        0);
  }
  const auto cancel = [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); };
  WhenShown act(platform.clock(), L"Ouvrir", cancel);
  WhenShown actEnglish(platform.clock(), L"Open", cancel);
  EXPECT_EQ(dialogs.OpenFile(folder.Path(), L"WAV", L"*.wav"), L"");
}

}  // namespace
