// The window model: what reaches a handler, and what the activation of a window means.
#include "platform/ui/Form.h"

#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"

namespace vl {
namespace {

struct CountingForm : Form {
  CountingForm(Platform& p, const wchar_t* name) : Form(p, FormDesign{name, L"", 1000, 1000, 0}) {}
  void OnActivate() override { ++activations; }
  int activations = 0;
};

TEST(Form, ActivationCountsOnlyWhenTheProgramsActiveWindowChanges) {
  FakePlatform fake;
  CountingForm a(fake, L"A");
  CountingForm b(fake, L"B");
  ASSERT_TRUE(fake.Deliver([&] { a.Show(); }));
  EXPECT_EQ(a.activations, 1);
  ASSERT_TRUE(fake.Activate(a));  // back from another program
  EXPECT_EQ(a.activations, 1);
  ASSERT_TRUE(fake.Deliver([&] { b.Show(); }));
  ASSERT_TRUE(fake.Activate(a));
  EXPECT_EQ(a.activations, 2);
  ASSERT_TRUE(fake.Deliver([&] { a.Hide(); }));
  ASSERT_TRUE(fake.Deliver([&] { a.Show(); }));
  EXPECT_EQ(a.activations, 3) << "shown anew after being hidden";
}

TEST(Form, UnreachableControlsTakeNoInput) {
  FakePlatform fake;
  Form form(fake, FormDesign{L"F", L"", 1000, 1000, 0});
  Control& frame = form.Add({.name = L"Frame", .kind = ControlKind::Frame});
  Control& label = form.Add({.name = L"L", .kind = ControlKind::Label, .container = &frame});
  Control& box = form.Add({.name = L"C", .kind = ControlKind::CheckBox});
  int clicks = 0;
  label.onClick = [&] { ++clicks; };
  fake.Click(label);
  label.SetEnabled(false);
  fake.Click(label);
  label.SetEnabled(true);
  frame.SetVisible(false);
  fake.Click(label);
  EXPECT_EQ(clicks, 1);
  fake.Click(box);
  EXPECT_TRUE(box.Checked()) << "a click toggles a check box";
}

}  // namespace
}  // namespace vl
