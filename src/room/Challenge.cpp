// Draws the 5-digit challenge: a number below 100000, lifted into 10000 .. 99999.
#include "room/Challenge.h"

#include <random>

namespace vl {

namespace {

// Integer part of r * scale, kept within 0 .. scale - 1 whatever r is.
int Scaled(double r, int scale) {
  if (!(r >= 0.0)) return 0;  // also catches NaN
  const double v = r * scale;
  return v >= scale ? scale - 1 : static_cast<int>(v);
}

}  // namespace

std::wstring DrawChallenge(std::uint64_t clockSeed) {
  std::mt19937_64 generator(clockSeed);
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  return DrawChallenge([&] { return uniform(generator); });
}

std::wstring DrawChallenge(const std::function<double()>& nextRandom) {
  int x = Scaled(nextRandom(), 100000);
  if (x < 10000) x += (Scaled(nextRandom(), 9) + 1) * 10000;
  return std::to_wstring(x);
}

}  // namespace vl
