// The challenge of the identification line: five decimal digits drawn once per run.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vl {

// Draws with a generator seeded from `clockSeed` (the clock's milliseconds).
std::wstring DrawChallenge(std::uint64_t clockSeed);

// Draws from `nextRandom`, numbers in [0, 1): the first gives the number, and a number
// below 10000 is lifted by a multiple of 10000 from 1 to 9 drawn from the second. Always five
// digits, 10000 to 99999, even when `nextRandom` strays out of [0, 1).
std::wstring DrawChallenge(const std::function<double()>& nextRandom);

}  // namespace vl
