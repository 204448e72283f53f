// The settings file through the real profile calls and through the fake's portable INI
// semantics: the same operations must leave the same bytes on disk and read the same values,
// so that what the native tests show of the settings file holds on Windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/fake/FakeProfile.h"
#include "platform/win32/Win32Profile.h"

namespace vl {
namespace {

// {section, key, the value of a write}; without a value, a read.
using Op = std::tuple<std::wstring, std::wstring, std::optional<std::wstring>>;
const auto W = [](std::wstring s, std::wstring k, std::wstring v) { return Op{s, k, v}; };
const auto R = [](std::wstring s, std::wstring k) { return Op{s, k, std::nullopt}; };

// Runs the operations on both, starting from the same file (none when `initial` is null),
// and compares every read and the file after every write.
void Compare(const char* initial, const std::vector<Op>& ops) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / L"verdelune-profile-comparison.ini";
  const std::wstring path = file.wstring();
  DeleteFileW(path.c_str());
  win32::Win32Profile real;
  FakeProfile portable;
  if (initial != nullptr) {
    std::ofstream(file, std::ios::binary) << initial;
    portable.PutFile(path, initial);
  }
  // A write is compared by its result and the whole file, then read back like a read.
  for (size_t i = 0; i < ops.size(); ++i) {
    const auto& [section, key, value] = ops[i];
    if (value) {
      EXPECT_EQ(real.WriteString(section, key, *value, path),
                portable.WriteString(section, key, *value, path))
          << "operation " << i;
      std::ifstream in(file, std::ios::binary);
      ASSERT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), portable.FileBytes(path))
          << "after operation " << i;
    }
    EXPECT_EQ(real.ReadString(section, key, path, 800),
              portable.ReadString(section, key, path, 800))
        << "operation " << i;
  }
  DeleteFileW(path.c_str());
}

TEST(ProfileComparison, AFileMadeByTheProgram) {
  Compare(nullptr, {R(L"Parametres", L"AffWarning"), W(L"Parametres", L"AffWarning", L"N"),
                    W(L"Parametres", L"Pseudo RoomBot", L"Room Bot "),
                    W(L"Raisons", L"1", L"Bienvenue $N, ça va ?"), W(L"Raisons", L"14", L""),
                    W(L"Parametres", L"AnnSonore", L"O"), W(L"parametres", L"annsonore", L"N"),
                    W(L"Parametres", L"AffWarning", L"N"), R(L"PARAMETRES", L"pseudo roombot"),
                    R(L"Raisons", L"1"), R(L"Raisons", L"14"), R(L"Raisons", L"01")});
}

TEST(ProfileComparison, AFileWrittenByHandIsKept) {
  Compare(
      "; réglages\r\n[Autre]\r\n  x  =  1  \r\n\r\n[ Parametres ]\r\n[Parametres]\r\n"
      "Inconnu = garde\r\nsansegal\r\nSignekick=\"O\"\r\n[Raisons]\n01=faux\n23=trop\n",
      {R(L"Parametres", L"Inconnu"), R(L"Parametres", L"Signekick"), R(L"Autre", L"x"),
       R(L"Raisons", L"1"), W(L"Parametres", L"Signekick", L"N"), W(L"Raisons", L"1", L"  espace"),
       W(L"Nouvelle", L"clé", L"valeur"), R(L"Raisons", L"1"), R(L"Parametres", L"sansegal")});
}

TEST(ProfileComparison, LongValuesAreCutTheSameWay) {
  Compare(nullptr, {W(L"Raisons", L"5", std::wstring(1000, L'x')), R(L"Raisons", L"5")});
  Compare(("[Raisons]\r\n5=" + std::string(1000, 'y') + "\r\n").c_str(), {R(L"Raisons", L"5")});
}

TEST(ProfileComparison, ValuesWithQuotesAndSpecialCharacters) {
  Compare(nullptr,
          {W(L"Raisons", L"2", L"\"cité\""), R(L"Raisons", L"2"), W(L"Raisons", L"3", L"'a'"),
           R(L"Raisons", L"3"), W(L"Raisons", L"4", L"a=b;c [d]"), R(L"Raisons", L"4"),
           W(L"Raisons", L"6", L"€ œ Ÿ"), R(L"Raisons", L"6")});
}

// Files the program did not write: a byte-order mark, UTF-8 text, no section the program
// knows, and 10 MB of chat pasted in by mistake. Read the same way, and written without
// losing the rest of the file.
TEST(ProfileComparison, FilesFromElsewhere) {
  const std::vector<Op> ops = {R(L"Parametres", L"AffWarning"), R(L"Raisons", L"1"),
                               W(L"Parametres", L"AffWarning", L"N"),
                               R(L"Parametres", L"AffWarning")};
  Compare("\xEF\xBB\xBF[Parametres]\r\nAffWarning=O\r\n", ops);
  Compare("\xEF\xBB\xBF[Raisons]\r\n1=d\xC3\xA9j\xC3\xA0\r\n",
          {R(L"Raisons", L"1"), W(L"Raisons", L"2", L"été €"), R(L"Raisons", L"2")});
  Compare("[Raisons]\r\n1=Bienvenue \xC3\xA0 toi \xE2\x82\xAC\r\n", ops);
  Compare("[Autre]\r\nx=1\r\n", ops);
  std::string big = "[Raisons]\r\n1=un\r\n";
  while (big.size() < 10'000'000)
    big += "(12:00) Bavard: " + std::string(100, 'z') + "\r\n";
  Compare(big.c_str(), ops);
}

}  // namespace
}  // namespace vl
