// The command buttons: the lines the journeys do not send, and without a target the one-second
// signal for exactly the buttons that have it. The journeys check the other buttons' lines.
#include "panel/CommandButtons.h"

#include "dialogs/RaisonsKick.h"
#include "dialogs/Warnings.h"
#include "support/Fixtures.h"

namespace vl::test {
namespace {

class CommandButtonsTest : public OpenPanelTest {};

TEST_F(CommandButtonsTest, LinesAndSignatures) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"ReyCommand6", L"/msg RoomBot Jean Paul, ban2"},
      {L"ReyCommand8", L"/msg RoomBot Jean Paul, kick non respect des CGU"},
      {L"ReyCommand16", L"/msg RoomBot Jean Paul, puni non respect des CGU"},
  };
  SetTarget(L"Jean Paul");
  for (auto [button, line] : cases) {
    panel().ShowNormal();
    const std::uint64_t before = fake.fakeClock().Now();
    ASSERT_TRUE(Click(button));
    EXPECT_EQ(Sent(), Lines{line}) << button;
    EXPECT_EQ(fake.fakeClock().Now() - before, 150u) << "the sender keeps lines apart";
    EXPECT_EQ(panel().State(), WindowState::Minimized) << button;
  }
  fake.ChooseMenu(panel().Menu(L"signe"));
  app.records.shared.OwnNick.clear();
  Click(L"ReyCommand16");
  EXPECT_EQ(Sent(), Lines{L"/msg RoomBot Jean Paul, puni non respect des CGU (par  )"});
}

TEST_F(CommandButtonsTest, WithoutATargetTheSignalButtonsShowTheRedFrameForOneSecond) {
  const std::pair<const wchar_t*, bool> cases[] = {
      {L"ReyCommand10", true}, {L"ReyCommand11", true}, {L"ReyCommand12", true},
      {L"ReyCommand3", true},  {L"ReyCommand7", true},  {L"ReyCommand6", true},
      {L"ReyCommand9", true},  {L"ReyCommand8", true},  {L"ReyCommand16", true},
      {L"ReyCommand4", true},  {L"ReyCommand5", true},  {L"ReyCommand14", true},
      {L"ReyCommand1", false}, {L"ReyCommand2", false},  // queries: no signal, minimized
  };
  for (auto [button, signals] : cases) {
    panel().ShowNormal();
    const std::uint64_t before = fake.fakeClock().Now();
    const int paints = fake.fakeWindows().PeerOf(panel())->Paints();
    Click(button);
    // While the frame is up the program pauses: one paint is all that happens.
    EXPECT_EQ(fake.fakeClock().Now() - before, signals ? 1000u : 0u) << button;
    EXPECT_EQ(fake.fakeWindows().PeerOf(panel())->Paints() - paints, signals ? 1 : 0) << button;
    EXPECT_GE(panel()[L"frameerreur"].Top(), 5190) << "wholly out of sight afterwards";
    EXPECT_EQ(panel().State(), signals ? WindowState::Normal : WindowState::Minimized) << button;
  }
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(app.RaisonsKickWindow(), nullptr);
  EXPECT_EQ(app.WarningsWindow(), nullptr);
}

TEST_F(CommandButtonsTest, TheRedFrameHoldsTheTicks) {
  room.InputText() = L"Alice, ";
  Click(L"ReyCommand3");  // one second without a capture tick
  EXPECT_EQ(panel()[L"Label2"].Text(), L"");
  fake.Advance(1);
  EXPECT_EQ(panel()[L"Label2"].Text(), L"Alice") << "the capture ticks once afterwards";
}

}  // namespace
}  // namespace vl::test
