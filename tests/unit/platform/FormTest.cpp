// The window model: what reaches a handler.
#include "platform/ui/Form.h"

#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"

namespace vl {
namespace {

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
