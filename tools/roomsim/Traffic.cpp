// Choices of the traffic generator.
#include "Traffic.h"

#include <algorithm>

namespace roomsim {
namespace {

constexpr std::size_t kMaxPresent = 12;
constexpr int kMaxBurst = 5;

const wchar_t* const kPhrases[] = {L"bonjour tout le monde",
                                   L"salut !",
                                   L"quelqu'un a vu le match ?",
                                   L"lol",
                                   L"bonne soirée",
                                   L"ça va ?",
                                   L"hello",
                                   L"je reviens",
                                   L"mdr",
                                   L"on se voit demain"};

}  // namespace

void Traffic::SetRate(int rate, std::int64_t nowMs) {
  rate_ = std::max(0, rate);
  nextMs_ = nowMs;
}

std::vector<TrafficEvent> Traffic::Due(std::int64_t nowMs) {
  std::vector<TrafficEvent> events;
  if (rate_ <= 0) return events;
  const std::int64_t period = 1000 / rate_;
  while (nextMs_ <= nowMs && static_cast<int>(events.size()) < kMaxBurst) {
    events.push_back(Next());
    nextMs_ += period;
  }
  if (nextMs_ <= nowMs) nextMs_ = nowMs + period;  // behind: drop the backlog
  return events;
}

void Traffic::Forget(const std::wstring& nick) {
  present_.erase(std::remove(present_.begin(), present_.end(), nick), present_.end());
}

TrafficEvent Traffic::Next() {
  const int roll = std::uniform_int_distribution<int>(0, 9)(random_);
  TrafficEvent e;
  // Joins while the room is quiet, leaves when it is full, talk most of the time otherwise.
  if (present_.empty() || (roll < 3 && present_.size() < kMaxPresent)) {
    e.kind = TrafficEvent::Kind::Join;
    e.nick = L"Invite" + std::to_wstring(++counter_);
    e.french = roll % 2 == 0;
    present_.push_back(e.nick);
    return e;
  }
  const auto who = std::uniform_int_distribution<std::size_t>(0, present_.size() - 1)(random_);
  e.nick = present_[who];
  if (roll < 5 || present_.size() >= kMaxPresent) {
    e.kind = TrafficEvent::Kind::Leave;
    present_.erase(present_.begin() + static_cast<std::ptrdiff_t>(who));
    return e;
  }
  e.kind = TrafficEvent::Kind::Say;
  std::uniform_int_distribution<std::size_t> phrase(0, std::size(kPhrases) - 1);
  e.text = kPhrases[phrase(random_)];
  return e;
}

}  // namespace roomsim
