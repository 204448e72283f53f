// The target user: what the room's input box must hold to be taken, what is left in it, and
// the manual entry.
#include "panel/UserSelection.h"

#include "support/PanelFixture.h"

namespace vl::test {
namespace {

TEST(CapturedNick, TheFormsOfAPick) {
  struct Case {
    const wchar_t* input;
    const wchar_t* nick;  // nullptr: no capture
  };
  const Case cases[] = {
      {L"Alice, ", L"Alice"},
      {L".Alice, ", L"Alice"},
      {L"Alice, .", L"Alice"},
      {L"hello Alice, ", nullptr},
      {L", ", L""},
      {L"A.B, ", L"AB"},
      {L"Alice,", nullptr},
      {L"Alice, Bob, ", L"AliceBob"},
      {L"Alice ,", nullptr},
      {L"Alice, x", nullptr},
      {L"Jean-Paul, ", L"Jean-Paul"},
      {L"Zoé, .", L"Zoé"},
  };
  for (const Case& c : cases) {
    auto nick = CapturedNick(c.input);
    if (c.nick == nullptr) {
      EXPECT_FALSE(nick) << c.input;
    } else {
      ASSERT_TRUE(nick) << c.input;
      EXPECT_EQ(*nick, c.nick) << c.input;
    }
  }
}

class UserSelectionTest : public PanelFixture {};

TEST_F(UserSelectionTest, APickInTheRoomBecomesTheTargetAndRestoresThePanel) {
  OpenPanel();
  panel().Minimize();
  room.InputText() = L"Alice, ";
  fake.Advance(500);
  EXPECT_EQ(panel()[L"Label2"].Text(), L"Alice");
  EXPECT_EQ(room.InputText(), L".");
  EXPECT_EQ(panel().State(), WindowState::Normal);
  auto sets = fake.desktop().CallsTo(room.input, ForeignCall::Kind::SetText);
  ASSERT_GE(sets.size(), 2u);
  EXPECT_EQ(sets[sets.size() - 2].text, L"\b");
  // The marker left behind does not stop the next pick.
  room.InputText() += L"Bob, ";
  fake.Advance(500);
  EXPECT_EQ(panel()[L"Label2"].Text(), L"Bob");
  fake.Advance(2000);
  EXPECT_EQ(room.InputText(), L".") << "a bare marker is left alone";
}

TEST_F(UserSelectionTest, PauseLeavesTheInputBoxAlone) {
  OpenPanel();
  SetTarget(L"Avant");
  fake.ChooseMenu(panel().Menu(L"standby"));
  room.InputText() = L"Alice, ";
  fake.Advance(2000);
  EXPECT_EQ(room.InputText(), L"Alice, ");
  EXPECT_EQ(panel()[L"Label2"].Text(), L"Avant");
  fake.ChooseMenu(panel().Menu(L"standby"));
  fake.Advance(500);
  EXPECT_EQ(panel()[L"Label2"].Text(), L"Alice");
}

TEST_F(UserSelectionTest, ManualEntryTakesTheTextAsTyped) {
  OpenPanel();
  SetTarget(L"Alice");
  Control& label = panel()[L"Label2"];
  Control& entry = panel()[L"PseudoManu"];
  ASSERT_TRUE(fake.DblClick(label));
  EXPECT_EQ(label.Text(), L"") << "the click before the double click clears it";
  EXPECT_EQ(entry.Top(), 960);
  EXPECT_EQ(entry.Text(), L"");
  EXPECT_EQ(fake.fakeWindows().PeerOf(panel())->FocusedControl(), &entry);
  fake.Type(entry, L" Bob ");
  fake.KeyDown(entry, 27);  // Escape does nothing
  EXPECT_EQ(entry.Top(), 960);
  fake.KeyDown(entry, kKeyEnter);
  EXPECT_EQ(label.Text(), L" Bob ");
  EXPECT_EQ(entry.Top(), 6720);
}

TEST_F(UserSelectionTest, AClickEmptiesTheTarget) {
  OpenPanel();
  SetTarget(L"Alice");
  fake.Click(panel()[L"Label2"]);
  EXPECT_EQ(panel()[L"Label2"].Text(), L"");
}

}  // namespace
}  // namespace vl::test
