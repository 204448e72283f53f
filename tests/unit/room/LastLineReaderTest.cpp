// The range reader against the whole read over the same chats in the fake's rich edit: every
// answer the same (a line rewritten at the same length within a second, when reading the end
// costs nothing), and the whole text read only at the checks. A disagreement is the join
// watcher's test.
#include "room/LastLineReader.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/fake/FakePlatform.h"
#include "room/ChatReader.h"

namespace vl {
namespace {

// {name, lines at the start, longest line, lines trimmed a tick, the end left open now and then}
using History = std::tuple<const char*, int, size_t, int, bool>;
const History kHistories[] = {
    {"empty, then short lines", 0, 40, 0, false},
    {"long history trimmed from the top", 1500, 120, 3, false},
    {"lines longer than the span", 20, 1500, 0, false},
    {"no final CR LF now and then, trimmed", 200, 60, 1, true},
};

TEST(LastLineReader, GivesTheWholeReadsAnswerOnEveryTick) {
  for (const auto& [name, start, longest, trim, open] : kHistories) {
    FakePlatform fake;
    ChatReadMode mode;
    LastLineReader reader(fake.desktop(), fake.clock(), mode);
    const WindowHandle chat = fake.desktop().Create(0, L"RichEdit20W");
    std::wstring& text = fake.desktop().Window(chat).text;
    std::mt19937 random(11);
    auto line = [&random](size_t length) {
      std::wstring made;
      while (made.size() < length)
        made += L"ab %:)Jé"[random() % 8];
      return made;
    };
    for (int i = 0; i < start; ++i)
      text += line(random() % longest) + L"\r\n";
    for (int tick = 0; tick < 200; ++tick) {
      const std::optional<std::wstring_view> last = LastChatLine(text);
      if (open && random() % 3 == 0) {
        text += line(1 + random() % 5);  // a line still being written
      } else if (last && random() % 4 == 0) {
        text.replace(static_cast<size_t>(last->data() - text.data()), last->size(),
                     line(last->size()));
        fake.Advance(LastLineReader::kRereadMs);  // what the length does not tell
      } else {
        text += line(random() % longest) + L"\r\n";
      }
      for (int t = 0; t < trim; ++t)
        if (size_t end = text.find(L"\r\n"); end != std::wstring::npos) text.erase(0, end + 2);
      ASSERT_EQ(reader.Read(chat), LastChatLine(text)) << name << ", tick " << tick;
      fake.Advance(100);
    }
    // The first read and one every 5 s read the whole text, no other, and all agreed.
    const size_t wholeReads = fake.desktop().CallsTo(chat, ForeignCall::Kind::ReadText).size();
    EXPECT_EQ(std::pair(wholeReads, mode.wholeReadsOnly), std::pair(size_t(mode.checks), false));
    EXPECT_NEAR(mode.checks, fake.clock().NowMs() / LastLineReader::kMinCheckMs, 1) << name;
  }
}

// A quiet chat's end is read again only for what neither change key tells: a second after the
// last end read, or a thousand times what that read took when longer, and never more than 2 s.
TEST(LastLineReader, AQuietChatsEndIsReadAgainAsOftenAsItsCostAllows) {
  for (const auto& [endMs, spacingMs] : {std::pair(0, 1000), std::pair(16, 2000)}) {
    FakePlatform fake;
    ChatReadMode mode;
    LastLineReader reader(fake.desktop(), fake.clock(), mode);
    const WindowHandle chat = fake.desktop().Create(0, L"RichEdit20W");
    FakeWindow& window = fake.desktop().Window(chat);
    window.text =
        L"*** Bienvenue dans la salle, soyez courtois : les règles sont affichées ***\r\n";
    for (int i = 0; i < 100; ++i)
      window.text += L"(12:00) Join: user" + std::to_wstring(i) + L"\r\n";
    window.endRangeMs = endMs;  // 16 ms: a tick of a coarse clock
    window.wholeReadMs = 200;   // the checks come 200 s apart: only the first in this minute
    for (int tick = 0; tick < 600; ++tick) {
      reader.Read(chat);
      fake.Advance(100);
    }
    const std::vector<ForeignCall> ends = fake.desktop().CallsTo(chat, ForeignCall::Kind::ReadEnd);
    ASSERT_GT(ends.size(), 60000u / (spacingMs + 100) + 1) << endMs;
    for (size_t i = 2; i < ends.size(); ++i) {  // the first two are the first check's
      const std::uint64_t gap = ends[i].timeMs - ends[i - 1].timeMs;
      EXPECT_GE(gap, static_cast<std::uint64_t>(spacingMs + endMs)) << endMs << ", read " << i;
      EXPECT_LE(gap, static_cast<std::uint64_t>(spacingMs + endMs + 100)) << endMs << ", " << i;
    }
    // What the pause is for, just after an end read: the client trims a line below its fixed
    // header and adds one as long, so neither the length nor the first characters change.
    while (fake.desktop().CallsTo(chat, ForeignCall::Kind::ReadEnd).size() == ends.size()) {
      fake.Advance(100);
      reader.Read(chat);
    }
    const size_t trimmed = window.text.find(L"(12:00) Join: user");
    window.text.erase(trimmed, window.text.find(L"\r\n", trimmed) + 2 - trimmed);
    window.text += L"(12:01) Join: Zoé_1\r\n";  // as long as "(12:00) Join: user0"
    const std::uint64_t changed = fake.clock().NowMs();
    std::uint64_t seen = 0;  // when the read that saw it began
    do {
      fake.Advance(100);
      seen = fake.clock().NowMs();
    } while (reader.Read(chat) != LastChatLine(window.text) && seen < changed + 5000);
    EXPECT_LE(seen - changed, 2000u) << endMs;
  }
}

}  // namespace
}  // namespace vl
