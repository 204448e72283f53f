// The traffic generator: its pace, its bounds, and that a seed repeats a run.
#include "roomsim/Traffic.h"

#include <gtest/gtest.h>

#include <set>

namespace roomsim {
namespace {

std::vector<TrafficEvent> Drive(Traffic& t, int fromMs, int toMs, int stepMs) {
  std::vector<TrafficEvent> all;
  for (int ms = fromMs; ms <= toMs; ms += stepMs) {
    for (auto& e : t.Due(ms))
      all.push_back(e);
  }
  return all;
}

TEST(Traffic, KeepsItsRateAndStops) {
  Traffic t(7);
  EXPECT_TRUE(t.Due(0).empty());
  t.SetRate(4, 0);
  EXPECT_EQ(Drive(t, 0, 9999, 50).size(), 40u);
  t.SetRate(0, 10000);
  EXPECT_TRUE(Drive(t, 10000, 20000, 50).empty());
}

TEST(Traffic, ALateTickDoesNotFlood) {
  Traffic t(7);
  t.SetRate(50, 0);
  EXPECT_LE(t.Due(60000).size(), 5u);
  EXPECT_LE(t.Due(60001).size(), 1u);
}

TEST(Traffic, MovesOnlyUsersItBroughtAndStaysBounded) {
  Traffic t(3);
  t.SetRate(50, 0);
  std::set<std::wstring> present;
  for (const TrafficEvent& e : Drive(t, 0, 20000, 20)) {
    if (e.kind == TrafficEvent::Kind::Join) {
      EXPECT_TRUE(present.insert(e.nick).second);
    } else {
      EXPECT_EQ(present.count(e.nick), 1u);
      if (e.kind == TrafficEvent::Kind::Leave) {
        present.erase(e.nick);
      } else {
        EXPECT_FALSE(e.text.empty());
      }
    }
    EXPECT_LE(present.size(), 12u);
  }
}

TEST(Traffic, ASeedRepeatsARunAndForgetStopsAUser) {
  Traffic a(11), b(11);
  a.SetRate(10, 0);
  b.SetRate(10, 0);
  const auto ea = Drive(a, 0, 5000, 50);
  const auto eb = Drive(b, 0, 5000, 50);
  ASSERT_EQ(ea.size(), eb.size());
  for (std::size_t i = 0; i < ea.size(); ++i)
    EXPECT_EQ(ea[i].nick, eb[i].nick);
  Traffic c(11);
  c.SetRate(10, 0);
  const TrafficEvent first = c.Due(0).at(0);
  ASSERT_EQ(first.kind, TrafficEvent::Kind::Join);
  c.Forget(first.nick);
  for (const TrafficEvent& e : Drive(c, 100, 5000, 50)) {
    if (e.kind != TrafficEvent::Kind::Join) {
      EXPECT_NE(e.nick, first.nick);
    }
  }
}

}  // namespace
}  // namespace roomsim
