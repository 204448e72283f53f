#include "platform/fake/FakeDesktop.h"

#include <algorithm>
#include <stdexcept>

#include "platform/fake/FakeClock.h"

namespace vl {

FakeWindow* FakeDesktop::Get(WindowHandle window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

FakeWindow& FakeDesktop::Window(WindowHandle window) {
  FakeWindow* w = Get(window);
  if (w == nullptr) throw std::out_of_range("no such fake window");
  return *w;
}

void FakeDesktop::Record(ForeignCall::Kind kind, WindowHandle window, std::wstring text) {
  calls_.push_back(ForeignCall{clock_.Now(), kind, window, std::move(text)});
}

WindowHandle FakeDesktop::Create(WindowHandle parent, std::wstring className, std::wstring title) {
  WindowHandle h = nextHandle_;
  nextHandle_ += 4;
  FakeWindow w;
  w.handle = h;
  w.parent = parent;
  w.className = std::move(className);
  w.title = std::move(title);
  windows_.emplace(h, std::move(w));
  if (FakeWindow* p = Get(parent)) p->children.push_back(h);
  return h;
}

void FakeDesktop::Destroy(WindowHandle window) {
  FakeWindow* w = Get(window);
  if (w == nullptr) return;
  std::vector<WindowHandle> children = w->children;
  for (WindowHandle c : children)
    Destroy(c);
  if (FakeWindow* p = Get(w->parent)) std::erase(p->children, window);
  windows_.erase(window);
}

void FakeDesktop::PointAt(Point screen, WindowHandle under) {
  cursor_ = screen;
  underCursor_ = under;
}

std::vector<ForeignCall> FakeDesktop::CallsTo(WindowHandle window, ForeignCall::Kind kind) const {
  std::vector<ForeignCall> out;
  for (const ForeignCall& c : calls_) {
    if (c.window == window && c.kind == kind) out.push_back(c);
  }
  return out;
}

WindowHandle FakeDesktop::FindChild(WindowHandle parent, WindowHandle after,
                                    std::wstring_view className) {
  FakeWindow* p = Get(parent);
  if (p == nullptr) return 0;
  auto it = p->children.begin();
  if (after != 0) {
    it = std::find(p->children.begin(), p->children.end(), after);
    if (it == p->children.end()) return 0;
    ++it;
  }
  for (; it != p->children.end(); ++it) {
    if (Window(*it).className == className) return *it;
  }
  return 0;
}

WindowHandle FakeDesktop::Parent(WindowHandle window) {
  FakeWindow* w = Get(window);
  return (w == nullptr || Get(w->parent) == nullptr) ? 0 : w->parent;
}

std::wstring FakeDesktop::ClassName(WindowHandle window) {
  FakeWindow* w = Get(window);
  return w == nullptr ? std::wstring() : w->className.substr(0, 255);
}

std::wstring FakeDesktop::Title(WindowHandle window) {
  FakeWindow* w = Get(window);
  return w == nullptr ? std::wstring() : w->title.substr(0, 255);
}

WindowHandle FakeDesktop::WindowAtPoint(Point) {
  return underCursor_;
}

int FakeDesktop::TextLength(WindowHandle window) {
  FakeWindow* w = Get(window);
  return w == nullptr ? 0 : static_cast<int>(std::min<size_t>(w->text.size(), kMaxReadChars));
}

void FakeDesktop::ReadText(WindowHandle window, std::wstring& out) {
  Record(ForeignCall::Kind::ReadText, window);
  FakeWindow* w = Get(window);
  if (w == nullptr || w->wholeReadFails) {
    out.clear();
    return;
  }
  if (w->wholeReadMs > 0) clock_.Sleep(w->wholeReadMs);
  out.assign(w->text);
}

const std::wstring* FakeDesktop::RichText(WindowHandle window) {
  FakeWindow* w = Get(window);
  if (w == nullptr || !w->className.starts_with(L"RichEdit") || !w->className.ends_with(L"W"))
    return nullptr;
  if (w->richText) return &*w->richText;
  // Kept for the next call on the same text: a test's long chat is asked several times a tick.
  if (w->text != richSource_) {
    richSource_ = w->text;
    richKept_.clear();
    for (size_t i = 0; i < w->text.size(); ++i) {
      richKept_ += w->text[i];
      if (w->text.compare(i, 2, L"\r\n") == 0) ++i;
    }
  }
  return &richKept_;
}

int FakeDesktop::RichTextLength(WindowHandle window) {
  const std::wstring* kept = RichText(window);
  return kept != nullptr ? static_cast<int>(kept->size()) : -1;
}

bool FakeDesktop::ReadRichText(WindowHandle window, int from, int to, std::wstring& out) {
  const std::wstring* kept = RichText(window);
  if (kept == nullptr || from < 0 || to < from || to - from > kMaxRangeChars) return false;
  if (from > 0) {
    Record(ForeignCall::Kind::ReadEnd, window);
    if (const int cost = Get(window)->endRangeMs; cost > 0) clock_.Sleep(cost);
  }
  // Positions past the end are clamped, as the control clamps them.
  const size_t begin = std::min(kept->size(), static_cast<size_t>(from));
  out.assign(*kept, begin, std::min(kept->size(), static_cast<size_t>(to)) - begin);
  return true;
}

bool FakeDesktop::SetText(WindowHandle window, std::wstring_view text) {
  Record(ForeignCall::Kind::SetText, window, std::wstring(text));
  FakeWindow* w = Get(window);
  if (w == nullptr) return false;
  // WM_SETTEXT carries a NUL-terminated string, copied as such to another process: the
  // window gets the text up to its first NUL.
  w->text.assign(text.substr(0, text.find(L'\0')));
  if (w->onTextSet) w->onTextSet();
  return true;
}

void FakeDesktop::ButtonDown(WindowHandle window) {
  Record(ForeignCall::Kind::ButtonDown, window);
  FakeWindow* w = Get(window);
  if (w != nullptr && w->onButtonDown) w->onButtonDown();
}

void FakeDesktop::ButtonUp(WindowHandle window) {
  Record(ForeignCall::Kind::ButtonUp, window);
  FakeWindow* w = Get(window);
  if (w != nullptr && w->onButtonUp) w->onButtonUp();
}

SentLine FakeDesktop::SendLine(WindowHandle input, WindowHandle button, std::wstring_view text) {
  if (const FakeWindow* box = Get(input)) {
    if (box->refusesLines) return SentLine::Refused();
    if (box->takesLinesLate) {
      auto fate = std::make_shared<SentLine::Fate>(SentLine::Fate::Waiting);
      late_.push_back({input, button, std::wstring(text), fate});
      return SentLine::Started(fate);
    }
  }
  return ForeignWindows::SendLine(input, button, text);
}

void FakeDesktop::CatchUp(bool take) {
  std::vector<LateLine> lines;
  lines.swap(late_);
  for (const LateLine& line : lines) {
    if (take) ForeignWindows::SendLine(line.input, line.button, line.text);
    *line.fate = take ? SentLine::Fate::Taken : SentLine::Fate::Dropped;
  }
}

bool FakeDesktop::IsEnabled(WindowHandle window) {
  FakeWindow* w = Get(window);
  return w != nullptr && w->enabled;
}

}  // namespace vl
