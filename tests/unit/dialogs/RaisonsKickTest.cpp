// The reasons picker: the lines it sends for each request, with and without a reason or a
// signature, and what it leaves behind.
#include "dialogs/RaisonsKick.h"

#include "support/PanelFixture.h"

namespace vl::test {
namespace {

class RaisonsKickTest : public PanelFixture {
 protected:
  void SetUp() override {
    OpenPanel();
    SetPhrase(14, L"flood");
    SetPhrase(22, L"insultes répétées");
    SetTarget(L"Alice");
  }
  // Opens the picker as the panel's "Avec raison" buttons do.
  RaisonsKick& OpenFor(bool kick, bool punish) {
    if (kick) Click(L"ReyCommand4");
    if (punish) Click(L"ReyCommand5");
    return *app.RaisonsKickWindow();
  }
  void Pick(RaisonsKick& picker, int line) { fake.Press(picker[LineName(line)]); }
};

TEST_F(RaisonsKickTest, APickedReasonSendsTheKickAndHides) {
  RaisonsKick& picker = OpenFor(true, false);
  EXPECT_EQ(picker.Caption(), L"Messages de raison et d'annonces divers");
  EXPECT_EQ(picker[LineName(13)].Text(), L"flood");
  EXPECT_EQ(picker[LineName(21)].Text(), L"insultes répétées");
  EXPECT_TRUE(fake.fakeWindows().PeerOf(picker)->Topmost());
  Pick(picker, 13);
  EXPECT_EQ(Sent(), std::vector<std::wstring>{L"/msg RoomBot Alice, kick flood"});
  EXPECT_FALSE(picker.Visible());
  EXPECT_EQ(panel().State(), WindowState::Minimized);
  EXPECT_FALSE(app.records.panel.DemandeKick || app.records.panel.DemandePuni);
}

TEST_F(RaisonsKickTest, BothRequestsSendKickFirstWithTheSignature) {
  fake.ChooseMenu(panel().Menu(L"signe"));
  RaisonsKick& picker = OpenFor(true, false);
  app.records.panel.DemandePuni = true;  // both requests stand (set without a new activation)
  Pick(picker, 21);
  EXPECT_EQ(Sent(),
            (std::vector<std::wstring>{L"/msg RoomBot Alice, kick insultes répétées (par Modo )",
                                       L"/msg RoomBot Alice, puni insultes répétées (par Modo )"}));
}

TEST_F(RaisonsKickTest, AnEmptyReasonLineSendsTheBareVerb) {
  RaisonsKick& picker = OpenFor(true, false);
  Pick(picker, 15);
  EXPECT_EQ(Sent(), std::vector<std::wstring>{L"/msg RoomBot Alice, kick"});
  fake.ChooseMenu(panel().Menu(L"signe"));
  fake.Activate(panel());
  OpenFor(false, true);
  Pick(picker, 15);
  EXPECT_EQ(Sent(), std::vector<std::wstring>{L"/msg RoomBot Alice, puni (par Modo )"});
}

TEST_F(RaisonsKickTest, NoRequestSendsNothingButStillHides) {
  RaisonsKick& picker = OpenFor(true, false);
  app.records.panel.DemandeKick = false;
  Pick(picker, 13);
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(picker.Visible());
}

TEST_F(RaisonsKickTest, ATypedReasonIsSentAsTypedAndTheBoxEmptied) {
  RaisonsKick& picker = OpenFor(true, false);
  Control& box = picker[L"Text1"];
  fake.Type(box, L"  spam ");
  fake.KeyDown(box, 65);
  EXPECT_TRUE(picker.Visible());
  fake.KeyDown(box, kKeyEnter);
  EXPECT_EQ(Sent(), std::vector<std::wstring>{L"/msg RoomBot Alice, kick   spam "});
  EXPECT_EQ(box.Text(), L"");
  EXPECT_FALSE(picker.Visible());
  fake.Activate(panel());
  OpenFor(true, false);
  fake.KeyDown(box, kKeyEnter);
  EXPECT_EQ(Sent(), std::vector<std::wstring>{L"/msg RoomBot Alice, kick "});
}

TEST_F(RaisonsKickTest, WithoutATargetEnterDoesNothingAndAReleaseOnlyHides) {
  RaisonsKick& picker = OpenFor(true, false);
  SetTarget(L"");
  fake.Type(picker[L"Text1"], L"gardé");
  fake.KeyDown(picker[L"Text1"], kKeyEnter);
  EXPECT_TRUE(picker.Visible());
  EXPECT_EQ(picker[L"Text1"].Text(), L"gardé");
  Pick(picker, 13);
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(picker.Visible());
  EXPECT_FALSE(app.records.panel.DemandeKick);
}

TEST_F(RaisonsKickTest, TheCloseBoxSendsNothingAndTheNextOpeningMakesItAnew) {
  RaisonsKick& first = OpenFor(true, false);
  fake.Type(first[L"Text1"], L"brouillon");
  fake.Close(first);
  EXPECT_TRUE(app.records.panel.DemandeKick) << "the request stays until the panel's next activation";
  EXPECT_TRUE(Sent().empty());
  fake.Activate(panel());
  RaisonsKick& second = OpenFor(true, false);
  EXPECT_EQ(second[L"Text1"].Text(), L"");
  SetPhrase(14, L"changé dans l'éditeur");
  fake.Activate(panel());
  fake.Activate(second);
  EXPECT_EQ(second[LineName(13)].Text(), L"changé dans l'éditeur");
}

}  // namespace
}  // namespace vl::test
