// The settings file through the real profile calls and through the fake's portable INI
// semantics: the same operations must leave the same bytes on disk and read the same values,
// so that what the native tests show of the settings file holds on Windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/fake/FakeProfile.h"
#include "platform/win32/Win32Profile.h"

namespace vl {
namespace {

struct Op {
  enum Kind { Write, Read } kind;
  std::wstring section, key, value;
};

std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << bytes;
}

// Runs the operations on both, starting from the same file (none when `initial` is null),
// and compares every read and the file after every write.
void Compare(const char* initial, const std::vector<Op>& ops) {
  const std::wstring path =
      (std::filesystem::temp_directory_path() / L"verdelune-profile-comparison.ini").wstring();
  DeleteFileW(path.c_str());
  win32::Win32Profile real;
  FakeProfile portable;
  if (initial != nullptr) {
    WriteBytes(path, initial);
    portable.PutFile(path, initial);
  }
  for (size_t i = 0; i < ops.size(); ++i) {
    const Op& op = ops[i];
    if (op.kind == Op::Write) {
      EXPECT_EQ(real.WriteString(op.section, op.key, op.value, path),
                portable.WriteString(op.section, op.key, op.value, path))
          << "operation " << i;
      ASSERT_EQ(ReadBytes(path), portable.FileBytes(path)) << "after operation " << i;
    } else {
      EXPECT_EQ(real.ReadString(op.section, op.key, path, 800),
                portable.ReadString(op.section, op.key, path, 800))
          << "operation " << i;
    }
  }
  DeleteFileW(path.c_str());
}

Op W(std::wstring s, std::wstring k, std::wstring v) {
  return {Op::Write, s, k, v};
}
Op R(std::wstring s, std::wstring k) {
  return {Op::Read, s, k, L""};
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
      "; réglages\r\n"
      "[Autre]\r\n"
      "  x  =  1  \r\n"
      "\r\n"
      "[ Parametres ]\r\n"
      "[Parametres]\r\n"
      "Inconnu = garde\r\n"
      "sansegal\r\n"
      "Signekick=\"O\"\r\n"
      "[Raisons]\n"
      "01=faux\n"
      "23=trop\n",
      {R(L"Parametres", L"Inconnu"), R(L"Parametres", L"Signekick"), R(L"Autre", L"x"),
       R(L"Raisons", L"1"), W(L"Parametres", L"Signekick", L"N"), W(L"Raisons", L"1", L"  espace"),
       W(L"Nouvelle", L"clé", L"valeur"), R(L"Raisons", L"1"), R(L"Parametres", L"sansegal")});
}

TEST(ProfileComparison, LongValuesAreCutTheSameWay) {
  const std::wstring longValue(1000, L'x');
  Compare(nullptr, {W(L"Raisons", L"5", longValue), R(L"Raisons", L"5")});
  std::string file = "[Raisons]\r\n5=" + std::string(1000, 'y') + "\r\n";
  Compare(file.c_str(), {R(L"Raisons", L"5")});
}

TEST(ProfileComparison, ValuesWithQuotesAndSpecialCharacters) {
  Compare(nullptr,
          {W(L"Raisons", L"2", L"\"cité\""), R(L"Raisons", L"2"), W(L"Raisons", L"3", L"'a'"),
           R(L"Raisons", L"3"), W(L"Raisons", L"4", L"a=b;c [d]"), R(L"Raisons", L"4"),
           W(L"Raisons", L"6", L"€ œ Ÿ"), R(L"Raisons", L"6")});
}

}  // namespace
}  // namespace vl
