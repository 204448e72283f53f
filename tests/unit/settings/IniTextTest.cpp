// The INI semantics the fake's settings files follow: what reads back, and what a write
// keeps of a file the moderator or an older version left.
#include "settings/IniText.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

std::wstring Write(std::wstring_view content, std::wstring_view section, std::wstring_view key,
                   std::wstring_view value) {
  bool changed = false;
  return IniWrite(content, section, key, value, changed);
}

TEST(IniText, ReadsNamesWhateverTheirCaseAndBlanks) {
  const std::wstring file =
      L"  [Parametres]\r\n"
      L"  AnnSonore  =  O  \r\n"
      L"signekick=N\r\n";
  EXPECT_EQ(IniRead(file, L"PARAMETRES", L"annsonore", 800), L"O");
  EXPECT_EQ(IniRead(file, L" Parametres ", L" Signekick ", 800), L"N");
  EXPECT_EQ(IniRead(file, L"Parametres", L"Absent", 800), L"");
  EXPECT_EQ(IniRead(file, L"Raisons", L"1", 800), L"");
}

TEST(IniText, ValuesAreCutToTheBufferAndLoseTheirQuotes) {
  std::wstring longValue(1000, L'x');
  std::wstring file = L"[Raisons]\r\n1=" + longValue + L"\r\n2=\"cité\"\r\n3=\"ouvert\r\n";
  EXPECT_EQ(IniRead(file, L"Raisons", L"1", 800).size(), 799u);
  EXPECT_EQ(IniRead(file, L"Raisons", L"2", 800), L"cité");
  EXPECT_EQ(IniRead(file, L"Raisons", L"3", 800), L"\"ouvert");
}

TEST(IniText, KeyNamesAreTextNotNumbers) {
  const std::wstring file = L"[Raisons]\r\n0=zero\r\n01=un\r\n23=vingt-trois\r\n";
  EXPECT_EQ(IniRead(file, L"Raisons", L"1", 800), L"");
  EXPECT_EQ(IniRead(file, L"Raisons", L"01", 800), L"un");
}

TEST(IniText, TheFirstWriteMakesTheFile) {
  EXPECT_EQ(Write(L"", L"Parametres", L"AffWarning", L"N"), L"[Parametres]\r\nAffWarning=N\r\n");
}

TEST(IniText, WritingKeepsUnknownSectionsKeysAndComments) {
  const std::wstring file =
      L"; réglages de Verdelune\r\n"
      L"[Autre]\r\n"
      L"x = 1\r\n"
      L"\r\n"
      L"[Parametres]\r\n"
      L"Inconnu=garde\r\n"
      L"AnnSonore=N\r\n";
  EXPECT_EQ(Write(file, L"parametres", L"annsonore", L"O"),
            L"; réglages de Verdelune\r\n[Autre]\r\nx=1\r\n[Parametres]\r\nInconnu=garde\r\n"
            L"AnnSonore=O\r\n");
  EXPECT_EQ(Write(file, L"Raisons", L"14", L"spam"),
            L"; réglages de Verdelune\r\n[Autre]\r\nx=1\r\n[Parametres]\r\nInconnu=garde\r\n"
            L"AnnSonore=N\r\n[Raisons]\r\n14=spam\r\n");
}

TEST(IniText, AnUnchangedValueNeedsNoWrite) {
  bool changed = true;
  IniWrite(L"[P]\r\nk=v\r\n", L"P", L"K", L"v", changed);
  EXPECT_FALSE(changed);
  IniWrite(L"[P]\r\nk=v\r\n", L"P", L"K", L"w", changed);
  EXPECT_TRUE(changed);
  IniWrite(L"[P]\r\nk\r\n", L"P", L"K", L"", changed);
  EXPECT_TRUE(changed) << "a line without '=' holds no value yet";
}

TEST(IniText, EmptyValuesAreStoredAndReadBackEmpty) {
  std::wstring file = Write(L"[Raisons]\r\n5=bonjour\r\n", L"Raisons", L"5", L"");
  EXPECT_EQ(file, L"[Raisons]\r\n5=\r\n");
  EXPECT_EQ(IniRead(file, L"Raisons", L"5", 800), L"");
}

}  // namespace
}  // namespace vl
