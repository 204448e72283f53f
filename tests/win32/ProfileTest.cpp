// The profile calls on a real file: a value longer than the 800-character buffer of the
// program is cut to 799, and a buffer too small for anything reads nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/Win32Profile.h"

namespace {

TEST(Profile, TheBufferBoundsTheValue) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring ini =
      std::wstring(folder) + L"vltest-" + std::to_wstring(GetCurrentProcessId()) + L".ini";
  vl::win32::Win32Profile profile;
  const std::wstring phrase(1000, L'x');
  ASSERT_TRUE(profile.WriteString(L"Raisons", L"1", phrase, ini));
  EXPECT_EQ(profile.ReadString(L"Raisons", L"1", ini, 800), phrase.substr(0, 799));
  EXPECT_EQ(profile.ReadString(L"Raisons", L"1", ini, 1), L"");
  EXPECT_EQ(profile.ReadString(L"Raisons", L"1", ini, 0), L"");
  EXPECT_EQ(profile.ReadString(L"Raisons", L"2", ini, 800), L"") << "a missing key";
  DeleteFileW(ini.c_str());
}

}  // namespace
