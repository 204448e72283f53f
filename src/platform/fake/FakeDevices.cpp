#include "platform/fake/FakeDevices.h"

#include <algorithm>

#include "platform/fake/FakeClock.h"

namespace vl {

void FakeSound::PlayAsync(const std::wstring& wavPath) {
  played_.push_back(Played{clock_.Now(), wavPath});
}

std::uint32_t FakeProcesses::OwnerProcess(WindowHandle window) {
  auto it = owners_.find(window);
  return it == owners_.end() ? 0 : it->second;
}

std::vector<ProcessEntry> FakeProcesses::Snapshot() {
  if (failSnapshot_) return {};
  return running_;
}

bool FakeProcesses::EnableDebugPrivilege() {
  ++privilegeRequests_;
  return true;
}

bool FakeProcesses::Terminate(std::uint32_t processId) {
  if (protected_.count(processId) != 0) return false;
  auto it = std::find_if(running_.begin(), running_.end(),
                         [&](const ProcessEntry& e) { return e.id == processId; });
  if (it == running_.end()) return false;
  running_.erase(it);
  terminated_.push_back(processId);
  return true;
}

void FakeProcesses::Add(std::uint32_t id, const std::string& exeName) {
  std::string field = exeName.substr(0, 259);
  field.resize(260, '\0');
  running_.push_back(ProcessEntry{id, field});
}

}  // namespace vl
