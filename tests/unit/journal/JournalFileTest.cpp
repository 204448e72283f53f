// The journal's file: rows written and read back field for field whatever a room user put in
// a nickname, a damaged or overlong file read as far as it can be, and the window's filter
// and summary.
#include <gtest/gtest.h>

#include "journal/JournalQuery.h"
#include "journal/JournalReader.h"
#include "platform/fake/FakePlatform.h"

namespace vl {
namespace {

JournalRow Row(const std::wstring& when, const std::wstring& action, const std::wstring& target,
               const std::wstring& reason = L"", const std::wstring& state = kStateSent) {
  return {when, L"Salle", L"Modo", action, target, reason, L"/msg RoomBot " + target, state};
}

TEST(JournalFileTest, HostileFieldsComeBackExactlyAndCutRowsAreLeftOut) {
  const std::wstring nasty[] = {
      L"Zoé, \"la reine\"", L"=HYPERLINK(\"x\")", L"'=déjà", L"deux\r\nlignes", L"-1", L"@x", L""};
  std::string file = JournalHead();
  for (const std::wstring& n : nasty)
    file += JournalCsvRow(Row(L"2026-12-09T10:00:00+01:00", L"kick", n, n));
  EXPECT_EQ(file.find("\n=HYPERLINK"), std::string::npos);
  EXPECT_NE(file.find(",\"'=HYPERLINK"), std::string::npos) << "a formula is kept as text";

  JournalContents read = ParseJournal(file + "2026-12-09T11:00:00+01:00,Salle,\"cut", 0);
  ASSERT_EQ(read.rows.size(), std::size(nasty));
  for (std::size_t i = 0; i < read.rows.size(); ++i) {
    EXPECT_EQ(read.rows[i].Target(), nasty[i]);
    EXPECT_EQ(read.rows[i].Reason(), nasty[i]);
  }
  EXPECT_EQ(read.damagedRows, 1u) << "the half row at the end";
  EXPECT_EQ(SkippedNote(read), L"1 ligne abîmée a été ignorée.");

  read = ParseJournal("\xEF\xBB\xBFnot,a,journal\r\n\r\n" + JournalCsvRow(Row(L"t", L"kick", L"A")),
                      0);
  EXPECT_EQ(read.rows.size(), 1u);
  EXPECT_EQ(read.damagedRows, 1u) << "a row of another shape; a blank line is no damage";
}

TEST(JournalFileTest, AnOverlongJournalIsReadFromItsFirstWholeRowNearTheEnd) {
  FakePlatform fake;
  const std::wstring path = L"C:\\Verdelune\\journal.csv";
  std::string file = JournalHead();
  for (int i = 0; i < 100; ++i)
    file += JournalCsvRow(Row(L"2026-12-09T10:00:00+01:00", L"kick", L"U" + std::to_wstring(i),
                              L"avec\n2026-12-09 dans la raison"));
  fake.fakeProfile().PutFile(path, file);
  JournalContents read = ReadJournal(fake, path, 1000);
  ASSERT_FALSE(read.rows.empty());
  EXPECT_EQ(read.rows.back().Target(), L"U99");
  EXPECT_EQ(read.damagedRows, 0u) << "resumes at a row's start, not inside a reason";
  EXPECT_GT(read.skippedBytes, file.size() - 1000);
  EXPECT_NE(SkippedNote(read).find(L"trop long"), std::wstring::npos);
  EXPECT_TRUE(ReadJournal(fake, L"C:\\absent.csv").rows.empty());
}

TEST(JournalFileTest, TheFilterFindsANicknameInAnyCaseAndTheSummaryCountsWhatWasSent) {
  const std::vector<JournalEntry> rows = {
      Row(L"2026-12-08T09:00:00+01:00", L"avertissement", L"Zoé"),
      Row(L"2026-12-08T09:05:00+01:00", L"kick", L"Bob"),
      Row(L"2026-12-09T10:30:00+01:00", L"avertissement", L"ZOÉ"),
      Row(L"2026-12-09T10:31:00+01:00", L"kick", L"zoé", L"spam"),
      Row(L"2026-12-09T10:32:00+01:00", L"ban définitif", L"zoé", L"", kStateNotSent),
      Row(L"2026-12-09T10:33:00+01:00", L"kick", L"Zoé2"),
  };
  EXPECT_EQ(MatchingRows(rows, L"zOé"), (std::vector<std::size_t>{5, 4, 3, 2, 0}));
  EXPECT_EQ(MatchingRows(rows, L"").size(), rows.size());
  EXPECT_EQ(HistorySummary(rows, L"Zoé"),
            L"Zoé : 2 × avertissement, 1 × kick. Dernière : kick le 09/12/2026 à 10:31.");
  EXPECT_EQ(HistorySummary(rows, L"Alice"), L"Alice : aucune commande dans le journal.");
  EXPECT_EQ(RowText(rows[4]), L"09/12/2026 10:32  ban définitif  zoé  (par Modo)  [non envoyée]");
  EXPECT_EQ(RowText(rows[3]), L"09/12/2026 10:31  kick  zoé : spam  (par Modo)");
}

}  // namespace
}  // namespace vl
