// The settings file as the program reaches it: beside the executable, in the ANSI code page
// on disk, and made by the first write.
#include "settings/Settings.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vl
