// The single-instance guard: which running processes are older copies, and what is ended. The
// journey checks a second copy ending the first and a renamed copy left alone.
#include "app/GestionInstance.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeDevices.h"

namespace vl {
namespace {

constexpr WindowHandle kOwnWindow = 0x500;
constexpr std::uint32_t kOwnId = 400;

// Beside this copy (id 400, named `own`): the name is a prefix compared with its case, a process
// that cannot be opened (21) is left, an empty name or a failed snapshot ends nothing, and the
// order is the snapshot's.
TEST(GestionInstance, WhoIsACopy) {
  struct Case {
    std::string own;
    std::vector<std::pair<std::uint32_t, std::string>> others;
    std::vector<std::uint32_t> ended;
    bool failSnapshot = false;
  };
  std::vector<std::pair<std::uint32_t, std::string>> many;
  std::vector<std::uint32_t> manyEnded;
  for (std::uint32_t id = 1000; id < 1060; ++id) {
    many.emplace_back(id, "verdelune.exe");
    manyEnded.push_back(id);
  }
  const Case cases[] = {
      {"verdelune.exe",
       {{300, "verdelune.exe"}, {200, "explorer.exe"}, {100, "verdelune.exe"}},
       {300, 100}},
      {"verdelune.exe",
       {{11, "Verdelune.exe"},
        {12, "verdelune.exe.old"},
        {13, "copie-verdelune.exe"},
        {14, "verdelune.ex"}},
       {12}},
      {"verdelune.exe", {{21, "verdelune.exe"}, {22, "verdelune.exe"}}, {22}},
      {"", {{31, "verdelune.exe"}}, {}},  // its own entry missing
      {"     ", {{41, "anything.exe"}}, {}},
      {"verdelune.exe", {{51, "verdelune.exe"}}, {}, true},
      {"verdelune.exe", many, manyEnded},  // more than the 51 of a fixed table
  };
  for (const Case& c : cases) {
    FakeProcesses processes;
    processes.SetOwner(kOwnWindow, kOwnId);
    if (!c.own.empty()) processes.Add(kOwnId, c.own);
    for (const auto& [id, name] : c.others)
      processes.Add(id, name);
    processes.Protect(21);
    processes.FailSnapshot(c.failSnapshot);
    GestionInstance guard(processes);
    guard.FermeAutresInstances(kOwnWindow);
    EXPECT_EQ(processes.Terminated(), c.ended) << c.others.front().first;
    if (&c == cases) {
      EXPECT_EQ(processes.PrivilegeRequests(), 2) << "asked before each end";
    }
  }
}

}  // namespace
}  // namespace vl
