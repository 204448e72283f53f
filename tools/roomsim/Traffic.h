// The traffic generator: at about RATE events per second, users of its own join, talk and
// leave, so that the moderator's tools see a busy chat. Seeded, so that a run repeats. Portable.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace roomsim {

struct TrafficEvent {
  enum class Kind { Join, Say, Leave } kind = Kind::Join;
  std::wstring nick;
  std::wstring text;    // Say
  bool french = false;  // Join: which join line
};

class Traffic {
 public:
  explicit Traffic(unsigned seed) : random_(seed) {}

  // RATE events per second from `nowMs` on; 0 stops.
  void SetRate(int rate, std::int64_t nowMs);
  int Rate() const { return rate_; }

  // The events due up to `nowMs`, at most a few per call so that a late tick cannot flood.
  std::vector<TrafficEvent> Due(std::int64_t nowMs);

  // A user of the generator left by other means (a kick): it is no longer one to move.
  void Forget(const std::wstring& nick);

 private:
  TrafficEvent Next();

  std::mt19937 random_;
  int rate_ = 0;
  std::int64_t nextMs_ = 0;
  int counter_ = 0;
  std::vector<std::wstring> present_;  // the generator's own users now in the room
};

}  // namespace roomsim
