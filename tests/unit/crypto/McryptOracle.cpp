// The libmcrypt reference: ECB over whole blocks, nothing of ours in between.
#include "unit/crypto/McryptOracle.h"

#include <mcrypt.h>

#include <algorithm>
#include <stdexcept>

namespace vl::test {

Bytes McryptEncrypt(const char* algorithm, std::span<const std::uint8_t> key,
                    std::span<const std::uint8_t> data) {
  MCRYPT td =
      mcrypt_module_open(const_cast<char*>(algorithm), nullptr, const_cast<char*>("ecb"), nullptr);
  if (td == MCRYPT_FAILED) throw std::runtime_error("mcrypt_module_open failed");
  Bytes keyCopy(key.begin(), key.end());
  Bytes out(data.begin(), data.end());
  if (mcrypt_generic_init(td, keyCopy.data(), static_cast<int>(keyCopy.size()), nullptr) < 0) {
    mcrypt_module_close(td);
    throw std::runtime_error("mcrypt_generic_init failed");
  }
  const int rc = mcrypt_generic(td, out.data(), static_cast<int>(out.size()));
  mcrypt_generic_deinit(td);
  mcrypt_module_close(td);
  if (rc != 0) throw std::runtime_error("mcrypt failed");
  return out;
}

Bytes ReferenceEncryptData(std::span<const std::uint8_t> message,
                           std::span<const std::uint8_t> password) {
  // 4-byte little-endian length, the message, zeros up to a multiple of 32 bytes.
  Bytes frame((message.size() + 4 + 31) / 32 * 32, 0);
  for (int i = 0; i < 4; ++i)
    frame[i] = static_cast<std::uint8_t>(message.size() >> (8 * i));
  std::copy(message.begin(), message.end(), frame.begin() + 4);
  // The first 32 bytes of the password, zero padded.
  Bytes key(32, 0);
  std::copy_n(password.begin(), std::min<std::size_t>(password.size(), 32), key.begin());
  return McryptEncrypt("rijndael-256", key, frame);
}

Bytes BytesOf(std::string_view s) {
  return Bytes(s.begin(), s.end());
}

Bytes RandomBytes(std::mt19937& rng, std::size_t n) {
  Bytes out(n);
  std::generate(out.begin(), out.end(), [&] { return static_cast<std::uint8_t>(rng()); });
  return out;
}

std::wstring UpperHex(std::span<const std::uint8_t> bytes) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring hex;
  for (const std::uint8_t b : bytes)
    hex += {kDigits[b >> 4], kDigits[b & 15]};
  return hex;
}

}  // namespace vl::test
