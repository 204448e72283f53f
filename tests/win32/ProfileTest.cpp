// The profile calls on real files: missing file, section or key, a value cut by the
// 800-character buffer, names of any case, other keys kept, the ANSI code page (checked
// against the wide profile call of Windows reading the same file), file lengths and the
// executable's folder.
#include <gtest/gtest.h>

#include "platform/win32/TextConvert.h"
#include "platform/win32/Win32Profile.h"
#include "win32/WinTestSupport.h"

namespace {

class ProfileTest : public ::testing::Test {
 protected:
  std::wstring ReadW(const wchar_t* section, const wchar_t* key) {
    wchar_t buffer[800] = {};
    GetPrivateProfileStringW(section, key, L"", buffer, 800, ini.c_str());
    return buffer;
  }

  vl::win32::Win32Profile profile;
  vltest::TempFolder folder;
  std::wstring ini = folder.File(L"verdelune.ini");
};

TEST_F(ProfileTest, AMissingFileSectionOrKeyReadsEmpty) {
  EXPECT_EQ(profile.ReadString(L"Parametres", L"AffWarning", ini, 800), L"");
  EXPECT_FALSE(profile.FileLength(ini).has_value());
  ASSERT_TRUE(profile.WriteString(L"Parametres", L"AffWarning", L"N", ini));
  EXPECT_EQ(profile.ReadString(L"Raisons", L"AffWarning", ini, 800), L"");
  EXPECT_EQ(profile.ReadString(L"Parametres", L"Signekick", ini, 800), L"");
}

TEST_F(ProfileTest, WritesCreateTheFileAndKeepEveryOtherKey) {
  ASSERT_TRUE(profile.WriteString(L"Parametres", L"Pseudo RoomBot", L"RoboCop", ini));
  ASSERT_TRUE(profile.WriteString(L"Parametres", L"AnnSonore", L"O", ini));
  ASSERT_TRUE(profile.WriteString(L"Raisons", L"14", L"Flood", ini));
  ASSERT_TRUE(profile.WriteString(L"Parametres", L"AnnSonore", L"N", ini));
  EXPECT_EQ(profile.ReadString(L"Parametres", L"Pseudo RoomBot", ini, 800), L"RoboCop");
  EXPECT_EQ(profile.ReadString(L"Parametres", L"AnnSonore", ini, 800), L"N");
  EXPECT_EQ(profile.ReadString(L"Raisons", L"14", ini, 800), L"Flood");
  EXPECT_EQ(profile.ReadString(L"PARAMETRES", L"pseudo roombot", ini, 800), L"RoboCop")
      << "names match whatever their case";
  ASSERT_TRUE(profile.FileLength(ini).has_value());
  EXPECT_GT(*profile.FileLength(ini), 0u);
}

TEST_F(ProfileTest, TheBufferBoundsTheValue) {
  const std::wstring phrase(1000, L'x');
  ASSERT_TRUE(profile.WriteString(L"Raisons", L"1", phrase, ini));
  EXPECT_EQ(profile.ReadString(L"Raisons", L"1", ini, 800), phrase.substr(0, 799));
  EXPECT_EQ(profile.ReadString(L"Raisons", L"1", ini, 1), L"");
  EXPECT_EQ(profile.ReadString(L"Raisons", L"1", ini, 0), L"");
}

TEST_F(ProfileTest, TextGoesThroughTheAnsiCodePageAsWindowsReadsIt) {
  const std::wstring accented = L"R\u00e9gl\u00e9 \u00e0 l'\u00e9t\u00e9";
  const std::wstring foreign = L"\u65e5\u672c \u0411\u043e\u0440\u0438\u0441";
  ASSERT_TRUE(profile.WriteString(L"Raisons", L"2", accented, ini));
  ASSERT_TRUE(profile.WriteString(L"Raisons", L"3", foreign, ini));
  // Windows' own wide call reads the file through the ANSI code page: the same text.
  EXPECT_EQ(profile.ReadString(L"Raisons", L"2", ini, 800), ReadW(L"Raisons", L"2"));
  EXPECT_EQ(profile.ReadString(L"Raisons", L"3", ini, 800), ReadW(L"Raisons", L"3"));
  if (vl::win32::FitsAnsi(accented)) {
    EXPECT_EQ(profile.ReadString(L"Raisons", L"2", ini, 800), accented);
  }
  EXPECT_EQ(profile.ReadString(L"Raisons", L"3", ini, 800).size(), foreign.size());
}

TEST_F(ProfileTest, AFolderNameOutsideTheCodePageStillWorks) {
  vltest::TempFolder odd(L"-\u65e5\u672c\u03a9");
  const std::wstring path = odd.File(L"verdelune.ini");
  if (vl::win32::FitsAnsi(path)) GTEST_SKIP() << "the code page holds every character";
  ASSERT_TRUE(profile.WriteString(L"Parametres", L"AffWarning", L"N", path));
  EXPECT_EQ(profile.ReadString(L"Parametres", L"AffWarning", path, 800), L"N");
  EXPECT_TRUE(profile.FileLength(path).has_value());
}

TEST_F(ProfileTest, FileLengthOfFilesOnly) {
  const std::wstring file = folder.File(L"five.bin");
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(h, "12345", 5, &written, nullptr);
  CloseHandle(h);
  EXPECT_EQ(profile.FileLength(file), std::optional<std::uint64_t>(5));
  EXPECT_FALSE(profile.FileLength(folder.Path()).has_value()) << "a folder has no length";
  EXPECT_FALSE(profile.FileLength(folder.File(L"none")).has_value());
  EXPECT_FALSE(profile.FileLength(L"").has_value());
}

TEST(ProfileFolder, TheExecutableFolderHoldsTheExecutable) {
  vl::win32::Win32Profile profile;
  const std::wstring folder = profile.ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), L'\\');
  const std::wstring exe = vltest::ExecutablePath();
  const std::wstring name = exe.substr(exe.find_last_of(L'\\') + 1);
  EXPECT_TRUE(profile.FileLength(folder + L"\\" + name).has_value());
}

}  // namespace
