// The command buttons: the exact line of each, the missing-nickname signal for exactly the
// buttons that have it, and the panel minimized after a command.
#include "panel/CommandButtons.h"

#include "dialogs/Envoimsg.h"
#include "dialogs/Messages.h"
#include "dialogs/RaisonsKick.h"
#include "dialogs/Warnings.h"
#include "support/PanelFixture.h"

namespace vl::test {
namespace {

class CommandButtonsTest : public PanelFixture {
 protected:
  void SetUp() override { OpenPanel(); }
  WindowState PanelState() { return panel().State(); }
};

TEST_F(CommandButtonsTest, EachSimpleCommandSendsItsVerbAndMinimizes) {
  struct Case {
    const wchar_t* button;
    const wchar_t* line;
  };
  const Case cases[] = {
      {L"ReyCommand10", L"/msg RoomBot Alice, swmic"},
      {L"ReyCommand11", L"/msg RoomBot Alice, blocmic"},
      {L"ReyCommand12", L"/msg RoomBot Alice, bleu"},
      {L"ReyCommand3", L"/msg RoomBot Alice, noir"},
      {L"ReyCommand7", L"/msg RoomBot Alice, ban1"},
      {L"ReyCommand6", L"/msg RoomBot Alice, ban2"},
      {L"ReyCommand9", L"/msg RoomBot Alice, depuni"},
      {L"ReyCommand1", L"/msg RoomBot Alice, matequi"},
      {L"ReyCommand2", L"/msg RoomBot Alice, mateparqui"},
      {L"ReyCommand8", L"/msg RoomBot Alice, kick non respect des CGU"},
      {L"ReyCommand16", L"/msg RoomBot Alice, puni non respect des CGU"},
  };
  SetTarget(L"Alice");
  for (const Case& c : cases) {
    panel().ShowNormal();
    ASSERT_TRUE(Click(c.button));
    EXPECT_EQ(Sent(), std::vector<std::wstring>{c.line}) << c.button;
    EXPECT_EQ(PanelState(), WindowState::Minimized) << c.button;
  }
}

TEST_F(CommandButtonsTest, SignedKicksCarryTheModeratorsNickname) {
  fake.ChooseMenu(panel().Menu(L"signe"));
  SetTarget(L"Jean Paul");
  Click(L"ReyCommand8");
  EXPECT_EQ(Sent(), std::vector<std::wstring>{
                        L"/msg RoomBot Jean Paul, kick non respect des CGU (par Modo )"});
  app.records.shared.OwnNick.clear();
  Click(L"ReyCommand16");
  EXPECT_EQ(Sent(),
            std::vector<std::wstring>{L"/msg RoomBot Jean Paul, puni non respect des CGU (par  )"});
}

TEST_F(CommandButtonsTest, WithoutATargetTheRedFrameShowsForOneSecond) {
  const wchar_t* signalled[] = {L"ReyCommand10", L"ReyCommand11", L"ReyCommand12", L"ReyCommand3",
                                L"ReyCommand7",  L"ReyCommand6",  L"ReyCommand9",  L"ReyCommand8",
                                L"ReyCommand16", L"ReyCommand4",  L"ReyCommand5",  L"ReyCommand14"};
  Control& frame = panel()[L"frameerreur"];
  for (const wchar_t* button : signalled) {
    const std::uint64_t before = fake.fakeClock().Now();
    int framesSeen = 0;
    // While the frame is up the program pauses: a paint is all that happens.
    const int paints = fake.fakeWindows().PeerOf(panel())->Paints();
    Click(button);
    framesSeen = fake.fakeWindows().PeerOf(panel())->Paints() - paints;
    EXPECT_EQ(fake.fakeClock().Now() - before, 1000u) << button;
    EXPECT_EQ(framesSeen, 1) << button;
    EXPECT_GE(frame.Top(), 5190) << "wholly out of sight afterwards";
    EXPECT_EQ(PanelState(), WindowState::Normal) << button;
  }
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(app.RaisonsKickWindow(), nullptr);
  EXPECT_EQ(app.WarningsWindow(), nullptr);
}

TEST_F(CommandButtonsTest, QueriesWithoutATargetSendNothingButMinimize) {
  for (const wchar_t* button : {L"ReyCommand1", L"ReyCommand2"}) {
    panel().ShowNormal();
    const std::uint64_t before = fake.fakeClock().Now();
    Click(button);
    EXPECT_EQ(fake.fakeClock().Now(), before) << "no signal for " << button;
    EXPECT_EQ(PanelState(), WindowState::Minimized);
  }
  EXPECT_TRUE(Sent().empty());
}

TEST_F(CommandButtonsTest, TheRedFrameHoldsTheTicks) {
  room.InputText() = L"Alice, ";
  Click(L"ReyCommand3");  // one second without a capture tick
  EXPECT_EQ(panel()[L"Label2"].Text(), L"");
  fake.Advance(1);
  EXPECT_EQ(panel()[L"Label2"].Text(), L"Alice") << "the capture ticks once afterwards";
}

TEST_F(CommandButtonsTest, PickedReasonButtonsRecordTheRequestAndOpenThePicker) {
  SetTarget(L"Alice");
  Click(L"ReyCommand4");
  ASSERT_NE(app.RaisonsKickWindow(), nullptr);
  EXPECT_TRUE(app.RaisonsKickWindow()->Visible());
  EXPECT_TRUE(app.records.panel.DemandeKick);
  EXPECT_FALSE(app.records.panel.DemandePuni);
  EXPECT_TRUE(Sent().empty());
  // A click on the panel activates it first, which clears the kick request.
  fake.Activate(panel());
  Click(L"ReyCommand5");
  EXPECT_FALSE(app.records.panel.DemandeKick);
  EXPECT_TRUE(app.records.panel.DemandePuni);
}

}  // namespace
}  // namespace vl::test
