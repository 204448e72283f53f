// Every command goes out and into the journal by one path: each row holds the very line the
// room received, a line the client never took is journaled as not sent, and a journal that
// cannot be written is told once while the commands still go out.
#include "dialogs/Envoimsg.h"
#include "dialogs/JournalWindow.h"
#include "dialogs/Warnings.h"
#include "journal/JournalQuery.h"
#include "journal/JournalReader.h"
#include "support/Fixtures.h"

namespace vl::test {
namespace {

const std::wstring kJournalPath = L"C:\\Verdelune\\journal.csv";

class CommandPathTest : public OpenPanelTest {
 protected:
  std::vector<JournalEntry> Journaled() { return ReadJournal(fake, kJournalPath).rows; }
  FakeWindow& InputBox() { return fake.desktop().Window(room.input); }
};

TEST_F(CommandPathTest, EachCommandIsJournaledWithTheLineTheRoomReceived) {
  const std::wstring zoe = L"Zoé, \"la reine\"";
  fake.desktop().Window(room.room).title = L"Salle";
  SetTarget(zoe);
  Click(L"ReyCommand8");  // kick, default reason
  Warnings& warnings = (Open(L"ReyCommand14"), *app.WarningsWindow());
  fake.Type(warnings[L"Text1"], L"dernier avertissement");
  fake.KeyDown(warnings[L"Text1"], kKeyEnter);
  Click(L"ReyCommand3");  // black
  Open(L"ReyCommand13");
  fake.Type((*app.EnvoimsgWindow())[L"ReyTextBox1"], L"réunion à 21 h");
  fake.Click((*app.EnvoimsgWindow())[L"ReyCommand3"]);

  const Lines sent = Sent();
  const std::vector<JournalEntry> rows = Journaled();
  ASSERT_EQ(rows.size(), 4u);
  ASSERT_EQ(sent.size(), 4u);
  const wchar_t* actions[] = {L"kick", L"avertissement", L"couleur noire", L"message aux rouges"};
  const wchar_t* reasons[] = {L"non respect des CGU", L"dernier avertissement", L"",
                              L"réunion à 21 h"};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].Line(), sent[i]);
    EXPECT_EQ(rows[i].Action(), actions[i]);
    EXPECT_EQ(rows[i].Reason(), reasons[i]);
    EXPECT_EQ(rows[i].Target(), i < 3 ? zoe : L"");
    EXPECT_EQ(rows[i].Moderator(), L"Modo");
    EXPECT_EQ(rows[i].Room(), L"Salle");
    EXPECT_EQ(rows[i].State(), kStateSent);
  }
  EXPECT_EQ(rows[0].When(), L"2026-12-09T10:00:01+01:00");
  EXPECT_TRUE(fake.fakeProfile().FileBytes(kJournalPath).starts_with(JournalHead()));

  // The window opens on the target's three commands, the newest first, and its history.
  fake.Activate(panel());
  panel().Menu(L"journal").UserClick();
  JournalWindow& window = *app.JournalWindowMade();
  EXPECT_EQ(window[L"Filtre"].Text(), zoe);
  ASSERT_EQ(window[L"Lignes"].Items().size(), 3u);
  EXPECT_EQ(window[L"Lignes"].Items()[0], RowText(rows[2]));
  EXPECT_EQ(window[L"Resume"].Text(), zoe +
                                          L" : 1 × kick, 1 × avertissement, 1 × couleur noire. "
                                          L"Dernière : couleur noire le 09/12/2026 à 10:00.");
  fake.Type(window[L"Filtre"], L"");
  EXPECT_EQ(window[L"Lignes"].Items().size(), 4u);
  Open(L"ReyCommand12");  // sent while the window stands open: there when it comes back
  fake.Activate(window);
  EXPECT_EQ(window[L"Lignes"].Items().size(), 5u);
  fake.Click(window[L"Ouvrir"]);
  EXPECT_EQ(fake.fakeProfile().Opened(), std::vector<std::wstring>{kJournalPath});
  fake.fakeProfile().canOpen = false;
  fake.Click(window[L"Ouvrir"]);
  EXPECT_EQ(fake.fakeDialogs().Messages().size(), 1u) << "no program could open it: told";
}

TEST_F(CommandPathTest, ALineTheClientDroppedIsJournaledAsNotSentInItsTurn) {
  SetTarget(L"Bob");
  InputBox().takesLinesLate = true;
  Click(L"ReyCommand3");
  Click(L"ReyCommand12");
  EXPECT_TRUE(Journaled().empty()) << "not yet known";
  fake.desktop().CatchUp(/*take=*/false);
  InputBox().takesLinesLate = false;
  Click(L"ReyCommand9");
  fake.Advance(300);
  const std::vector<JournalEntry> rows = Journaled();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].State(), kStateNotSent);
  EXPECT_EQ(rows[1].State(), kStateNotSent);
  EXPECT_EQ(rows[2].Action(), L"dépunition");
  EXPECT_EQ(rows[2].State(), kStateSent);
}

TEST_F(CommandPathTest, AnUnwritableJournalIsToldOnceAndTheCommandsStillGoOut) {
  SetTarget(L"Bob");
  fake.fakeProfile().SetReadOnly(kJournalPath, true);
  Click(L"ReyCommand3");
  Click(L"ReyCommand12");
  EXPECT_EQ(Sent().size(), 2u);
  ASSERT_EQ(fake.fakeDialogs().Messages().size(), 1u);
  EXPECT_NE(fake.fakeDialogs().Messages()[0].text.find(kJournalPath), std::wstring::npos);
  fake.fakeProfile().SetReadOnly(kJournalPath, false);
  fake.fakeProfile().PutFile(kJournalPath, JournalHead() + "2026-12-09T09:00:00+01:00,Salle,\"cut");
  Click(L"ReyCommand9");
  const JournalContents read = ReadJournal(fake, kJournalPath);
  ASSERT_EQ(read.rows.size(), 1u) << "a half row left by another writer stays apart";
  EXPECT_EQ(read.rows[0].Action(), L"dépunition");
}

}  // namespace
}  // namespace vl::test
