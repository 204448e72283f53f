// The greetings picker: "$N" filled in, greyed lines and the error label without a target.
#include "dialogs/Messages.h"

#include "support/PanelFixture.h"

namespace vl::test {
namespace {

class MessagesTest : public PanelFixture {
 protected:
  void SetUp() override {
    OpenPanel();
    SetPhrase(1, L"Bienvenue $N, salut $N !");
    SetPhrase(2, L"Annonce : soirée quiz à 21h");
    SetPhrase(3, L"prix en $n");
  }
  Messages& Open() {
    fake.Activate(panel());
    Click(L"ReyCommand15");
    return *app.MessagesWindow();
  }
};

TEST_F(MessagesTest, ThePlaceholderTakesTheTargetsNickname) {
  SetTarget(L"Bob");
  Messages& picker = Open();
  EXPECT_FALSE(picker[L"erreur"].Visible());
  fake.Press(picker[LineName(0)]);
  EXPECT_EQ(Sent(), std::vector<std::wstring>{L"Bienvenue Bob, salut Bob !"});
  EXPECT_FALSE(picker.Visible());
  EXPECT_EQ(panel().State(), WindowState::Minimized);
}

TEST_F(MessagesTest, WithoutATargetTheLinesNeedingOneAreGreyed) {
  Messages& picker = Open();
  EXPECT_TRUE(picker[L"erreur"].Visible());
  EXPECT_EQ(picker[L"erreur"].Text(),
            L"Pseudo non sélectionné, les messages comportant $N ne  peuvent être émis !");
  EXPECT_FALSE(picker[LineName(0)].Enabled());
  EXPECT_TRUE(picker[LineName(2)].Enabled()) << "a lower-case $n is no placeholder";
  fake.Press(picker[LineName(0)]);
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(picker.Visible()) << "a greyed line takes no click";
  fake.Press(picker[LineName(2)]);
  EXPECT_EQ(Sent(), std::vector<std::wstring>{L"prix en $n"});
  // With a target again, the next opening enables every line.
  SetTarget(L"Bob");
  Open();
  EXPECT_TRUE(picker[LineName(0)].Enabled());
  EXPECT_FALSE(picker[L"erreur"].Visible());
}

TEST_F(MessagesTest, AnEmptySlotSendsAnEmptyLine) {
  SetTarget(L"Bob");
  Messages& picker = Open();
  fake.Press(picker[LineName(5)]);
  EXPECT_EQ(Sent(), std::vector<std::wstring>{L""});
}

}  // namespace
}  // namespace vl::test
