// Messages to user categories: the lines the journeys do not send (they send the red users'
// line), the box kept between openings, and where it opens.
#include "dialogs/Envoimsg.h"

#include "support/Fixtures.h"

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
  // The sent message is still there at the next opening, the keyboard in the box, to be
  // selected and copied (Ctrl+A, Ctrl+C); the first character typed replaces it, Backspace
  // too, and a text the moderator changed otherwise (a paste) or did not send yet stays.
  OpenIt();
  EXPECT_EQ(fake.fakeWindows().PeerOf(window)->FocusedControl(), &box);
  for (wchar_t control : {L'\x01', L'\x03'})
    fake.TypeChar(box, control);
  EXPECT_EQ(box.Text(), L" réunion ");
  for (wchar_t typed : {L'N', L'o'})
    fake.TypeChar(box, typed);
  EXPECT_EQ(box.Text(), L"No");
  fake.Click(window[L"ReyCommand3"]);
  EXPECT_EQ(Sent(), Lines{L"/msg 'OWNER' Message aux rouges : No (de Modo)"});
  OpenIt();
  fake.Type(box, L"collé");  // pasted over the message sent
  fake.TypeChar(box, L'!');
  OpenIt();
  fake.TypeChar(box, L'?');
  EXPECT_EQ(box.Text(), L"collé!?");
  fake.Click(window[L"ReyCommand3"]);
  EXPECT_EQ(Sent().size(), 1u);
  OpenIt();
  fake.TypeChar(box, L'\b');
  fake.Click(window[L"ReyCommand3"]);
  EXPECT_TRUE(Sent().empty()) << "Backspace emptied the box; an empty box sends nothing";
  panel().MoveTo(111, 222);  // it stays where it was first placed until made anew
  EXPECT_NE(OpenIt().Bounds().left, 111);
  fake.Close(window);
  EXPECT_EQ(OpenIt().Bounds().left, 111);
}

}  // namespace
}  // namespace vl::test
