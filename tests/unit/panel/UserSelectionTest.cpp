// The target user: pause, and the manual entry. What the input box must hold to be taken is the
// capture fuzzer's; the journeys pick users again and again from a minimized panel.
#include "panel/UserSelection.h"

#include "support/Fixtures.h"

namespace vl::test {
namespace {

class UserSelectionTest : public OpenPanelTest {
 protected:
  std::wstring Target() { return panel()[L"Label2"].Text(); }
};

TEST_F(UserSelectionTest, PauseLeavesTheInputBoxAlone) {
  SetTarget(L"Avant");
  fake.ChooseMenu(panel().Menu(L"standby"));
  room.InputText() = L"Alice, ";
  fake.Advance(2000);
  EXPECT_EQ(room.InputText(), L"Alice, ");
  EXPECT_EQ(Target(), L"Avant");
  fake.ChooseMenu(panel().Menu(L"standby"));
  fake.Advance(500);
  EXPECT_EQ(Target(), L"Alice");
}

// Only the marker the capture left in the box goes: every other full stop is the nickname's,
// and the command carries the nickname as Label2 shows it.
TEST_F(UserSelectionTest, TheCaptureRemovesOnlyItsOwnMarker) {
  const std::pair<const wchar_t*, const wchar_t*> picks[] = {
      {L"Ali.ce, ", L"Ali.ce"},  // no marker yet
      {L".Bob.., ", L"Bob.."},   // picked after the marker
      {L".., .", L".."},         // before it
      {L"...., ", L"..."},       // a nickname of dots, after it
  };
  for (auto [box, target] : picks) {
    room.InputText() = box;
    fake.Advance(500);
    EXPECT_EQ(Target(), target) << box;
    EXPECT_EQ(room.InputText(), L".");
  }
  room.InputText() = L"";  // emptied: the marker is gone, a full stop before a nickname stays
  fake.Advance(500);
  room.InputText() = L".Eve, ";
  fake.Advance(500);
  EXPECT_EQ(Target(), L".Eve");
  Click(L"ReyCommand6");
  EXPECT_EQ(Sent(), Lines{L"/msg RoomBot .Eve, ban2"});
}

TEST_F(UserSelectionTest, ManualEntryTakesTheTextAsTyped) {
  SetTarget(L"Alice");
  Control& entry = panel()[L"PseudoManu"];
  ASSERT_TRUE(fake.DblClick(panel()[L"Label2"]));
  EXPECT_EQ(Target(), L"") << "the click before the double click clears it";
  EXPECT_EQ(entry.Top(), 960);
  EXPECT_EQ(fake.fakeWindows().PeerOf(panel())->FocusedControl(), &entry);
  fake.Type(entry, L" Bob ");
  fake.KeyDown(entry, kKeyEnter);
  EXPECT_EQ(Target(), L" Bob ");
  EXPECT_EQ(entry.Top(), 6720);
}

}  // namespace
}  // namespace vl::test
