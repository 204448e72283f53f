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

// Which copies are ended, beside this one ("verdelune.exe", id 400): the name is a prefix
// compared with its case, and a process that cannot be opened is left.
TEST_F(GestionInstanceTest, WhoIsACopy) {
  struct Case {
    std::vector<std::pair<std::uint32_t, std::string>> others;
    std::vector<std::uint32_t> ended;
  };
  const Case cases[] = {
      {{}, {}},
      {{{11, "Verdelune.exe"},
        {12, "verdelune.exe.old"},
        {13, "copie-verdelune.exe"},
        {14, "verdelune.ex"}},
       {12}},
      {{{21, "verdelune.exe"}, {22, "verdelune.exe"}}, {22}},  // 21 is protected
  };
  for (const Case& c : cases) {
    FakeProcesses fresh;
    fresh.SetOwner(kOwnWindow, kOwnId);
    fresh.Add(kOwnId, "verdelune.exe");
    for (const auto& [id, name] : c.others)
      fresh.Add(id, name);
    fresh.Protect(21);
    GestionInstance(fresh).FermeAutresInstances(kOwnWindow);
    EXPECT_EQ(fresh.Terminated(), c.ended) << c.others.size();
  }
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
