// The target user: what the room's input box must hold to be taken, pause, and the manual entry.
// The journeys pick users again and again from a minimized panel.
#include "panel/UserSelection.h"

#include "support/Fixtures.h"

namespace vl::test {
namespace {

TEST(CapturedNick, TheFormsOfAPick) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      // "-": not taken
      {L"Alice, ", L"Alice"}, {L".Alice, ", L"Alice"},  {L"Alice, .", L"Alice"},
      {L", ", L""},           {L"A.B, ", L"AB"},        {L"Alice, Bob, ", L"AliceBob"},
      {L"Zoé, .", L"Zoé"},    {L"hello Alice, ", L"-"}, {L"Alice,", L"-"},
      {L"Alice ,", L"-"},     {L"Alice, x", L"-"}};
  for (auto [input, nick] : cases)
    EXPECT_EQ(CapturedNick(input).value_or(L"-"), nick) << input;
}

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
