// The screen audit: every window of the program in each of its states, made by the program
// itself (an App over the real platform) and driven through its handlers as the user would.
// Each fault found is one failure line; run at 96 and 144 dpi by run-audit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <set>
#include <thread>

#include "app/App.h"
#include "app/ConnexMan.h"
#include "app/Principale.h"
#include "dialogs/Envoimsg.h"
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

struct Item {
  std::wstring name;
  HWND hwnd = nullptr;  // null for shapes and lines, which their container paints
  bool visible = true;
  RECT rect{};  // in the top window's client pixels
  HWND parent = nullptr;
  std::wstring text;
  HFONT font = nullptr;
  Fit fit = Fit::None;
  int margins = 0;       // a text box's left and right margins together
  bool overlay = false;  // meant to lie over other controls when shown
};

std::string Narrow(const std::wstring& w) {
  return {w.begin(), w.end()};  // window names are ASCII
}

// Controls meant to cover others when shown: the click at their centre must reach them.
const std::set<std::wstring> kOverlays = {L"Reglages/frameerreur", L"Reglages/PseudoManu",
                                          L"Reglages/Label6",      L"Principale/Frame1",
                                          L"Principale/Frame2",    L"Principale/Frame3"};
// Reading order the layout must keep: the control lies below the first, above the second.
struct Between {
  const wchar_t *window, *control, *below, *above;
};
const Between kOrder[] = {{L"MessagesEdit", L"Label10", L"Label9", L"Text1(0)"}};

RECT InTop(HWND top, HWND window, bool client) {
  RECT r;
  if (client) {
    GetClientRect(window, &r);
    MapWindowPoints(window, top, reinterpret_cast<POINT*>(&r), 2);
  } else {
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

// The part of the top window's client area where a child of `parent` can show.
RECT ShownArea(HWND top, HWND parent) {
  RECT area = InTop(top, parent, true);
  for (HWND p = parent; p != top; p = GetParent(p)) {
    RECT outer = InTop(top, GetParent(p), true);
    IntersectRect(&area, &area, &outer);
  }
  return area;
}

int Outside(const RECT& r, const RECT& area) {
  return std::max(
      {area.left - r.left, area.top - r.top, r.right - area.right, r.bottom - area.bottom});
}

// What a click at a point of the top window's client area reaches.
HWND HitAt(HWND top, POINT at) {
  HWND hit = top;
  for (;;) {
    POINT p = at;
    MapWindowPoints(top, hit, &p, 1);
    HWND child = ChildWindowFromPointEx(hit, p, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (child == nullptr || child == hit) return hit;
    hit = child;
  }
}

// How far the ink of a control's text goes past the room the renderer gives it: the text is
// drawn unclipped, in its font and wrapping, on a white bitmap; what is not white is ink.
std::string TextFault(const Item& it, int dpi) {
  if (it.fit == Fit::None || it.text.empty() || it.hwnd == nullptr) return {};
  RECT room;
  GetClientRect(it.hwnd, &room);
  const auto px = [dpi](int pixelsAt96) { return MulDiv(pixelsAt96, dpi, 96); };
  if (it.fit == Fit::Button || it.fit == Fit::PushButton)
    InflateRect(&room, -4, -3);  // edge, inset
  if (it.fit == Fit::Line) room.right -= it.margins;
  if (it.fit == Fit::CheckBox) room.left += GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + px(4);
  if (it.fit == Fit::Caption) {  // FrameView: an indent, a gap on each side and at the end
    room.right -= px(8) + 3 * px(2);
    room.bottom = 1 << 20;
  }
  const int width = room.right - room.left, height = room.bottom - room.top;
  const bool wraps = it.fit == Fit::Wrap || it.fit == Fit::Button;
  const UINT format = DT_NOPREFIX | DT_EXPANDTABS | (wraps ? DT_WORDBREAK : DT_SINGLELINE);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ font = SelectObject(dc, it.font);
  RECT need{0, 0, width, 0};
  DrawTextW(dc, it.text.c_str(), -1, &need, format | DT_CALCRECT);
  const int w = std::max<int>(need.right, width) + 8, h = need.bottom + 8;
  BITMAPINFOHEADER header{sizeof header, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, w, h};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  RECT at{0, 0, width, need.bottom};  // the same wrapping as in the control
  DrawTextW(dc, it.text.c_str(), -1, &at, format | DT_NOCLIP);
  GdiFlush();
  int right = 0, bottom = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if ((static_cast<const DWORD*>(bits)[y * w + x] & 0xFFFFFF) == 0xFFFFFF) continue;
      right = std::max(right, x + 1);
      bottom = std::max(bottom, y + 1);
    }
  }
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  SelectObject(dc, font);
  DeleteObject(bitmap);
  DeleteDC(dc);
  const std::string lines = std::to_string(need.bottom / std::max<int>(metrics.tmHeight, 1));
  if (right > width) {
    return "text too wide by " + std::to_string(right - width) + " px (needs " +
           std::to_string(right) + ", has " + std::to_string(width) + ")";
  }
  if (bottom > height) {
    return "text cut by " + std::to_string(bottom - height) + " px at the bottom (" + lines +
           " line(s) need " + std::to_string(bottom) + " px, " + std::to_string(height) +
           " px show)";
  }
  return {};
}

// The window as it shows on the screen, as a BMP file (montage turns it into a picture).
void SaveScreenshot(HWND top, const std::string& path) {
  RECT r, screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  GetWindowRect(top, &r);
  IntersectRect(&r, &r, &screen);  // Wine copies nothing from a rectangle past the screen
  const int w = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFOHEADER header{sizeof header, w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC display = GetDC(nullptr), memory = CreateCompatibleDC(display);
  HBITMAP bitmap = CreateDIBSection(memory, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, display, r.left, r.top, SRCCOPY);
  GdiFlush();
  const DWORD size = static_cast<DWORD>(((w * 3 + 3) & ~3) * h);
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof file + sizeof header + size), 0, 0,
                        sizeof file + sizeof header};
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(static_cast<const char*>(bits), size);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, display);
}

std::vector<Item> ItemsOf(const vl::Form& form) {
  using K = vl::ControlKind;
  HWND top = reinterpret_cast<HWND>(form.Handle());
  const auto& window = *vl::win32::FormWindow::Of(top);
  auto& fonts = static_cast<vl::win32::Win32WindowSystem&>(form.platform().windows()).Fonts();
  std::vector<Item> items;
  for (const auto& c : form.Controls()) {
    Item it;
    it.name = c->Name();
    it.hwnd = window.ControlWindow(*c);
    it.parent = c->Container() != nullptr ? window.ControlWindow(*c->Container()) : top;
    for (const vl::Control* o = c.get(); o != nullptr; o = o->Container())
      it.overlay = it.overlay || kOverlays.contains(form.Name() + L"/" + o->Name());
    if (it.hwnd != nullptr) {
      it.visible = IsWindowVisible(it.hwnd) != FALSE;
      it.rect = InTop(top, it.hwnd, false);
    } else {  // a shape or a line: its design rectangle on its container, at least 1 px wide
      const vl::Rect& b = c->Bounds();
      auto px = [&](int twips) { return MulDiv(twips, window.Dpi(), 1440); };
      const RECT on = InTop(top, it.parent, true);
      it.rect = {std::min(px(b.left), px(b.left + b.width)),
                 std::min(px(b.top), px(b.top + b.height)),
                 std::max(px(b.left), px(b.left + b.width)) + 1,
                 std::max(px(b.top), px(b.top + b.height)) + 1};
      OffsetRect(&it.rect, on.left, on.top);
      it.visible = c->Visible() && IsWindowVisible(it.parent);
    }
    it.text = c->Text();
    it.font = fonts.Get(c->GetFont(), window.Dpi());
    const K kind = c->Kind();
    it.fit = kind == K::Label      ? Fit::Wrap
             : kind == K::Button   ? Fit::Button
             : kind == K::TextBox  ? Fit::Line
             : kind == K::CheckBox ? Fit::CheckBox
             : kind == K::Frame    ? Fit::Caption
                                   : Fit::None;
    DWORD_PTR margins = 0;
    if (kind == K::TextBox && it.visible &&
        SendMessageTimeoutW(it.hwnd, EM_GETMARGINS, 0, 0, SMTO_NORMAL, 100, &margins) != 0) {
      it.margins = LOWORD(margins) + HIWORD(margins);
    }
    items.push_back(std::move(it));
  }
  return items;
}

std::vector<Item> ItemsOfDialog(HWND box) {
  std::vector<Item> items;
  for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t kind[32] = {}, text[1024] = {};
    GetClassNameW(c, kind, 32);
    GetWindowTextW(c, text, 1024);
    const std::wstring k = kind;
    Item it{k + L"(" + std::to_wstring(GetDlgCtrlID(c)) + L")",
            c,
            IsWindowVisible(c) != FALSE,
            InTop(box, c, false),
            box,
            text,
            reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0))};
    it.fit = _wcsicmp(kind, L"Static") == 0   ? Fit::Wrap
             : _wcsicmp(kind, L"Button") == 0 ? Fit::PushButton
                                              : Fit::Line;
    if (it.fit == Fit::Line) {
      const auto m = static_cast<DWORD>(SendMessageW(c, EM_GETMARGINS, 0, 0));
      it.margins = LOWORD(m) + HIWORD(m);
    }
    items.push_back(std::move(it));
  }
  return items;
}

std::vector<std::string> Faults(HWND top, const std::vector<Item>& items, const std::string& window,
                                const std::string& state) {
  const int dpi = static_cast<int>(GetDpiForWindow(top));
  const std::string where = std::to_string(dpi) + " dpi, " + window + ", " + state + ": ";
  if (const char* dir = std::getenv("VL_AUDIT_DIR")) {
    SaveScreenshot(
        top, std::string(dir) + "/" + std::to_string(dpi) + "-" + window + "-" + state + ".bmp");
  }
  std::set<std::string> faults;  // one line per fault, whatever pair found it
  auto name = [&](HWND w) -> std::string {
    for (; w != nullptr && w != top; w = GetParent(w)) {
      for (const Item& it : items)
        if (it.hwnd == w) return Narrow(it.name);
    }
    return "the window itself";
  };
  std::vector<const Item*> shown;
  RECT client;
  GetClientRect(top, &client);
  for (const Item& it : items) {
    RECT area = ShownArea(top, it.parent), seen;
    if (!it.visible || !IntersectRect(&seen, &it.rect, &area)) continue;  // out of sight
    const std::string n = Narrow(it.name);
    if (const int out = Outside(it.rect, client); out > 0) {
      faults.insert(where + n + " straddles the edge of the client area: " + std::to_string(out) +
                    " px outside");
    } else if (const int past = Outside(it.rect, area); past > 0) {
      faults.insert(where + n + " straddles the edge of " + name(it.parent) + ": " +
                    std::to_string(past) + " px outside");
    }
    if (std::string fault = TextFault(it, dpi); !fault.empty())
      faults.insert(where + n + " text clipped: " + fault);
    if (it.hwnd != nullptr) shown.push_back(&it);
  }
  for (size_t i = 0; i < shown.size(); ++i) {
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const Item &a = *shown[i], &b = *shown[j];
      RECT both;
      if (IsChild(a.hwnd, b.hwnd) || IsChild(b.hwnd, a.hwnd) ||
          !IntersectRect(&both, &a.rect, &b.rect)) {
        continue;
      }
      if (!a.overlay && !b.overlay) {
        faults.insert(where + Narrow(a.name) + " and " + Narrow(b.name) + " overlap by " +
                      std::to_string(both.right - both.left) + "x" +
                      std::to_string(both.bottom - both.top) + " px");
      }
      for (const Item* o : {&a, &b}) {  // the overlays are the window's own controls
        const POINT centre{(o->rect.left + o->rect.right) / 2, (o->rect.top + o->rect.bottom) / 2};
        const HWND hit = HitAt(top, centre);
        if (o->overlay && o->parent == top && hit != o->hwnd && !IsChild(o->hwnd, hit))
          faults.insert(where + Narrow(o->name) + " is covered: a click at its centre reaches " +
                        name(hit));
      }
    }
  }
  for (const Between& rule : kOrder) {
    auto find = [&](const wchar_t* n) {
      return std::find_if(items.begin(), items.end(), [n](const Item& it) { return it.name == n; });
    };
    if (Narrow(rule.window) != window || find(rule.control) == items.end()) continue;
    const RECT& r = find(rule.control)->rect;
    const int above = find(rule.below)->rect.bottom - r.top;
    const int below = r.bottom - find(rule.above)->rect.top;
    if (above > 0 || below > 0) {
      faults.insert(where + Narrow(rule.control) + " is not between " + Narrow(rule.below) +
                    " and " + Narrow(rule.above) + ": " + std::to_string(std::max(above, below)) +
                    " px " +
                    (below > 0 ? "below the top of " + Narrow(rule.above)
                               : "above the bottom of " + Narrow(rule.below)));
    }
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
  void SetUp() override { DeleteFileW(app.settings.Path().c_str()); }
  void TearDown() override { DeleteFileW(app.settings.Path().c_str()); }

  // The window in front, painted, then audited.
  void Audit(vl::Form& form, const std::string& state) {
    form.SetAlwaysOnTop();
    vltest::PumpFor(100);
    form.LetPaint();
    Report(
        Faults(reinterpret_cast<HWND>(form.Handle()), ItemsOf(form), Narrow(form.Name()), state));
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
      RECT client, r;
      GetClientRect(top, &client);
      for (int waited = 0; waited < 3000; waited += 10) {
        GetWindowRect(frame, &r);
        MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&r), 2);
        if (r.top < client.bottom) break;
        Sleep(10);
      }
      Sleep(200);  // the panel's LetPaint before its pause
      faults = Faults(top, ItemsOf(panel), "Reglages", state);
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
      Report(Faults(box, ItemsOfDialog(box), name, "ouverte"));
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

TEST_F(ScreenAudit, MessageBoxAndInputBox) {
  vl::Reglages& panel = Panel(L"");
  AuditBox(
      L"Confirmation", IDNO, [&] { panel.Menu(L"Quitter").UserClick(); }, "MessageBox");
  AuditBox(
      L"Entrez le pseudo du roombot", IDOK, [&] { panel.Menu(L"changepseudoroombot").UserClick(); },
      "InputBox");
}

}  // namespace
