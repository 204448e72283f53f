#include "platform/fake/FakeWindowSystem.h"

#include <algorithm>

#include "platform/fake/FakePlatform.h"
#include "platform/ui/Form.h"

namespace vl {

FakeFormPeer::FakeFormPeer(FakePlatform& platform, Form& form, WindowHandle handle)
    : platform_(platform), form_(form), handle_(handle) {
  int menu = form.MenuBar().empty() ? 0 : kFakeMenuBar;
  bounds_ = Rect{0, 0, form.ClientWidth() + 2 * kFakeBorder,
                 form.ClientHeight() + kFakeCaption + menu + 2 * kFakeBorder};
}

FakeFormPeer::~FakeFormPeer() {
  platform_.fakeWindows().Forget(this);
}

void FakeFormPeer::SetState(WindowState state) {
  if (destroyed_) return;
  state_ = state;
  // Showing a window normally makes it the active one, as ShowWindow does.
  if (state == WindowState::Normal) platform_.windows().Activation().WindowActivated(form_);
}

void FakeFormPeer::MoveTo(int left, int top) {
  bounds_.left = left;
  bounds_.top = top;
}

bool FakeFormPeer::SetPointerFromFile(const std::wstring& path) {
  if (!platform_.fakeProfile().HasFile(path)) return false;
  pointer_ = path;
  return true;
}

void FakeFormPeer::Destroy() {
  destroyed_ = true;
  state_ = WindowState::Hidden;
  captured_ = false;
}

std::unique_ptr<FormPeer> FakeWindowSystem::CreatePeer(Form& form) {
  auto peer = std::make_unique<FakeFormPeer>(platform_, form, nextHandle_);
  nextHandle_ += 4;
  peers_.push_back(peer.get());
  return peer;
}

FakeFormPeer* FakeWindowSystem::PeerOf(const Form& form) const {
  // The newest peer of the form: a form that was unloaded has a destroyed one.
  for (auto it = peers_.rbegin(); it != peers_.rend(); ++it) {
    if (&(*it)->GetForm() == &form) return *it;
  }
  return nullptr;
}

void FakeWindowSystem::SetScreen(int widthTwips, int heightTwips) {
  screenWidth_ = widthTwips;
  screenHeight_ = heightTwips;
}

}  // namespace vl
