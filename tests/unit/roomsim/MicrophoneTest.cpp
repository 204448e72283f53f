// The microphone state machine: which button is enabled in each state, and what moves it.
#include "roomsim/Microphone.h"

#include <gtest/gtest.h>

namespace roomsim {
namespace {

TEST(Microphone, EachStateShowsTakenByADisabledButtonExceptFree) {
  Microphone mic;
  EXPECT_EQ(mic.Buttons(), (MicButtons{true, true}));
  EXPECT_STREQ(MicWord(mic.State()), "free");
  EXPECT_TRUE(mic.OnFirstClick());
  EXPECT_EQ(mic.Buttons(), (MicButtons{true, false}));
  EXPECT_STREQ(MicWord(mic.State()), "moderator");
  EXPECT_FALSE(mic.OnSecondDown());  // already held: push-to-talk does nothing
  EXPECT_TRUE(mic.OnFirstClick());
  EXPECT_TRUE(mic.OnSecondDown());
  EXPECT_EQ(mic.Buttons(), (MicButtons{false, true}));
  EXPECT_FALSE(mic.OnSecondDown());
  EXPECT_FALSE(mic.OnFirstClick());  // talking: the first button does not release it
  EXPECT_TRUE(mic.OnSecondUp());
  EXPECT_EQ(mic.State(), MicState::Free);
  EXPECT_FALSE(mic.OnSecondUp());
}

TEST(Microphone, SomeoneElseBlocksBothButtonsUntilFreed) {
  Microphone mic;
  mic.OnFirstClick();
  EXPECT_TRUE(mic.SetOther());
  EXPECT_EQ(mic.Buttons(), (MicButtons{false, false}));
  EXPECT_STREQ(MicWord(mic.State()), "other");
  EXPECT_FALSE(mic.OnFirstClick());
  EXPECT_FALSE(mic.OnSecondDown());
  EXPECT_FALSE(mic.SetOther());
  EXPECT_TRUE(mic.SetFree());
  EXPECT_FALSE(mic.SetFree());
}

}  // namespace
}  // namespace roomsim
