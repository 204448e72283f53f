// Builds the shared key from character codes: twelve joined in a fixed order, then eight more.
#include "crypto/SharedKey.h"

#include <array>

namespace vl {

std::wstring CipherKeyText() {
  // The first twelve codes are kept shuffled; kHeadOrder[i] picks the i-th character.
  constexpr std::array<int, 12> kHeadCodes = {43, 51, 78, 65, 56, 102, 54, 117, 81, 118, 37, 35};
  constexpr std::array<int, 12> kHeadOrder = {8, 7, 10, 2, 5, 11, 9, 0, 4, 6, 3, 1};
  constexpr std::array<int, 8> kTailCodes = {101, 114, 117, 106, 104, 57, 126, 51};
  std::wstring key;
  key.reserve(kHeadCodes.size() + kTailCodes.size());
  for (const int index : kHeadOrder)
    key.push_back(static_cast<wchar_t>(kHeadCodes[index]));
  for (const int code : kTailCodes)
    key.push_back(static_cast<wchar_t>(code));
  return key;
}

}  // namespace vl
