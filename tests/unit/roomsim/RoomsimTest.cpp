// The room simulator is test apparatus that every journey and tests/e2e/test_roomsim.py exercise;
// here only what a journey cannot tell apart: a control line refused, rather than staging nothing.
#include <gtest/gtest.h>

#include "roomsim/ControlCommands.h"

namespace roomsim {
namespace {

TEST(ControlCommands, RefusesMalformedLinesWithAReason) {
  for (const wchar_t* line : {L"",
                              L"danse",
                              L"JOIN Alice",
                              L"join",
                              L"join Alice de",
                              L"join  Alice",
                              L"leave A B",
                              L"say",
                              L"mic taken",
                              L"bot level Chef",
                              L"bot level Chef 10",
                              L"bot level Chef -1",
                              L"bot level Chef 1x",
                              L"bot silent yes",
                              L"bot twice maybe",
                              L"bot delay 99999999999999999999",
                              L"bot volume 3",
                              L"traffic 51",
                              L"close now",
                              L"pick"}) {
    const ParsedControl p = ParseControlCommand(line);
    EXPECT_TRUE(!p.ok && !p.error.empty()) << line;
  }
}

}  // namespace
}  // namespace roomsim
