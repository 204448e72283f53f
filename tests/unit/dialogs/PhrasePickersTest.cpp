// The three phrase pickers: the lines each request of the reasons picker sends, with and without
// a reason or a signature; the warnings picker's empty lines and corner; the
// greetings picker without a target; where a picker and the category messages open on a
// second monitor. The journeys send one picked and one typed reason, a warning and a greeting
// with a target.
#include "dialogs/Envoimsg.h"
#include "dialogs/Messages.h"
#include "dialogs/RaisonsKick.h"
#include "dialogs/Warnings.h"
#include "support/Fixtures.h"

namespace vl::test {
namespace {

class PhrasePickersTest : public OpenPanelTest {
 protected:
  void SetUp() override {
    OpenPanel();
    SetPhrase(1, L"Bienvenue $N, salut $N !");
    SetPhrase(3, L"prix en $n");
    SetPhrase(7, L"merci de rester poli");
    SetPhrase(14, L"flood");
    SetPhrase(22, L"insultes répétées");
    SetTarget(L"Alice");
  }
  // Opens the reasons picker as the panel's "Avec raison" buttons do.
  RaisonsKick& Reasons(bool kick, bool punish) {
    fake.Activate(panel());
    if (kick) Click(L"ReyCommand4");
    if (punish) Click(L"ReyCommand5");
    return *app.RaisonsKickWindow();
  }
  Warnings& Warn() {
    Open(L"ReyCommand14");
    return *app.WarningsWindow();
  }
};

TEST_F(PhrasePickersTest, TheReasonLinesOfEachRequest) {
  const std::wstring kick = L"/msg RoomBot Alice, kick", puni = L"/msg RoomBot Alice, puni";
  const std::wstring insult = L" insultes répétées (par Modo )";
  struct Case {
    bool kick, punish, signe;
    int line;  // -1: the typed reason is sent
    const wchar_t* typed;
    Lines sent;
  };
  const Case cases[] = {
      {true, true, true, 21, L"", {kick + insult, puni + insult}},
      {true, false, false, 15, L"", {kick}},  // an empty line: the bare verb
      {false, true, true, 15, L"", {puni + L" (par Modo )"}},
      {true, false, false, -1, L"  spam ", {kick + L"   spam "}},
      {true, false, false, -1, L"", {kick + L" "}},  // an empty box: the verb and a blank
      {false, false, false, 13, L"", {}},            // no request: nothing, but it still hides
  };
  for (const Case& c : cases) {
    app.records.panel.SignerKicks = c.signe;
    RaisonsKick& picker = Reasons(c.kick || !c.punish, c.punish);
    EXPECT_EQ(fake.fakeWindows().PeerOf(picker)->FocusedControl(), &picker[L"Text1"]);
    if (!c.kick && !c.punish) picker.Withdraw();  // opened, then withdrawn
    if (c.line >= 0) {
      fake.Press(picker[LineName(c.line)]);
    } else {
      fake.Type(picker[L"Text1"], c.typed);
      fake.KeyDown(picker[L"Text1"], kKeyEnter);
      EXPECT_EQ(picker[L"Text1"].Text(), L"");
    }
    EXPECT_EQ(Sent(), c.sent) << c.line << c.typed;
    EXPECT_FALSE(picker.Visible());
    EXPECT_EQ(panel().State(), WindowState::Minimized);
  }
}

TEST_F(PhrasePickersTest, WithoutATargetEnterDoesNothingAndAReleaseOnlyHides) {
  RaisonsKick& picker = Reasons(true, false);
  SetTarget(L"");
  fake.Type(picker[L"Text1"], L"gardé");
  fake.KeyDown(picker[L"Text1"], kKeyEnter);
  EXPECT_TRUE(picker.Visible());
  fake.Press(picker[LineName(13)]);
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(picker.Visible());
}

TEST_F(PhrasePickersTest, TheReasonsCloseBoxSendsNothingAndAnOpeningReloadsThePhrases) {
  fake.Close(Reasons(true, false));
  RaisonsKick& second = Reasons(false, true);  // the panel's activation withdraws the kick
  fake.Press(second[LineName(13)]);
  EXPECT_EQ(Sent(), Lines{L"/msg RoomBot Alice, puni flood"});
  SetPhrase(14, L"changé dans l'éditeur");
  EXPECT_EQ(Reasons(true, false)[LineName(13)].Text(), L"changé dans l'éditeur");
}

TEST_F(PhrasePickersTest, WarningsEmptyLinesAndCorner) {
  Warnings& picker = Warn();
  Control& box = picker[L"Text1"];
  EXPECT_EQ(fake.fakeWindows().PeerOf(picker)->FocusedControl(), &box) << "ready to type";
  fake.Press(picker[LineName(9)]);
  fake.KeyDown(box, kKeyEnter);
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(picker.Visible()) << "an empty line or box keeps it open";
  fake.Type(box, L"  dernier avertissement");
  fake.KeyDown(box, kKeyEnter);
  EXPECT_EQ(Sent(), Lines{L"Alice,   dernier avertissement"});
  SetPhrase(7, L"calme-toi");  // as the editor saves it: read again at the next opening
  EXPECT_EQ(Warn()[LineName(6)].Text(), L"calme-toi");
  fake.Press(picker[LineName(6)]);
  EXPECT_EQ(panel().Bounds().height, 5790) << "a sent line gives the panel its height back";
  panel().MoveTo(300, 450);  // at the panel's corner at each opening
  panel().ShowNormal();
  Warn();
  EXPECT_EQ(picker.Bounds().left, 300);
  EXPECT_EQ(picker.Bounds().top, 450);
}

TEST_F(PhrasePickersTest, OnASecondMonitorTheyStayInsideItsWorkArea) {
  // Left of and above the primary, its taskbar on its left side.
  const Rect work{-13800, -3000, 13800, 10800};
  fake.fakeWindows().SetMonitors(
      {{{0, 0, 19200, 15360}, {0, 0, 19200, 14760}}, {{-14400, -3000, 14400, 10800}, work}});
  for (const bool messages : {true, false}) {
    auto open = [&]() -> Form& {
      Open(messages ? L"ReyCommand13" : L"ReyCommand14");
      return messages ? static_cast<Form&>(*app.EnvoimsgWindow()) : *app.WarningsWindow();
    };
    panel().MoveTo(-12000, -2500);
    Rect b = open().Bounds();
    EXPECT_EQ((Point{b.left, b.top}), (Point{-12000, -2500})) << "where it fits: at the corner";
    fake.Close(open());            // the category messages take their place only when made anew
    panel().MoveTo(-14000, 5000);  // behind the taskbar, and too low for the window
    b = open().Bounds();
    EXPECT_EQ((Point{b.left, b.top}), (Point{work.left, work.top + work.height - b.height}))
        << "moved back just inside";
  }
}

TEST_F(PhrasePickersTest, WithoutATargetTheGreetingsNeedingOneAreGreyed) {
  SetTarget(L"");
  Open(L"ReyCommand15");
  Messages& picker = *app.MessagesWindow();
  EXPECT_TRUE(picker[L"erreur"].Visible());
  fake.Press(picker[LineName(0)]);
  EXPECT_TRUE(picker.Visible()) << "a greyed line takes no click";
  fake.Press(picker[LineName(2)]);  // a lower-case $n is no placeholder
  Open(L"ReyCommand15");
  fake.Press(picker[LineName(5)]);
  EXPECT_EQ(Sent(), (Lines{L"prix en $n", L""})) << "an empty slot sends an empty line";
  SetTarget(L"Bob");  // with a target, the next opening enables every line
  Open(L"ReyCommand15");
  EXPECT_TRUE(picker[LineName(0)].Enabled());
  EXPECT_FALSE(picker[L"erreur"].Visible());
}

}  // namespace
}  // namespace vl::test
