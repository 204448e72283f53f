// libmcrypt's Rijndael in ECB mode as an independent reference for the cipher tests, and the
// message frame built by hand for it.
#pragma once

#include <mcrypt.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace vl::test {

using Bytes = std::vector<std::uint8_t>;

// `algorithm` is "rijndael-128", "rijndael-192" or "rijndael-256" (the block length); the key
// length (16, 24 or 32 bytes) chooses the key size. `data` is whole blocks.
inline Bytes McryptEncrypt(const char* algorithm, Bytes key, Bytes data) {
  MCRYPT td =
      mcrypt_module_open(const_cast<char*>(algorithm), nullptr, const_cast<char*>("ecb"), nullptr);
  if (td == MCRYPT_FAILED) throw std::runtime_error("mcrypt_module_open failed");
  const bool ready =
      mcrypt_generic_init(td, key.data(), static_cast<int>(key.size()), nullptr) >= 0;
  const bool done = ready && mcrypt_generic(td, data.data(), static_cast<int>(data.size())) == 0;
  if (ready) mcrypt_generic_deinit(td);
  mcrypt_module_close(td);
  if (!done) throw std::runtime_error("mcrypt failed");
  return data;
}

// The message framed by hand (its 4-byte little-endian length, the bytes, zeros up to a multiple
// of 32), rijndael-256 ECB under the password's first 32 bytes, zero padded.
inline Bytes ReferenceEncryptData(const Bytes& message, Bytes password) {
  Bytes frame(4, 0);
  for (int i = 0; i < 4; ++i)
    frame[i] = static_cast<std::uint8_t>(message.size() >> (8 * i));
  frame.insert(frame.end(), message.begin(), message.end());
  frame.resize((frame.size() + 31) / 32 * 32, 0);
  password.resize(32, 0);
  return McryptEncrypt("rijndael-256", password, frame);
}

inline std::string UpperHex(const Bytes& bytes) {
  std::string hex;
  for (const std::uint8_t b : bytes)
    hex += {"0123456789ABCDEF"[b >> 4], "0123456789ABCDEF"[b & 15]};
  return hex;
}

// The hex form of ReferenceEncryptData over two byte strings (Windows-1252 texts).
inline std::string ReferenceHex(const std::string& message, const std::string& password) {
  return UpperHex(ReferenceEncryptData(Bytes(message.begin(), message.end()),
                                       Bytes(password.begin(), password.end())));
}

inline Bytes RandomBytes(std::mt19937& rng, std::size_t n) {
  Bytes out(n);
  std::generate(out.begin(), out.end(), [&] { return static_cast<std::uint8_t>(rng()); });
  return out;
}

}  // namespace vl::test
