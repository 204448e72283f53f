// Keyboard, sound and processes in memory.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Devices.h"
#include "platform/Processes.h"

namespace vl {

class FakeClock;

class FakeKeyboard : public Keyboard {
 public:
  bool IsKeyDown(int virtualKey) override { return down_.count(virtualKey) != 0; }
  void Press(int virtualKey) { down_.insert(virtualKey); }
  void Release(int virtualKey) { down_.erase(virtualKey); }

 private:
  std::set<int> down_;
};

class FakeSound : public Sound {
 public:
  explicit FakeSound(FakeClock& clock) : clock_(clock) {}
  void PlayAsync(const std::wstring& wavPath) override;
  struct Played {
    std::uint64_t timeMs;
    std::wstring path;
  };
  const std::vector<Played>& PlayedSounds() const { return played_; }

 private:
  FakeClock& clock_;
  std::vector<Played> played_;
};

class FakeProcesses : public Processes {
 public:
  std::uint32_t OwnerProcess(WindowHandle window) override;
  std::vector<ProcessEntry> Snapshot() override;
  bool EnableDebugPrivilege() override;
  bool Terminate(std::uint32_t processId) override;

  // Test side. A running process, with its executable name.
  void Add(std::uint32_t id, const std::string& exeName);
  void SetOwner(WindowHandle window, std::uint32_t processId) { owners_[window] = processId; }
  // A process this one may not open (another user's, say).
  void Protect(std::uint32_t processId) { protected_.insert(processId); }
  void FailSnapshot(bool fail) { failSnapshot_ = fail; }
  const std::vector<std::uint32_t>& Terminated() const { return terminated_; }
  int PrivilegeRequests() const { return privilegeRequests_; }

 private:
  std::vector<ProcessEntry> running_;
  std::map<WindowHandle, std::uint32_t> owners_;
  std::set<std::uint32_t> protected_;
  std::vector<std::uint32_t> terminated_;
  bool failSnapshot_ = false;
  int privilegeRequests_ = 0;
};

}  // namespace vl
