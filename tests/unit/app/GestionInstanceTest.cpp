// The single-instance guard: which running processes an older copy is, and what is ended.
#include "app/GestionInstance.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeDevices.h"

namespace vl {
namespace {

constexpr WindowHandle kOwnWindow = 0x500;
constexpr std::uint32_t kOwnId = 400;

class GestionInstanceTest : public ::testing::Test {
 protected:
  GestionInstanceTest() : guard(processes) { processes.SetOwner(kOwnWindow, kOwnId); }
  FakeProcesses processes;
  GestionInstance guard;
};

TEST_F(GestionInstanceTest, EndsOlderCopiesInSnapshotOrderAndSparesItself) {
  processes.Add(300, "verdelune.exe");
  processes.Add(kOwnId, "verdelune.exe");
  processes.Add(100, "verdelune.exe");
  processes.Add(200, "explorer.exe");
  guard.FermeAutresInstances(kOwnWindow);
  EXPECT_EQ(processes.Terminated(), (std::vector<std::uint32_t>{300, 100}));
  EXPECT_EQ(processes.PrivilegeRequests(), 2) << "the privilege is asked again at every call";
}

TEST_F(GestionInstanceTest, TheNameIsAPrefixComparedWithItsCase) {
  processes.Add(kOwnId, "verdelune.exe");
  processes.Add(11, "Verdelune.exe");        // another case: another program
  processes.Add(12, "verdelune.exe.old");    // the name with more behind it: a copy
  processes.Add(13, "copie-verdelune.exe");  // another file name: left alone
  processes.Add(14, "verdelune.ex");         // shorter than the name
  guard.FermeAutresInstances(kOwnWindow);
  EXPECT_EQ(processes.Terminated(), (std::vector<std::uint32_t>{12}));
}

TEST_F(GestionInstanceTest, AloneNothingIsEnded) {
  processes.Add(kOwnId, "verdelune.exe");
  guard.FermeAutresInstances(kOwnWindow);
  EXPECT_EQ(guard.Matches().size(), 1u);
  EXPECT_TRUE(processes.Terminated().empty());
}

TEST_F(GestionInstanceTest, AProcessThatCannotBeOpenedIsLeftAndTheOthersAreEnded) {
  processes.Add(kOwnId, "verdelune.exe");
  processes.Add(21, "verdelune.exe");
  processes.Add(22, "verdelune.exe");
  processes.Protect(21);
  guard.FermeAutresInstances(kOwnWindow);
  EXPECT_EQ(processes.Terminated(), (std::vector<std::uint32_t>{22}));
}

TEST_F(GestionInstanceTest, WithoutItsOwnEntryNothingIsEnded) {
  processes.Add(31, "verdelune.exe");
  EXPECT_EQ(guard.NomExecutable(kOwnWindow), L"[Pas d'exécutable trouvé]");
  guard.FermeAutresInstances(kOwnWindow);
  EXPECT_TRUE(processes.Terminated().empty());

  processes.Add(kOwnId, "verdelune.exe");
  processes.FailSnapshot(true);
  guard.FermeAutresInstances(kOwnWindow);
  EXPECT_TRUE(processes.Terminated().empty());
}

TEST_F(GestionInstanceTest, AnEmptyNameMatchesNothing) {
  processes.Add(kOwnId, std::string(5, ' '));
  processes.Add(41, "anything.exe");
  guard.FermeAutresInstances(kOwnWindow);
  EXPECT_TRUE(processes.Terminated().empty());
}

TEST_F(GestionInstanceTest, MoreThanFiftyOneCopiesAreAllEnded) {
  processes.Add(kOwnId, "verdelune.exe");
  for (std::uint32_t id = 1000; id < 1060; ++id)
    processes.Add(id, "verdelune.exe");
  guard.FermeAutresInstances(kOwnWindow);
  EXPECT_EQ(guard.Matches().size(), 61u);
  EXPECT_EQ(processes.Terminated().size(), 60u);
}

}  // namespace
}  // namespace vl
