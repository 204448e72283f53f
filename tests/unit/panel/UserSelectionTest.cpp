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
