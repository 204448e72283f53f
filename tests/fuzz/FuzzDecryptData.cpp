// Fuzzes CRijndael::DecryptData with arbitrary cipher bytes and passwords, and checks the
// round trip of the same bytes as a message.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "crypto/CRijndael.h"

// Input: one byte giving the password length (0 to 40), the password, then the bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t passwordLength = std::min<std::size_t>(data[0] % 41, size - 1);
  const std::span<const std::uint8_t> password(data + 1, passwordLength);
  const std::span<const std::uint8_t> bytes(data + 1 + passwordLength, size - 1 - passwordLength);
  vl::CRijndael cipher;
  const auto plain = cipher.DecryptData(bytes, password);
  if (plain && (plain->empty() || plain->size() + 4 > bytes.size())) std::abort();
  if (bytes.empty()) return 0;
  const auto framed = cipher.EncryptData(bytes, password);
  if (!framed || framed->size() % 32 != 0 || framed->size() < bytes.size() + 4) std::abort();
  const auto back = cipher.DecryptData(*framed, password);
  if (!back || !std::equal(back->begin(), back->end(), bytes.begin(), bytes.end())) std::abort();
  return 0;
}
