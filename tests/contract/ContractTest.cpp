// What the program relies on of both platforms, one suite over the fake and over real windows
// under Wine: the calls on the chat client's windows, the timers, and the activation of the
// program's own windows. On Wine time is real: ticks are counted within generous bounds.
#include <gtest/gtest.h>

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
};

TEST_F(Contract, ChildrenByClassInOrderTheSearchStartsAgainParentClassAndTitle) {
  const std::wstring title = L"Salle \u2014 \u03a9mega " + std::wstring(300, L'\u00e9');
  const auto w = desk->MakeRoom(title, {L"Button", L"Edit", L"Button", L"Static", L"Button"});
  const WindowHandle room = w[0], b1 = w[1], edit = w[2], b2 = w[3], b3 = w[5];
  // {after, found}: past the last match nothing, and from 0 the first one again.
  const std::pair<WindowHandle, WindowHandle> search[] = {
      {0, b1}, {b1, b2}, {b2, b3}, {b3, 0}, {0, b1}};
  for (const auto& [after, found] : search)
    EXPECT_EQ(f.FindChild(room, after, L"Button"), found) << "after " << after;
  EXPECT_EQ(f.FindChild(room, 0, L"Edit"), edit);
  EXPECT_EQ(f.FindChild(0, 0, L"ContractRoom"), 0u) << "no parent is no search of the desktop";
  EXPECT_EQ(f.Parent(edit), room);
  EXPECT_EQ(f.Parent(room), 0u);
  EXPECT_EQ(f.ClassName(edit), L"Edit");
  EXPECT_EQ(f.Title(room), title.substr(0, 255));
}

TEST_F(Contract, TextIsSetMeasuredAndReadAndAPressWithAReleaseClicks) {
  const auto w = desk->MakeRoom(L"room", {L"Edit", L"Button", L"Button"});
  const std::wstring nick = L"Zo\u00eb_\u65e5\u672c_\u0411\u043e\u0440\u0438\u0441";
  EXPECT_TRUE(f.SetText(w[1], nick));
  EXPECT_EQ(f.TextLength(w[1]), static_cast<int>(nick.size()));
  std::wstring buffer(64, L'-');  // storage that a reader keeps between its ticks
  const wchar_t* storage = buffer.data();
  f.ReadText(w[1], buffer);
  EXPECT_EQ(buffer, nick);
  f.SetText(w[1], L"");
  f.ReadText(w[1], buffer);
  EXPECT_EQ(buffer, L"");
  EXPECT_EQ(buffer.data(), storage) << "a reader that ticks does not allocate anew";

  f.ButtonDown(w[3]);
  f.ButtonUp(w[3]);
  EXPECT_EQ(desk->Clicks(w[3]), 1);
  EXPECT_TRUE(f.IsEnabled(w[2]));
  desk->Disable(w[2]);
  EXPECT_FALSE(f.IsEnabled(w[2]));
}

TEST_F(Contract, AWindowThatHasGoneGivesTheFailedResults) {
  const auto w = desk->MakeRoom(L"room", {L"Edit", L"Button"});
  desk->Destroy(w[0]);  // and its children with it
  EXPECT_EQ(f.TextLength(w[1]), 0);
  std::wstring buffer = L"stale";
  f.ReadText(w[1], buffer);
  EXPECT_EQ(buffer, L"");
  EXPECT_FALSE(f.SetText(w[1], L"x"));
  EXPECT_EQ(f.ClassName(w[1]), L"");
  EXPECT_EQ(f.Title(w[0]), L"");
  EXPECT_EQ(f.Parent(w[1]), 0u);
  EXPECT_EQ(f.FindChild(w[0], 0, L"Edit"), 0u);
  EXPECT_FALSE(f.IsEnabled(w[2]));
  f.ButtonDown(w[2]);
  f.ButtonUp(w[2]);
  EXPECT_EQ(desk->Clicks(w[2]), 0);
}

class ContractTimers : public Contract {
 protected:
  // Each tick as {the timer's name, ms since the start}.
  void Record(vl::Timer& timer) {
    timer.onTick = [this, &timer] {
      ticks.emplace_back(timer.Name()[0], p.clock().NowMs() - start);
    };
    timer.SetEnabled(true);
  }
  std::uint64_t start = p.clock().NowMs();
  std::vector<std::pair<wchar_t, std::uint64_t>> ticks;
};

TEST_F(ContractTimers, TicksComeInTimeOrder) {
  vl::Timer fast(p.clock(), L"f", 30), slow(p.clock(), L"s", 100);
  Record(fast);
  Record(slow);
  desk->Pass(600);
  int slowTicks = 0, fastBefore = 0;  // the fast ticks between two slow ones: 3 or 4, or fewer
  for (const auto& [timer, at] : ticks) {
    if (timer == L'f') {
      ++fastBefore;
      continue;
    }
    ++slowTicks;
    EXPECT_GE(fastBefore, 1) << "slow tick at " << at;
    EXPECT_LE(fastBefore, 4) << "slow tick at " << at;
    fastBefore = 0;
  }
  EXPECT_GE(slowTicks, 2);
  EXPECT_LE(slowTicks, 6) << "never more than one tick a period";
}

TEST_F(ContractTimers, APauseHoldsEveryTickAndTheMissedOnesComeOnceAfterwards) {
  vl::Timer fast(p.clock(), L"f", 50), slow(p.clock(), L"s", 100);
  std::uint64_t pauseStart = 0, pauseEnd = 0;
  slow.onTick = [&] {
    if (pauseStart != 0) return;
    pauseStart = p.clock().NowMs() - start;
    p.clock().Sleep(400);
    pauseEnd = p.clock().NowMs() - start;
  };
  slow.SetEnabled(true);
  Record(fast);
  desk->Pass(900);
  EXPECT_GE(pauseEnd - pauseStart, 380u);
  int during = 0, rightAfter = 0, after = 0;
  for (const auto& [timer, at] : ticks) {
    during += at > pauseStart && at < pauseEnd;
    rightAfter += at >= pauseEnd && at < pauseEnd + 50;
    after += at >= pauseEnd;
  }
  EXPECT_EQ(during, 0) << "no tick runs during the pause";
  // 8 ticks fell due: one comes for them all, and within a period at most one more on it.
  EXPECT_LE(rightAfter, 2);
  EXPECT_GE(after, 3) << "the timer goes on afterwards";
}

TEST_F(ContractTimers, TimersTickUnderAModalBoxButNotTheTickThatOpenedIt) {
  vl::Timer opener(p.clock(), L"o", 50), counter(p.clock(), L"c", 30);
  vl::MessageBoxAnswer answer = vl::MessageBoxAnswer::Ok;
  std::wstring shown;
  size_t countedInBox = 0;
  int opened = 0, openedWhenClosed = 0;
  Record(counter);
  opener.onTick = [&] {
    if (++opened > 1) return;
    desk->AnswerNextBox(300, vl::MessageBoxAnswer::Yes, shown);
    const size_t before = ticks.size();  // the counter's alone
    answer = p.dialogs().ShowMessage(L"Vous confirmez ? \u00e9\u20ac", L"Confirmation",
                                     vl::MessageBoxStyle::YesNoQuestion);
    countedInBox = ticks.size() - before;
    openedWhenClosed = opened;
  };
  opener.SetEnabled(true);
  desk->Pass(100);
  EXPECT_EQ(answer, vl::MessageBoxAnswer::Yes);
  EXPECT_EQ(shown, L"Vous confirmez ? \u00e9\u20ac");
  EXPECT_GE(countedInBox, 3u) << "about 10 fell due while the box was up";
  EXPECT_EQ(openedWhenClosed, 1) << "the opener did not tick again inside its own box";
}

struct CountingForm : vl::Form {
  CountingForm(vl::Platform& p, const wchar_t* name) : Form(p, {name, name, 2000, 1500}) {}
  void OnActivate() override { ++activations; }
  int activations = 0;
};

TEST_F(Contract, AFormIsActivatedWhenShownOrComingFromAnotherOfTheProgramsWindows) {
  CountingForm a(p, L"A"), b(p, L"B");
  a.Show();
  EXPECT_EQ(a.activations, 1);
  desk->ActivateOther();
  desk->Activate(a);
  EXPECT_EQ(a.activations, 1) << "back from another program";
  b.Show();
  EXPECT_EQ(b.activations, 1);
  desk->Activate(a);
  EXPECT_EQ(a.activations, 2);
  a.Hide();
  a.Show();
  EXPECT_EQ(a.activations, 3) << "shown anew after being hidden";
}

}  // namespace
}  // namespace contract
