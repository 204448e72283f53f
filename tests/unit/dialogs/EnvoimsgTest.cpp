// Messages to user categories: the lines the journeys do not send (they send the red users'
// line), the box kept between openings but emptied when entered after one, and where it opens.
#include "dialogs/Envoimsg.h"

#include "support/PanelFixture.h"

namespace vl::test {
namespace {

class EnvoimsgTest : public OpenPanelTest {
 protected:
  Envoimsg& OpenIt() {
    Open(L"ReyCommand13");
    return *app.EnvoimsgWindow();
  }
};

TEST_F(EnvoimsgTest, TheLinesTheBoxKeptOrEmptiedAndWhereItOpens) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"ReyCommand1", L"/msg 'FOPW' Message aux bleus et plus :  réunion  (de Modo)"},
      {L"ReyCommand2", L"/msg 'OPW' Message aux verts et rouges :  réunion  (de Modo)"},
      {L"ReyCommand4", L"/msg RoomBot !MSGNIV12 Message aux NIV 1 et 2 :  réunion  (de Modo)"},
      {L"ReyCommand5", L"/msg RoomBot !MSGNIV1 Message aux NIV 1 :  réunion  (de Modo)"},
  };
  Envoimsg& window = OpenIt();
  EXPECT_EQ(window.Bounds().left, panel().Bounds().left);
  EXPECT_TRUE(OnTop(window));
  Control& box = window[L"ReyTextBox1"];
  fake.Type(box, L" réunion ");
  for (auto [button, line] : cases) {
    OpenIt();
    fake.Click(window[button]);
    EXPECT_EQ(Sent(), Lines{line}) << button;
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(panel().State(), WindowState::Minimized);
  }
  OpenIt();
  fake.Focus(box);
  EXPECT_EQ(box.Text(), L"");
  fake.Type(box, L"x");
  fake.Focus(box);  // back to the box while typing: nothing lost
  EXPECT_EQ(box.Text(), L"x");
  fake.Type(box, L"");
  fake.Click(window[L"ReyCommand3"]);
  EXPECT_TRUE(Sent().empty()) << "an empty box sends nothing";
  EXPECT_FALSE(window.Visible());
  panel().MoveTo(111, 222);  // it stays where it was first placed until made anew
  EXPECT_NE(OpenIt().Bounds().left, 111);
  fake.Close(window);
  EXPECT_EQ(OpenIt().Bounds().left, 111);
}

}  // namespace
}  // namespace vl::test
