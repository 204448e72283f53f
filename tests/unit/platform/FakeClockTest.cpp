// The virtual clock every window test relies on: ticks in time order, pauses that hold the
// program, coalesced ticks, modal boxes that let time run, and an end that is final.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"
#include "platform/ui/Form.h"

namespace vl {
namespace {

class FakeClockTest : public ::testing::Test {
 protected:
  FakeClockTest() : form(fake, FormDesign{L"F", L"", 100, 100, 0}) {}
  Timer& Add(const wchar_t* name, int interval) {
    Timer& t = form.AddTimer(name, interval, false);
    t.onTick = [this, &t] {
      log.push_back(t.Name() + L"@" + std::to_wstring(fake.fakeClock().Now()));
    };
    return t;
  }
  FakePlatform fake;
  Form form;
  std::vector<std::wstring> log;
};

TEST_F(FakeClockTest, TicksFireInTimeOrder) {
  Add(L"a", 100).SetEnabled(true);
  Add(L"b", 250).SetEnabled(true);
  fake.Advance(500);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"a@100", L"a@200", L"b@250", L"a@300", L"a@400",
                                            L"a@500", L"b@500"}));
}

TEST_F(FakeClockTest, APauseHoldsEveryTickAndTheMissedOnesCoalesce) {
  Timer& slow = Add(L"slow", 100);
  slow.onTick = [&] {
    log.push_back(L"slow@" + std::to_wstring(fake.fakeClock().Now()));
    if (log.size() == 2) fake.clock().Sleep(350);
  };
  slow.SetEnabled(true);
  Add(L"fast", 50).SetEnabled(true);
  fake.Advance(500);
  // slow pauses from 100 to 450: fast's expiries 100 to 450 give one tick, at 450, the one
  // that expired first going first; both keep their periods afterwards.
  EXPECT_EQ(log, (std::vector<std::wstring>{L"fast@50", L"slow@100", L"fast@450", L"slow@450",
                                            L"slow@500", L"fast@500"}));
}

TEST_F(FakeClockTest, AModalBoxLetsOtherTimersTickButNotItsOwn) {
  Timer& box = Add(L"box", 100);
  box.onTick = [&] {
    log.push_back(L"box@" + std::to_wstring(fake.fakeClock().Now()));
    fake.fakeDialogs().AnswerMessage([&](const DialogRequest&) {
      fake.Advance(300);
      return MessageBoxAnswer::Ok;
    });
    fake.dialogs().ShowMessage(L"?", L"t", MessageBoxStyle::Ok);
  };
  box.SetEnabled(true);
  Add(L"other", 100).SetEnabled(true);
  fake.Advance(100);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"box@100", L"other@100", L"other@200", L"other@300",
                                            L"other@400"}));
}

TEST_F(FakeClockTest, NothingRunsAfterTheEnd) {
  Timer& ender = Add(L"ender", 100);
  bool ranAfterEnd = false;
  ender.onTick = [&] {
    fake.EndProgram();
    ranAfterEnd = true;
  };
  ender.SetEnabled(true);
  Add(L"later", 150).SetEnabled(true);
  fake.Advance(1000);
  EXPECT_FALSE(ranAfterEnd);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(fake.EndedAt(), 100u);
  EXPECT_FALSE(fake.Deliver([] {}));
}

}  // namespace
}  // namespace vl
