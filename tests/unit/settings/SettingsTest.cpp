// The settings file as the program reaches it: beside the executable, in the ANSI code page
// on disk, and made by the first write.
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/fake/FakeProfile.h"
#include "settings/SettingsKeys.h"

namespace vl {
namespace {

TEST(Settings, AMissingFileReadsEmptyAndIsMadeBesideTheExecutableByTheFirstWrite) {
  FakeProfile profile;
  profile.SetExecutableFolder(L"D:\\Outils\\Verdelune");
  Settings settings(profile);
  EXPECT_EQ(settings.Path(), L"D:\\Outils\\Verdelune\\verdelune.ini");
  EXPECT_FALSE(settings.FileExists());
  EXPECT_EQ(settings.Read(key::kBotNick), L"");
  settings.WritePhrase(1, L"Bienvenue $N, ça va ?");
  settings.Write(key::kBotNick, L"RoomBot");
  EXPECT_TRUE(settings.FileExists());
  EXPECT_EQ(profile.FileBytes(settings.Path()),
            "[Raisons]\r\n1=Bienvenue $N, \xE7"
            "a va ?\r\n[Parametres]\r\nPseudo RoomBot=RoomBot\r\n");
  EXPECT_EQ(settings.ReadPhrase(1), L"Bienvenue $N, ça va ?");
}

TEST(Settings, OnlyTheFirstFailedWriteOfARunIsTold) {
  FakeProfile profile;
  std::vector<std::wstring> told;
  Settings settings(profile, [&told](const std::wstring& path) { told.push_back(path); });
  settings.Write(key::kAnnSonore, L"O");
  EXPECT_TRUE(told.empty()) << "a write that succeeds is silent";
  profile.SetReadOnly(settings.Path(), true);
  settings.Write(key::kAnnSonore, L"N");
  settings.WritePhrase(3, L"perdu");
  EXPECT_EQ(told, std::vector<std::wstring>{settings.Path()});
  EXPECT_EQ(settings.Read(key::kAnnSonore), L"O") << "the file keeps its content";
  profile.SetReadOnly(settings.Path(), false);
  settings.Write(key::kAnnSonore, L"N");
  profile.SetReadOnly(settings.Path(), true);
  settings.Write(key::kAnnSonore, L"O");
  EXPECT_EQ(told.size(), 1u);
}

}  // namespace
}  // namespace vl
