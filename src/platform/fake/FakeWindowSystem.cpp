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

Rect FakeWindowSystem::WorkAreaOf(WindowHandle window) {
  const auto peer = std::find_if(peers_.begin(), peers_.end(), [&](FakeFormPeer* p) {
    return p->Handle() == window && !p->Destroyed();
  });
  if (peer == peers_.end()) return monitors_.front().work;
  // As Windows picks it: the monitor sharing the largest area with the window, else the one
  // at the shortest distance from it.
  const Rect w = (*peer)->Bounds();
  auto gap = [](int from, int size, int start, int length) {
    return std::max({start - (from + size), from - (start + length), 0});
  };
  auto overlap = [](int from, int size, int start, int length) {
    return std::max(0, std::min(from + size, start + length) - std::max(from, start));
  };
  auto rank = [&](const FakeMonitor& m) {
    const Rect& s = m.screen;
    const long long shared =
        1LL * overlap(w.left, w.width, s.left, s.width) * overlap(w.top, w.height, s.top, s.height);
    const long long dx = gap(w.left, w.width, s.left, s.width);
    const long long dy = gap(w.top, w.height, s.top, s.height);
    return std::pair(-shared, dx * dx + dy * dy);
  };
  return std::min_element(monitors_.begin(), monitors_.end(),
                          [&](const auto& a, const auto& b) { return rank(a) < rank(b); })
      ->work;
}

}  // namespace vl
