// One view class per kind of control.
#include "platform/win32/ButtonView.h"
#include "platform/win32/CheckBoxView.h"
#include "platform/win32/ControlView.h"
#include "platform/win32/FrameView.h"
#include "platform/win32/LabelView.h"
#include "platform/win32/ListBoxView.h"
#include "platform/win32/PictureView.h"
#include "platform/win32/ShapeView.h"
#include "platform/win32/TextBoxView.h"

namespace vl::win32 {

std::unique_ptr<ControlView> ControlView::Make(Control& control, ViewHost& host) {
  switch (control.Kind()) {
    case ControlKind::Label:
      return std::make_unique<LabelView>(control, host);
    case ControlKind::Button:
      return std::make_unique<ButtonView>(control, host);
    case ControlKind::TextBox:
      return std::make_unique<TextBoxView>(control, host);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBoxView>(control, host);
    case ControlKind::Frame:
      return std::make_unique<FrameView>(control, host);
    case ControlKind::Picture:
      return std::make_unique<PictureView>(control, host);
    case ControlKind::List:
      return std::make_unique<ListBoxView>(control, host);
    case ControlKind::Shape:
    case ControlKind::Line:
      return std::make_unique<ShapeView>(control, host);
  }
  return std::make_unique<LabelView>(control, host);
}

}  // namespace vl::win32
