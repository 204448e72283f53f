// The screen audit: every window of the program in each of its states, made by the program
// itself (an App over the real platform) and driven through its handlers as the user would.
// Each fault found is one failure line; run at 96 and 144 dpi by run-audit.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <thread>

#include "app/App.h"
#include "app/ConnexMan.h"
#include "app/Principale.h"
#include "dialogs/Envoimsg.h"
#include "dialogs/JournalWindow.h"
#include "dialogs/Messages.h"
#include "dialogs/MessagesEdit.h"
#include "dialogs/RaisonsKick.h"
#include "dialogs/Warnings.h"
#include "panel/Reglages.h"
#include "platform/win32/FormWindow.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32WindowSystem.h"
#include "win32/WinTestSupport.h"

namespace {

// How a control lays out its text: labels wrap, our command buttons wrap inside their edge,
// native push buttons, text boxes and check boxes keep one line, a frame's caption one line
// on its top edge.
enum class Fit { None, Wrap, Button, PushButton, Line, CheckBox, Caption };
// By ControlKind: Label, Button, TextBox, CheckBox, Frame, then shapes, lines, pictures and
// lists (which scroll their items).
constexpr Fit kFits[] = {Fit::Wrap, Fit::Button, Fit::Line, Fit::CheckBox, Fit::Caption,
                         Fit::None, Fit::None,   Fit::None, Fit::None};
static_assert(std::size(kFits) == static_cast<size_t>(vl::ControlKind::List) + 1);

struct Item {
  std::string name;
  HWND hwnd, parent;      // hwnd is null for shapes and lines, which their container paints
  RECT rect;              // in the top window's client pixels
  bool visible, overlay;  // an overlay is meant to lie over other controls when shown
  std::wstring text;
  HFONT font;
  Fit fit;
};

const auto N = [](const std::wstring& w) { return std::string(w.begin(), w.end()); };  // ASCII
const auto I = [](long n) { return std::to_string(n); };
const auto R = [](const RECT& r) {
  char s[64];
  std::snprintf(s, sizeof s, "(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right, r.bottom);
  return std::string(s);
};

// Controls meant to cover others when shown: the click at their centre must reach them.
const std::set<std::wstring> kOverlays = {L"Reglages/frameerreur", L"Reglages/PseudoManu",
                                          L"Reglages/Label6",      L"Principale/Frame1",
                                          L"Principale/Frame2",    L"Principale/Frame3"};
// Reading order the layout must keep: {window, control, the one it lies below, the one above}.
const std::array<std::string, 4> kOrder[] = {{"MessagesEdit", "Label10", "Label9", "Text1(0)"}};

RECT InTop(HWND top, HWND window, bool client) {
  RECT r;
  client ? GetClientRect(window, &r) : GetWindowRect(window, &r);
  MapWindowPoints(client ? window : HWND_DESKTOP, top, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

const auto Outside = [](const RECT& r, const RECT& a) {
  return std::max({a.left - r.left, a.top - r.top, r.right - a.right, r.bottom - a.bottom});
};

// How far the ink of a control's text goes past the room the renderer gives it: the text is
// drawn unclipped, in its font and wrapping, on a white bitmap; what is not white is ink. Each
// line needs its room down to the font's descent, whether this text has a descender there.
std::string TextFault(const Item& it, int dpi) {
  if (it.fit == Fit::None || it.text.empty() || it.hwnd == nullptr) return {};
  RECT room;
  GetClientRect(it.hwnd, &room);
  const auto px = [dpi](int pixelsAt96) { return MulDiv(pixelsAt96, dpi, 96); };
  DWORD_PTR margins = 0;  // a text box's; with a time-out, as the panel may be in a pause
  if (it.fit == Fit::Button || it.fit == Fit::PushButton) InflateRect(&room, -4, -3);  // edge
  if (it.fit == Fit::Line)
    SendMessageTimeoutW(it.hwnd, EM_GETMARGINS, 0, 0, SMTO_NORMAL, 100, &margins);
  room.right -= LOWORD(margins) + HIWORD(margins);
  if (it.fit == Fit::CheckBox) room.left += GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + px(4);
  if (it.fit == Fit::Caption)  // FrameView: an indent, a gap on each side and at the end
    room = {room.left, room.top, room.right - px(8) - 3 * px(2), 1 << 20};
  const int width = room.right - room.left, height = room.bottom - room.top;
  const bool wraps = it.fit == Fit::Wrap || it.fit == Fit::Button;
  const UINT format = DT_NOPREFIX | DT_EXPANDTABS | (wraps ? DT_WORDBREAK : DT_SINGLELINE);
  vltest::Bitmap probe(1, 1);
  SelectObject(probe.dc, it.font);
  RECT need{0, 0, width, 0};
  DrawTextW(probe.dc, it.text.c_str(), -1, &need, format | DT_CALCRECT);
  TEXTMETRICW metrics;
  GetTextMetricsW(probe.dc, &metrics);
  vltest::Bitmap ink(std::max<int>(need.right, width) + 8, need.bottom + 8);
  SelectObject(ink.dc, it.font);
  PatBlt(ink.dc, 0, 0, ink.width, ink.height, WHITENESS);
  SetBkMode(ink.dc, TRANSPARENT);
  RECT at{0, 0, width, need.bottom};  // the same wrapping as in the control
  DrawTextW(ink.dc, it.text.c_str(), -1, &at, format | DT_NOCLIP);
  GdiFlush();
  int right = 0, bottom = 0;
  for (int y = 0; y < ink.height; ++y)
    for (int x = 0; x < ink.width; ++x)
      if (ink.At(x, y) != RGB(255, 255, 255)) right = std::max(right, x + 1), bottom = y + 1;
  bottom = std::max<int>(bottom, need.bottom);  // the last line's descent, with or without ink
  if (right > width)
    return "text too wide by " + I(right - width) + " px (needs " + I(right) + ", has " + I(width) +
           ")";
  if (bottom > height)
    return "text cut by " + I(bottom - height) + " px at the bottom (" +
           I(need.bottom / std::max<int>(metrics.tmHeight, 1)) + " line(s) need " + I(bottom) +
           " px, " + I(height) + " px show)";
  return {};
}

// The program's controls; a window is also checked against the pixels its twips give (edges
// rounded) and the text it shows (a text box's own buffer is not the window's text).
std::vector<Item> ItemsOf(const vl::Form& form, const std::function<void(std::string)>& add) {
  using K = vl::ControlKind;
  HWND top = reinterpret_cast<HWND>(form.Handle());
  const auto& window = *vl::win32::FormWindow::Of(top);
  auto& fonts = static_cast<vl::win32::Win32WindowSystem&>(form.platform().windows()).Fonts();
  const auto px = [dpi = GetDpiForWindow(top)](int twips) { return MulDiv(twips, dpi, 1440); };
  std::vector<Item> items;
  for (const auto& c : form.Controls()) {
    HWND hwnd = window.ControlWindow(*c);
    HWND parent = c->Container() != nullptr ? window.ControlWindow(*c->Container()) : top;
    bool overlay = false;
    for (const vl::Control* o = c.get(); o != nullptr; o = o->Container())
      overlay = overlay || kOverlays.contains(form.Name() + L"/" + o->Name());
    const vl::Rect& b = c->Bounds();
    RECT d{px(b.left), px(b.top), px(b.left + b.width), px(b.top + b.height)};
    const RECT on = InTop(top, parent, true);
    OffsetRect(&d, on.left, on.top);
    // A shape or a line shows its design rectangle, at least 1 px wide.
    RECT rect = hwnd != nullptr
                    ? InTop(top, hwnd, false)
                    : RECT{std::min(d.left, d.right), std::min(d.top, d.bottom),
                           std::max(d.left, d.right) + 1, std::max(d.top, d.bottom) + 1};
    wchar_t shows[1024] = {};
    if (hwnd != nullptr) {
      InternalGetWindowText(hwnd, shows, 1024);  // sends nothing: the panel may be in a pause
      if (!EqualRect(&rect, &d))
        add(N(c->Name()) + " lies at " + R(rect) + ", its twips give " + R(d));
      else if (c->Kind() != K::TextBox && shows != c->Text())
        add(N(c->Name()) + " shows \"" + N(shows) + "\", not \"" + N(c->Text()) + "\"");
    }
    const bool visible =
        hwnd != nullptr ? IsWindowVisible(hwnd) != FALSE : c->Visible() && IsWindowVisible(parent);
    items.push_back({N(c->Name()), hwnd, parent, rect, visible, overlay, c->Text(),
                     fonts.Get(c->GetFont(), window.Dpi()), kFits[static_cast<size_t>(c->Kind())]});
  }
  return items;
}

std::vector<Item> ItemsOfDialog(HWND box) {
  std::vector<Item> items;
  for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t kind[32] = {};
    GetClassNameW(c, kind, 32);
    const Fit fit = _wcsicmp(kind, L"Static") == 0   ? Fit::Wrap
                    : _wcsicmp(kind, L"Button") == 0 ? Fit::PushButton
                                                     : Fit::Line;
    items.push_back({N(kind) + "(" + I(GetDlgCtrlID(c)) + ")", c, box, InTop(box, c, false),
                     IsWindowVisible(c) != FALSE, false, vltest::TextOf(c),
                     reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)), fit});
  }
  return items;
}

// The faults of a window of the program, or of a box of Windows when `form` is null.
std::vector<std::string> Faults(HWND top, const vl::Form* form, const std::string& window,
                                const std::string& state) {
  const std::string dpi = I(GetDpiForWindow(top));
  std::set<std::string> faults;  // one line per fault, whatever pair found it
  auto add = [&](const std::string& fault) {
    faults.insert(dpi + " dpi, " + window + ", " + state + ": " + fault);
  };
  RECT r, screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  GetWindowRect(top, &r);
  if (const int out = Outside(r, screen); out > 0)
    add("the window stands past the edge of the screen: " + I(out) + " px outside");
  if (const char* dir = std::getenv("VL_AUDIT_DIR")) {
    IntersectRect(&r, &r, &screen);  // Wine copies nothing from a rectangle past the screen
    vltest::Bitmap(r).Save(std::string(dir) + "/" + dpi + "-" + window + "-" + state + ".bmp");
  }
  const std::vector<Item> items = form != nullptr ? ItemsOf(*form, add) : ItemsOfDialog(top);
  auto name = [&](HWND w) -> std::string {
    for (; w != nullptr && w != top; w = GetParent(w))
      for (const Item& it : items)
        if (it.hwnd == w) return it.name;
    return "the window itself";
  };
  auto find = [&](const std::string& n) {
    const auto it = std::find_if(items.begin(), items.end(), [&](auto& i) { return i.name == n; });
    return it != items.end() ? &*it : nullptr;
  };
  std::vector<const Item*> shown;
  RECT client;
  GetClientRect(top, &client);
  for (const Item& it : items) {
    RECT area = InTop(top, it.parent, true), seen;  // where a child of its parent can show
    for (HWND p = it.parent; p != top; p = GetParent(p)) {
      const RECT outer = InTop(top, GetParent(p), true);
      IntersectRect(&area, &area, &outer);
    }
    if (!it.visible || !IntersectRect(&seen, &it.rect, &area)) continue;  // out of sight
    if (const int out = Outside(it.rect, client); out > 0)
      add(it.name + " straddles the edge of the client area: " + I(out) + " px outside");
    else if (const int past = Outside(it.rect, area); past > 0)
      add(it.name + " straddles the edge of " + name(it.parent) + ": " + I(past) + " px outside");
    if (std::string fault = TextFault(it, GetDpiForWindow(top)); !fault.empty())
      add(it.name + " text clipped: " + fault);
    if (it.hwnd != nullptr) shown.push_back(&it);
  }
  for (size_t i = 0; i < shown.size(); ++i) {
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const Item &a = *shown[i], &b = *shown[j];
      RECT both;
      if (IsChild(a.hwnd, b.hwnd) || IsChild(b.hwnd, a.hwnd) ||
          !IntersectRect(&both, &a.rect, &b.rect))
        continue;
      if (!a.overlay && !b.overlay)
        add(a.name + " and " + b.name + " overlap by " + I(both.right - both.left) + "x" +
            I(both.bottom - both.top) + " px");
      for (const Item* o : {&a, &b}) {  // the overlays are the window's own controls
        if (!o->overlay || o->parent != top) continue;
        POINT at{(o->rect.left + o->rect.right) / 2, (o->rect.top + o->rect.bottom) / 2};
        HWND hit = top;  // what a click there reaches
        for (HWND child; (child = ChildWindowFromPointEx(
                              hit, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT)) != nullptr &&
                         child != hit;) {
          MapWindowPoints(hit, child, &at, 1);
          hit = child;
        }
        if (hit != o->hwnd && !IsChild(o->hwnd, hit))
          add(o->name + " is covered: a click at its centre reaches " + name(hit));
      }
    }
  }
  for (const auto& [win, control, below, above] : kOrder) {
    const Item *c = find(control), *b = find(below), *a = find(above);
    if (win != window || c == nullptr) continue;
    const int up = b->rect.bottom - c->rect.top, down = c->rect.bottom - a->rect.top;
    if (up > 0 || down > 0)
      add(control + " is not between " + below + " and " + above + ": " + I(std::max(up, down)) +
          " px " + (down > 0 ? "below the top of " + above : "above the bottom of " + below));
  }
  return {faults.begin(), faults.end()};
}

void Report(const std::vector<std::string>& faults) {
  for (const std::string& fault : faults)
    ADD_FAILURE() << "audit: " << fault;
}

class ScreenAudit : public ::testing::Test {
 protected:
  // No settings file: the first run's explanations, no room bot nickname yet.
  void SetUp() override {
    DeleteFileW(app.settings.Path().c_str());
    DeleteFileW(app.journal.Path().c_str());
  }
  void TearDown() override { SetUp(); }

  // The window in front, painted, then audited.
  void Audit(vl::Form& form, const std::string& state) {
    form.SetAlwaysOnTop();
    vltest::PumpFor(100);
    form.LetPaint();
    Report(Faults(reinterpret_cast<HWND>(form.Handle()), &form, N(form.Name()), state));
  }

  // The panel as after the handshake, with a target user; without a room its watchdog would
  // end the program, so it is stopped.
  vl::Reglages& Panel(const std::wstring& target) {
    app.records.shared.BotNick = L"RoomBot";
    vl::Reglages& panel = app.Panel();
    panel.TimerEtat.SetEnabled(false);
    for (int i = 1; i <= vl::kPhraseCount; ++i)
      app.records.phrases[static_cast<size_t>(i)] = L"Bonjour $N, phrase " + std::to_wstring(i);
    panel[L"Label2"].SetText(target);
    panel.Show();
    return panel;
  }

  // The missing-nickname signal lasts one pause of the panel's thread: it is audited from
  // another thread as soon as it is in view.
  void AuditSignal(vl::Reglages& panel, const std::string& state) {
    HWND top = reinterpret_cast<HWND>(panel.Handle());
    HWND frame = vl::win32::FormWindow::Of(top)->ControlWindow(panel[L"frameerreur"]);
    std::vector<std::string> faults;
    std::thread watcher([&] {
      RECT client;
      GetClientRect(top, &client);
      for (int waited = 0; waited < 3000 && InTop(top, frame, false).top >= client.bottom;
           waited += 10)
        Sleep(10);
      Sleep(200);  // the panel's LetPaint before its pause
      faults = Faults(top, &panel, "Reglages", state);
    });
    panel[L"ReyCommand8"].UserClick();  // "Kick" without a target user
    watcher.join();
    Report(faults);
  }

  // A modal box of Windows, audited from a timer tick of its modal loop, then closed.
  void AuditBox(const wchar_t* title, WPARAM close, const std::function<void()>& open,
                const std::string& name) {
    vl::Timer timer(platform.clock(), L"audit", 50);
    timer.onTick = [&] {
      HWND box = FindWindowW(L"#32770", title);
      if (box == nullptr || GetWindowThreadProcessId(box, nullptr) != GetCurrentThreadId()) return;
      timer.SetEnabled(false);
      SetWindowPos(box, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      vltest::PumpFor(200);
      Report(Faults(box, nullptr, name, "ouverte"));
      PostMessageW(box, WM_COMMAND, close, 0);
    };
    timer.SetEnabled(true);
    open();
    timer.SetEnabled(false);
  }

  vl::win32::Win32Platform platform;
  vl::App app{platform};
};

TEST_F(ScreenAudit, Principale) {
  app.Start();
  vl::Principale& window = app.MainWindow();
  Audit(window, "explications");
  window[L"ReyCommand1"].UserClick();  // "J'ai bien lu": no nickname yet, so it is asked
  Audit(window, "pseudo");
  window[L"saisiepseudo"].UserEditedText(L"RoomBot");
  window[L"saisiepseudo"].UserKeyDown(vl::kKeyEnter);
  Audit(window, "prete");
  window.ShowIncompatibleBotNotice();
  Audit(window, "bot-incompatible");
}

TEST_F(ScreenAudit, ConnexMan) {
  app.Start();
  app.MainWindow()[L"Connexionroom"].UserClick();
  Audit(app.AttachWindow(), "attente");
}

TEST_F(ScreenAudit, Reglages) {
  vl::Reglages& panel = Panel(L"");
  Audit(panel, "complet");
  AuditSignal(panel, "signal");
  panel.Menu(L"standby").UserClick();
  Audit(panel, "pause");
  AuditSignal(panel, "pause-signal");
  panel.Menu(L"standby").UserClick();
  panel[L"Label2"].UserDblClick();  // the manual entry of a nickname
  Audit(panel, "saisie-manuelle");
  panel[L"PseudoManu"].UserKeyDown(vl::kKeyEnter);
  panel.ApplyRestrictedLayout();
  Audit(panel, "niveau2");
}

TEST_F(ScreenAudit, PhrasePickers) {
  vl::Reglages& panel = Panel(L"Alice");
  panel[L"ReyCommand4"].UserClick();  // kick with a reason
  Audit(*app.RaisonsKickWindow(), "raisons");
  panel[L"ReyCommand14"].UserClick();  // warn
  Audit(*app.WarningsWindow(), "avertir");
  panel[L"ReyCommand15"].UserClick();  // announcements
  Audit(*app.MessagesWindow(), "avec-pseudo");
}

TEST_F(ScreenAudit, MessagesWithoutTarget) {
  Panel(L"")[L"ReyCommand15"].UserClick();
  Audit(*app.MessagesWindow(), "sans-pseudo");
}

TEST_F(ScreenAudit, EditorAndCategoryMessages) {
  vl::Reglages& panel = Panel(L"Alice");
  panel.Menu(L"Mesgusers").UserClick();
  Audit(*app.PhraseEditor(), "edition");
  panel[L"ReyCommand13"].UserClick();
  Audit(*app.EnvoimsgWindow(), "saisie");
}

TEST_F(ScreenAudit, Journal) {
  vl::Reglages& panel = Panel(L"Zoé");
  for (const wchar_t* action : {L"avertissement", L"kick", L"ban définitif"}) {
    app.journal.Record({.room = L"Salle",
                        .moderator = L"Modo",
                        .action = action,
                        .target = L"Zoé",
                        .reason = L"insultes répétées envers les autres utilisateurs du salon",
                        .line = L"ligne"},
                       vl::SentLine::Taken());
  }
  panel.Menu(L"journal").UserClick();
  Audit(*app.JournalWindowMade(), "pseudo");
}

TEST_F(ScreenAudit, MessageBoxAndInputBox) {
  vl::Reglages& panel = Panel(L"");
  AuditBox(
      L"Confirmation", IDNO, [&] { panel.Menu(L"Quitter").UserClick(); }, "MessageBox");
  AuditBox(
      L"Entrez le pseudo du roombot", IDOK, [&] { panel.Menu(L"changepseudoroombot").UserClick(); },
      "InputBox");
}

}  // namespace
