// Messages to user categories: the five lines, the box kept between openings, and where the
// window opens.
#include "dialogs/Envoimsg.h"

#include "support/PanelFixture.h"

namespace vl::test {
namespace {

class EnvoimsgTest : public PanelFixture {
 protected:
  void SetUp() override { OpenPanel(); }
  Envoimsg& Open() {
    fake.Activate(panel());
    Click(L"ReyCommand13");
    return *app.EnvoimsgWindow();
  }
};

TEST_F(EnvoimsgTest, EachButtonSendsItsLine) {
  struct Case {
    const wchar_t* button;
    const wchar_t* line;
  };
  const Case cases[] = {
      {L"ReyCommand1", L"/msg 'FOPW' Message aux bleus et plus :  réunion  (de Modo)"},
      {L"ReyCommand2", L"/msg 'OPW' Message aux verts et rouges :  réunion  (de Modo)"},
      {L"ReyCommand3", L"/msg 'OWNER' Message aux rouges :  réunion  (de Modo)"},
      {L"ReyCommand4", L"/msg RoomBot !MSGNIV12 Message aux NIV 1 et 2 :  réunion  (de Modo)"},
      {L"ReyCommand5", L"/msg RoomBot !MSGNIV1 Message aux NIV 1 :  réunion  (de Modo)"},
  };
  Envoimsg& window = Open();
  fake.Type(window[L"ReyTextBox1"], L" réunion ");
  for (const Case& c : cases) {
    Open();
    fake.Click(window[c.button]);
    EXPECT_EQ(Sent(), std::vector<std::wstring>{c.line}) << c.button;
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(panel().State(), WindowState::Minimized);
  }
}

TEST_F(EnvoimsgTest, AnEmptyBoxSendsNothingButHides) {
  Envoimsg& window = Open();
  fake.Click(window[L"ReyCommand3"]);
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(window.Visible());
  EXPECT_EQ(panel().State(), WindowState::Minimized);
}

TEST_F(EnvoimsgTest, TheBoxIsKeptAndEmptiedWhenEnteredAgain) {
  Envoimsg& window = Open();
  Control& box = window[L"ReyTextBox1"];
  fake.Focus(box);
  fake.Type(box, L"premier");
  fake.Focus(box);  // back to the box while typing: nothing lost
  EXPECT_EQ(box.Text(), L"premier");
  fake.Click(window[L"ReyCommand3"]);
  Open();
  EXPECT_EQ(box.Text(), L"premier");
  fake.Focus(box);
  EXPECT_EQ(box.Text(), L"");
}

TEST_F(EnvoimsgTest, ItStaysWhereItWasFirstPlaced) {
  Envoimsg& window = Open();
  const Rect first = window.Bounds();
  EXPECT_EQ(first.left, panel().Bounds().left);
  EXPECT_TRUE(fake.fakeWindows().PeerOf(window)->Topmost());
  fake.Click(window[L"ReyCommand3"]);
  panel().MoveTo(111, 222);
  Open();
  EXPECT_EQ(window.Bounds().left, first.left);
  fake.Close(window);
  Envoimsg& again = Open();
  EXPECT_EQ(again.Bounds().left, 111) << "made anew at the panel's position";
  EXPECT_EQ(again[L"ReyTextBox1"].Text(), L"");
}

}  // namespace
}  // namespace vl::test
