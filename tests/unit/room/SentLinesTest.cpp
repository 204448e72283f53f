// Which chat lines are the client's echo of a line the program sent, and how many lines it
// remembers.
#include "room/SentLines.h"

#include <gtest/gtest.h>

#include <string>

namespace vl {
namespace {

TEST(SentLines, AnEchoIsASendersMessageOfExactlyTheLineSent) {
  SentLines sent;
  sent.Add(L"Bienvenue Join: hi");
  sent.Add(L"Alice");
  EXPECT_TRUE(sent.IsEcho(L"(12:00) Modo: Bienvenue Join: hi"));
  EXPECT_TRUE(sent.IsEcho(L"Modo: Bienvenue Join: hi"));
  EXPECT_TRUE(sent.IsEcho(L"(12:00:07) Modo: Alice"));
  EXPECT_FALSE(sent.IsEcho(L"(12:00) Modo: Bienvenue Join: hi !")) << "more than was sent";
  EXPECT_FALSE(sent.IsEcho(L"(12:00) Modo: xBienvenue Join: hi"));
  EXPECT_FALSE(sent.IsEcho(L"Bienvenue Join: hi")) << "no sender";
  EXPECT_FALSE(sent.IsEcho(L"(12:00) : Alice"));
  EXPECT_FALSE(sent.IsEcho(L"(12:00) a: b: Alice")) << "a nickname holds no colon";
  // The client's own join lines look like messages from "Join": Alice joining is no echo.
  EXPECT_FALSE(sent.IsEcho(L"(12:05) Join: Alice"));
  EXPECT_FALSE(sent.IsEcho(L"Rejoint la salle : Alice"));
}

TEST(SentLines, OnlyTheLastLinesAreKept) {
  SentLines sent;
  for (size_t i = 0; i <= SentLines::kKept; ++i)
    sent.Add(L"ligne " + std::to_wstring(i));
  EXPECT_FALSE(sent.IsEcho(L"Modo: ligne 0"));
  EXPECT_TRUE(sent.IsEcho(L"Modo: ligne 1"));
  EXPECT_TRUE(sent.IsEcho(L"Modo: ligne " + std::to_wstring(SentLines::kKept)));
}

}  // namespace
}  // namespace vl
