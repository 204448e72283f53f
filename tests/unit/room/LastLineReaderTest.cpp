// The range reader against the whole read, over the same chats in the fake's rich edit: every
// answer the same (a line rewritten at the same length within a second), the whole text read
// only at the checks, and a disagreement ends range reads.
#include "room/LastLineReader.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/fake/FakePlatform.h"
#include "room/ChatReader.h"

namespace vl {
namespace {

struct Chat {
  FakePlatform fake;
  FakeDesktop& desktop = fake.desktop();
  ChatReadMode mode;
  LastLineReader reader{desktop, fake.clock(), mode};
  WindowHandle window = desktop.Create(desktop.Create(0, L"Room"), L"RichEdit20W");
  std::wstring& Text() { return desktop.Window(window).text; }
  // One tick: the answer must be the whole read's.
  void Tick(const char* what) {
    const std::optional<std::wstring_view> whole = LastChatLine(Text());
    const std::optional<std::wstring_view> read = reader.Read(window);
    ASSERT_EQ(read, whole) << what;
    fake.Advance(100);
  }
  size_t WholeReads() { return desktop.CallsTo(window, ForeignCall::Kind::ReadText).size(); }
};

std::wstring Line(std::mt19937& random, size_t length) {
  std::wstring line;
  for (size_t i = 0; i < length; ++i)
    line += L"ab %:)Jé"[random() % 8];
  return line;
}

// {name, lines at the start, longest line, trimmed a tick, the end left open now and then}
using History = std::tuple<const char*, int, size_t, int, bool>;
const History kHistories[] = {
    {"empty, then short lines", 0, 40, 0, false},
    {"long history", 1500, 80, 0, false},
    {"lines longer than the span", 20, 1500, 0, false},
    {"history trimmed from the top", 1000, 120, 3, false},
    {"no final CR LF now and then", 200, 60, 1, true},
};

TEST(LastLineReader, GivesTheWholeReadsAnswerOnEveryTick) {
  for (const auto& [name, start, longest, trim, open] : kHistories) {
    Chat chat;
    std::mt19937 random(11);
    for (int i = 0; i < start; ++i)
      chat.Text() += Line(random, random() % longest) + L"\r\n";
    for (int tick = 0; tick < 200; ++tick) {
      std::wstring& text = chat.Text();
      if (open && random() % 3 == 0) {
        text += Line(random, 1 + random() % 5);  // a line still being written
      } else if (!text.empty() && random() % 4 == 0) {
        // The last line replaced by another of the same length.
        std::optional<std::wstring_view> last = LastChatLine(text);
        if (last)
          text.replace(static_cast<size_t>(last->data() - text.data()), last->size(),
                       Line(random, last->size()));
        chat.fake.Advance(LastLineReader::kRereadMs);  // what the length does not tell
      } else {
        text += Line(random, random() % longest) + L"\r\n";
      }
      for (int t = 0; t < trim; ++t)
        if (size_t end = text.find(L"\r\n"); end != std::wstring::npos) text.erase(0, end + 2);
      chat.Tick(name);
    }
    // The first read and one every 5 s read the whole text, no other.
    EXPECT_EQ(chat.WholeReads(), static_cast<size_t>(chat.mode.checks)) << name;
    const auto elapsed = static_cast<int>(chat.fake.clock().NowMs() / LastLineReader::kMinCheckMs);
    EXPECT_NEAR(chat.mode.checks, elapsed, 1) << name;
    EXPECT_FALSE(chat.mode.wholeReadsOnly) << name;
  }
}

TEST(LastLineReader, AnotherControlIsCheckedAtOnceAndOtherClassesAreReadWhole) {
  Chat chat;
  chat.Text() = L"a\r\nb\r\n";
  chat.Tick("first read");
  chat.window = chat.desktop.Create(chat.desktop.Window(chat.window).parent, L"RichEdit20W");
  chat.Text() = L"c\r\nJoin: Zoé\r\n";
  chat.Tick("replaced control");
  EXPECT_EQ(chat.mode.checks, 2);
  chat.window = chat.desktop.Create(chat.desktop.Window(chat.window).parent, L"Edit");
  chat.Text() = L"d\r\ne\r\n";
  chat.Tick("an edit");
  chat.Tick("an edit");
  EXPECT_EQ(chat.WholeReads(), 2u);
  EXPECT_FALSE(chat.mode.wholeReadsOnly);
}

TEST(LastLineReader, ADisagreementMeansWholeReadsForTheRestOfTheRun) {
  Chat chat;
  chat.Text() = L"a\r\nb\r\n";
  // A control whose ranges say otherwise than its whole text: seen at the first read.
  chat.desktop.Window(chat.window).richText = L"a\rb\rJoin: Mallory\r";
  chat.Tick("checked: the whole read answers");
  EXPECT_TRUE(chat.mode.wholeReadsOnly);
  chat.desktop.Window(chat.window).richText.reset();
  chat.Tick("whole");
  chat.Tick("whole");
  EXPECT_EQ(chat.WholeReads(), 3u);
}

}  // namespace
}  // namespace vl
