// The settings operations over the fake's files: a missing file, a read-only one, and the
// Windows-1252 bytes on disk.
#include "settings/modIni.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeProfile.h"

namespace vl {
namespace {

TEST(modIni, TheFileLiesBesideTheExecutable) {
  FakeProfile profile;
  profile.SetExecutableFolder(L"D:\\Outils\\Verdelune");
  EXPECT_EQ(CheminIni(profile), L"D:\\Outils\\Verdelune\\verdelune.ini");
}

TEST(modIni, AMissingFileReadsEmptyAndIsMadeByTheFirstWrite) {
  FakeProfile profile;
  const std::wstring path = CheminIni(profile);
  EXPECT_FALSE(FichierExiste(profile, path));
  EXPECT_EQ(LitIni(profile, kSectionParametres, L"Pseudo RoomBot", path), L"");
  EcritIni(profile, kSectionRaisons, L"1", L"Bienvenue $N, ça va ?", path);
  EXPECT_TRUE(FichierExiste(profile, path));
  EXPECT_EQ(profile.FileBytes(path),
            "[Raisons]\r\n1=Bienvenue $N, \xE7"
            "a va ?\r\n");
  EXPECT_EQ(LitIni(profile, kSectionRaisons, 1, path), L"Bienvenue $N, ça va ?");
}

TEST(modIni, AnEmptyFileExists) {
  FakeProfile profile;
  const std::wstring path = CheminIni(profile);
  profile.PutFile(path, "");
  EXPECT_TRUE(FichierExiste(profile, path));
}

TEST(modIni, AReadOnlyFileKeepsItsContentAndNothingBreaks) {
  FakeProfile profile;
  const std::wstring path = CheminIni(profile);
  profile.PutFile(path, "[Parametres]\r\nAnnSonore=O\r\n");
  profile.SetReadOnly(path, true);
  EcritIni(profile, kSectionParametres, L"AnnSonore", L"N", path);
  EXPECT_EQ(LitIni(profile, kSectionParametres, L"AnnSonore", path), L"O");
}

}  // namespace
}  // namespace vl
