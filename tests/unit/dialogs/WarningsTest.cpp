// The warnings picker: the warning line, what an empty line or box does, and where it opens.
#include "dialogs/Warnings.h"

#include "support/PanelFixture.h"

namespace vl::test {
namespace {

class WarningsTest : public PanelFixture {
 protected:
  void SetUp() override {
    OpenPanel();
    SetPhrase(7, L"merci de rester poli");
    SetTarget(L"Alice");
  }
  Warnings& Open() {
    fake.Activate(panel());
    Click(L"ReyCommand14");
    return *app.WarningsWindow();
  }
};

TEST_F(WarningsTest, AWarningLineGoesToTheTargetUser) {
  Warnings& picker = Open();
  EXPECT_EQ(picker[LineName(6)].Text(), L"merci de rester poli");
  EXPECT_EQ(picker[LineName(12)].Text(), L"");
  fake.Press(picker[LineName(6)]);
  EXPECT_EQ(Sent(), std::vector<std::wstring>{L"Alice, merci de rester poli"});
  EXPECT_FALSE(picker.Visible());
  EXPECT_EQ(panel().State(), WindowState::Minimized);
  EXPECT_EQ(panel().Bounds().height, 5790);
}

TEST_F(WarningsTest, AnEmptyLineDoesNothingAtAll) {
  Warnings& picker = Open();
  fake.Press(picker[LineName(9)]);
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(picker.Visible());
}

TEST_F(WarningsTest, ATypedWarningLeavesThePanelsHeight) {
  Warnings& picker = Open();
  const int height = panel().Bounds().height;
  Control& box = picker[L"Text1"];
  fake.KeyDown(box, kKeyEnter);
  EXPECT_TRUE(picker.Visible()) << "an empty box sends nothing";
  fake.Type(box, L"  dernier avertissement");
  fake.KeyDown(box, kKeyEnter);
  EXPECT_EQ(Sent(), std::vector<std::wstring>{L"Alice,   dernier avertissement"});
  EXPECT_EQ(box.Text(), L"");
  EXPECT_EQ(panel().Bounds().height, height);
}

TEST_F(WarningsTest, ItOpensAtThePanelsCornerEachTime) {
  Warnings& picker = Open();
  EXPECT_EQ(picker.Bounds().left, panel().Bounds().left);
  fake.Press(picker[LineName(6)]);
  panel().MoveTo(300, 450);
  panel().ShowNormal();
  Open();
  EXPECT_EQ(picker.Bounds().left, 300);
  EXPECT_EQ(picker.Bounds().top, 450);
}

}  // namespace
}  // namespace vl::test
