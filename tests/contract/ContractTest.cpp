// What the program relies on of both platforms, one suite over the fake and over real windows
// under Wine: the calls on the chat client's windows, the timers, and the activation of the
// program's own windows. On Wine time is real: ticks are counted within generous bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>

#include "contract/Desk.h"
#include "platform/ui/Form.h"
#include "platform/ui/Timer.h"

namespace contract {
namespace {

class Contract : public ::testing::Test {
 protected:
  std::unique_ptr<Desk> desk = MakeDesk();
  vl::Platform& p = desk->platform();
  vl::ForeignWindows& f = p.foreign();
  const std::wstring title = L"Salle \u2014 \u03a9mega " + std::wstring(300, L'\u00e9');
  const std::vector<WindowHandle> w =
      desk->MakeRoom(title, {L"Button", L"Edit", L"Button", L"Static", L"Button", L"RichEdit20W"});
  const WindowHandle room = w[0], b1 = w[1], edit = w[2], b2 = w[3], b3 = w[5], rich = w[6];
  std::wstring buffer = std::wstring(64, L'-');  // storage that a reader keeps between its ticks

  // What the program learns of the room: the edit found, its parent, class and text's length,
  // the room's title, and whether the first button is enabled.
  auto Ask() {
    return std::tuple(f.FindChild(room, 0, L"Edit"), f.Parent(edit), f.ClassName(edit),
                      f.TextLength(edit), f.Title(room), f.IsEnabled(b1));
  }
  std::wstring& Read(WindowHandle window) { return f.ReadText(window, buffer), buffer; }
  int Click(WindowHandle b) { return f.ButtonDown(b), f.ButtonUp(b), desk->Clicks(b); }
};

TEST_F(Contract, ChildrenByClassInOrderTheSearchStartsAgainParentClassAndTitle) {
  // {after, found}: past the last match nothing, and from 0 the first one again.
  const std::pair<WindowHandle, WindowHandle> search[] = {
      {0, b1}, {b1, b2}, {b2, b3}, {b3, 0}, {0, b1}};
  for (const auto& [after, found] : search)
    EXPECT_EQ(f.FindChild(room, after, L"Button"), found) << "after " << after;
  EXPECT_EQ(Ask(), std::tuple(edit, room, L"Edit", 0, title.substr(0, 255), true));
  // No parent is no search of the desktop; a top-level window has no parent.
  EXPECT_EQ(std::tuple(f.FindChild(0, 0, L"ContractRoom"), f.Parent(room)), std::tuple(0u, 0u));
}

TEST_F(Contract, TextIsSetMeasuredAndReadAndAPressWithAReleaseClicks) {
  const std::wstring nick = L"Zo\u00eb_\u65e5\u672c_\u0411\u043e\u0440\u0438\u0441";
  const wchar_t* storage = buffer.data();
  EXPECT_TRUE(f.SetText(edit, nick));
  EXPECT_EQ(f.TextLength(edit), static_cast<int>(nick.size()));
  EXPECT_EQ(Read(edit), nick);
  f.SetText(edit, L"");
  EXPECT_EQ(Read(edit), L"");
  // WM_SETTEXT carries a NUL-terminated string: a text is cut at its first NUL.
  EXPECT_TRUE(f.SetText(edit, std::wstring(L"ab\0cd", 5)));
  EXPECT_EQ(std::pair(f.TextLength(edit), Read(edit)), std::pair(2, std::wstring(L"ab")));
  EXPECT_EQ(buffer.data(), storage) << "a reader that ticks does not allocate anew";
  // A rich edit's range reads count a paragraph end as one "\r" and clamp past the end; an
  // edit refuses them.
  f.SetText(rich, L"un\r\nJoin: Zo\u00eb\r\n");
  std::wstring range, end;
  EXPECT_EQ(std::tuple(f.RichTextLength(rich), f.ReadRichText(rich, 3, 13, range), range,
                       f.ReadRichText(rich, 11, 40, end), end, f.RichTextLength(edit)),
            std::tuple(13, true, L"Join: Zo\u00eb\r", true, L"\u00eb\r", -1));
  EXPECT_EQ(Click(b3), 1);
  EXPECT_TRUE(f.IsEnabled(b2));
  desk->Disable(b2);
  EXPECT_FALSE(f.IsEnabled(b2));
}

TEST_F(Contract, AWindowThatHasGoneGivesTheFailedResults) {
  desk->Destroy(room);  // and its children with it
  EXPECT_EQ(Ask(), std::tuple(0u, 0u, L"", 0, L"", false));
  EXPECT_EQ(std::tuple(Read(edit), f.SetText(edit, L"x"), Click(b1)), std::tuple(L"", false, 0));
}

// A fast and a slow timer; the slow one's first tick may hold the program for a while, in a
// pause or under a message box. `order` has the ticks as they came, the hold in brackets.
// {name, the fast and the slow period, the time passing, the pause or the box (ms, or 0)}
using TimerCase = std::tuple<const char*, int, int, int, int, int>;
// The journal's file: appends create it or add at its end, bytes come back whole from an
// offset, a missing file gives nothing; and the calendar is a plausible local date.
TEST_F(Contract, AFileIsAppendedToAndReadBackFromAnOffset) {
  const std::wstring path = p.profile().ExecutableFolder() + L"\\contract-append.csv";
  desk->RemoveFile(path);
  EXPECT_FALSE(p.files().Read(path, 0, 8));
  EXPECT_TRUE(p.files().Append(path, "ab\r\n"));
  EXPECT_TRUE(p.files().Append(path, std::string("c\0\xC3\xA9", 4)));
  EXPECT_EQ(p.profile().FileLength(path), 8u);
  EXPECT_EQ(p.files().Read(path, 2, 100), std::string("\r\nc\0\xC3\xA9", 6));
  EXPECT_EQ(p.files().Read(path, 1, 2), "b\r");
  EXPECT_EQ(p.files().Read(path, 20, 4), "");
  desk->RemoveFile(path);
  const vl::LocalTime t = p.clock().LocalNow();
  EXPECT_TRUE(t.year >= 2024 && t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 &&
              t.hour < 24 && t.minute < 60 && t.offsetMinutes % 15 == 0 &&
              t.offsetMinutes >= -12 * 60 && t.offsetMinutes <= 14 * 60);
}

class ContractTimers : public Contract, public ::testing::WithParamInterface<TimerCase> {};

TEST_P(ContractTimers, Tick) {
  // Named copies, not a structured binding: the lambdas below capture them.
  const int fastMs = std::get<1>(GetParam()), slowMs = std::get<2>(GetParam()),
            passMs = std::get<3>(GetParam()), pauseMs = std::get<4>(GetParam()),
            boxMs = std::get<5>(GetParam());
  const wchar_t question[] = L"Vous confirmez ? \u00e9\u20ac";
  vl::Timer fast(p.clock(), L"f", fastMs), slow(p.clock(), L"s", slowMs);
  std::wstring order;
  std::uint64_t end = 0;
  // 'F': a fast tick within a period of the hold's end.
  fast.onTick = [&] { order += end != 0 && p.clock().NowMs() < end + fastMs ? L'F' : L'f'; };
  slow.onTick = [&] {
    order += L's';
    if (pauseMs + boxMs == 0 || order.find(L'[') != std::wstring::npos) return;
    order += L'[';
    const std::uint64_t from = p.clock().NowMs();
    if (pauseMs != 0) p.clock().Sleep(pauseMs);
    if (boxMs != 0) {
      std::wstring shown;
      desk->AnswerNextBox(boxMs, vl::MessageBoxAnswer::Yes, shown);
      const vl::MessageBoxAnswer answer =
          p.dialogs().ShowMessage(question, L"Confirmation", vl::MessageBoxStyle::YesNoQuestion);
      EXPECT_EQ(std::tuple(answer, shown), std::tuple(vl::MessageBoxAnswer::Yes, question));
    }
    end = p.clock().NowMs();
    EXPECT_GE(end - from + 20, static_cast<std::uint64_t>(pauseMs + boxMs));
    order += L']';
  };
  fast.SetEnabled(true);
  slow.SetEnabled(true);
  const std::uint64_t fromMs = p.clock().NowMs(), fromUs = p.clock().NowUs();
  desk->Pass(passMs);
  // The fine clock keeps the coarse one's time, within a step of it (16 ms on Windows).
  EXPECT_NEAR((p.clock().NowUs() - fromUs) / 1000.0, double(p.clock().NowMs() - fromMs), 20);
  const auto slowTicks = std::count(order.begin(), order.end(), L's');
  EXPECT_GE(slowTicks, 2) << order;
  EXPECT_LE(slowTicks, passMs / slowMs) << "never more than one tick a period: " << order;
  const size_t open = order.find(L'['), close = order.find(L']');  // in the same handler
  if (open == std::wstring::npos) {  // from the start, 1 to 4 fast ticks before each slow one
    EXPECT_EQ((L's' + order).find(L"ss"), std::wstring::npos) << order;
    EXPECT_EQ(order.find(L"fffff"), std::wstring::npos) << order;
    return;
  }
  const std::wstring inside = order.substr(open + 1, close - open - 1);
  EXPECT_EQ(inside.find(L's'), std::wstring::npos) << "no tick inside its own handler: " << order;
  // In a pause no tick runs; under a box about 10 fell due.
  EXPECT_EQ(std::min<size_t>(inside.size(), 3), boxMs != 0 ? 3u : 0u) << order;
  // What fell due comes once, and within a period at most one more.
  EXPECT_LE(std::count(order.begin(), order.end(), L'F'), 2) << order;
  EXPECT_GE(std::count(order.begin() + close, order.end(), L'f'), 3) << "they go on: " << order;
}

INSTANTIATE_TEST_SUITE_P(
    Contract, ContractTimers,
    ::testing::Values(TimerCase{"InTimeOrder", 30, 100, 600, 0, 0},
                      TimerCase{"APauseHoldsThemAndTheMissedOnesComeOnce", 50, 100, 900, 400, 0},
                      TimerCase{"UnderAModalBoxButNotTheOneThatOpenedIt", 30, 50, 900, 0, 300}),
    [](const auto& info) { return std::string(std::get<0>(info.param)); });

// Records its activations in `trace`, by name.
struct TracedForm : vl::Form {
  TracedForm(vl::Platform& p, vl::FormDesign d, std::wstring& t) : Form(p, d), trace(t) {}
  void OnActivate() override { trace += Name(); }
  std::wstring& trace;
};

TEST_F(Contract, AFormIsActivatedWhenShownOrComingFromAnotherOfTheProgramsWindows) {
  std::wstring trace;
  TracedForm a(p, {L"A", L"A", 2000, 1500}, trace), b(p, {L"B", L"B", 2000, 1500}, trace);
  a.Show();
  desk->ActivateOther();
  desk->Activate(a);
  b.Show();
  desk->Activate(a);
  EXPECT_EQ(trace, L"ABA") << "A shown, not again back from another program, B shown, A from B";
  a.Hide();  // which may activate B
  a.Show();
  EXPECT_EQ(std::count(trace.begin(), trace.end(), L'A'), 3) << "shown anew after being hidden";
}

}  // namespace
}  // namespace contract
