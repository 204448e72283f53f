// The form's bookkeeping: its controls, menus and timers, and the hand-over to its peer.
#include "platform/ui/Form.h"

#include <algorithm>
#include <stdexcept>

namespace vl {

void ActivationTracker::WindowActivated(Form& form) {
  if (last_ == &form) return;
  last_ = &form;
  form.Activated();
}

Form::Form(Platform& platform, FormDesign design)
    : platform_(platform), design_(std::move(design)) {}

Form::~Form() {
  platform_.windows().Activation().WindowHidden(*this);
  for (auto& timer : timers_)
    timer->SetEnabled(false);
  for (auto& control : controls_)
    control->SetObserver(nullptr);
  if (peer_) peer_->Destroy();
}

void Form::SetCaption(std::wstring caption) {
  design_.caption = std::move(caption);
  if (peer_) peer_->CaptionChanged();
}

Control& Form::Add(ControlDesign design) {
  controls_.push_back(std::make_unique<Control>(std::move(design)));
  return *controls_.back();
}

Timer& Form::AddTimer(std::wstring name, int intervalMs, bool enabled) {
  timers_.push_back(std::make_unique<Timer>(platform_.clock(), std::move(name), intervalMs));
  if (enabled) designEnabled_.push_back(timers_.back().get());
  return *timers_.back();
}

MenuItem& Form::AddMenu(std::wstring name, std::wstring caption, MenuItem* parent) {
  menus_.push_back(std::make_unique<MenuItem>(std::move(name), std::move(caption), parent));
  MenuItem& item = *menus_.back();
  if (parent != nullptr) parent->AddItem(&item);
  return item;
}

Control* Form::Find(std::wstring_view name) const {
  for (const auto& c : controls_) {
    if (c->Name() == name) return c.get();
  }
  return nullptr;
}

Control& Form::operator[](std::wstring_view name) const {
  Control* c = Find(name);
  if (c == nullptr) throw std::out_of_range("no such control");
  return *c;
}

MenuItem& Form::Menu(std::wstring_view name) const {
  for (const auto& m : menus_) {
    if (m->Name() == name) return *m;
  }
  throw std::out_of_range("no such menu");
}

Timer& Form::GetTimer(std::wstring_view name) const {
  for (const auto& t : timers_) {
    if (t->Name() == name) return *t;
  }
  throw std::out_of_range("no such timer");
}

std::vector<MenuItem*> Form::MenuBar() const {
  std::vector<MenuItem*> bar;
  for (const auto& m : menus_) {
    if (m->Parent() == nullptr) bar.push_back(m.get());
  }
  return bar;
}

void Form::Load() {
  if (loaded_ || unloaded_) return;
  loaded_ = true;
  peer_ = platform_.windows().CreatePeer(*this);
  for (auto& c : controls_)
    c->SetObserver(peer_.get());
  for (auto& m : menus_)
    m->SetObserver(peer_.get());
  for (Timer* t : designEnabled_)
    t->SetEnabled(true);
  OnLoad();
}

void Form::Unload() {
  if (!loaded_) return;
  loaded_ = false;
  unloaded_ = true;
  platform_.windows().Activation().WindowHidden(*this);
  for (auto& timer : timers_)
    timer->SetEnabled(false);
  for (auto& c : controls_)
    c->SetObserver(nullptr);
  for (auto& m : menus_)
    m->SetObserver(nullptr);
  if (peer_) peer_->Destroy();
}

void Form::CloseRequested() {
  if (OnCloseRequest()) Unload();
}

void Form::Show() {
  Load();
  if (peer_) peer_->SetState(WindowState::Normal);
}

void Form::Hide() {
  platform_.windows().Activation().WindowHidden(*this);
  if (peer_) peer_->SetState(WindowState::Hidden);
}

void Form::Minimize() {
  if (peer_) peer_->SetState(WindowState::Minimized);
}

void Form::ShowNormal() {
  Show();
}

WindowState Form::State() const {
  return peer_ ? peer_->State() : WindowState::Hidden;
}

void Form::SetTopmost(bool topmost) {
  topmost_ = topmost;
  if (peer_) peer_->SetTopmost(topmost);
}

Rect Form::Bounds() const {
  return peer_ ? peer_->Bounds() : Rect{};
}

void Form::MoveTo(int left, int top) {
  if (peer_) peer_->MoveTo(left, top);
}

void Form::SetHeight(int height) {
  if (peer_) peer_->SetHeight(height);
}

void Form::LetPaint() {
  if (peer_) peer_->LetPaint();
}

void Form::Focus(Control& control) {
  if (peer_) peer_->Focus(control);
}

bool Form::SetPointerFromFile(const std::wstring& path) {
  return peer_ ? peer_->SetPointerFromFile(path) : false;
}

void Form::ResetPointer() {
  if (peer_) peer_->ResetPointer();
}

void Form::CaptureMouse() {
  if (peer_) peer_->CaptureMouse();
}

void Form::ReleaseMouse() {
  if (peer_) peer_->ReleaseMouse();
}

WindowHandle Form::Handle() const {
  return peer_ ? peer_->Handle() : 0;
}

void Form::CentreOnScreen() {
  WindowSystem& ws = platform_.windows();
  Rect b = Bounds();
  int top = (ws.ScreenHeight() - b.height) / 2;
  int left = (ws.ScreenWidth() - b.width) / 2;
  MoveTo(left, top);
}

void Form::MoveToCornerOf(const Form& other) {
  const Rect corner = other.Bounds();
  const Rect work = platform_.windows().WorkAreaOf(other.Handle());
  const Rect b = Bounds();
  // Along one axis: a window larger than the work area keeps its start (and its caption) in it.
  auto within = [](int at, int size, int start, int length) {
    return std::max(start, std::min(at, start + length - size));
  };
  MoveTo(within(corner.left, b.width, work.left, work.width),
         within(corner.top, b.height, work.top, work.height));
}

}  // namespace vl
