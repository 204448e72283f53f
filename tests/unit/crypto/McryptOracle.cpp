// The libmcrypt reference: ECB over whole blocks, nothing of ours in between.
#include "unit/crypto/McryptOracle.h"

#include <mcrypt.h>

#include <algorithm>
#include <stdexcept>

namespace vl::test {

namespace {

Bytes RunMcrypt(const char* algorithm, std::span<const std::uint8_t> key,
                std::span<const std::uint8_t> data, bool encrypt) {
  MCRYPT td =
      mcrypt_module_open(const_cast<char*>(algorithm), nullptr, const_cast<char*>("ecb"), nullptr);
  if (td == MCRYPT_FAILED) throw std::runtime_error("mcrypt_module_open failed");
  Bytes keyCopy(key.begin(), key.end());
  Bytes out(data.begin(), data.end());
  if (mcrypt_generic_init(td, keyCopy.data(), static_cast<int>(keyCopy.size()), nullptr) < 0) {
    mcrypt_module_close(td);
    throw std::runtime_error("mcrypt_generic_init failed");
  }
  const int size = static_cast<int>(out.size());
  const int rc =
      encrypt ? mcrypt_generic(td, out.data(), size) : mdecrypt_generic(td, out.data(), size);
  mcrypt_generic_deinit(td);
  mcrypt_module_close(td);
  if (rc != 0) throw std::runtime_error("mcrypt failed");
  return out;
}

}  // namespace

Bytes McryptEncrypt(const char* algorithm, std::span<const std::uint8_t> key,
                    std::span<const std::uint8_t> data) {
  return RunMcrypt(algorithm, key, data, true);
}

Bytes McryptDecrypt(const char* algorithm, std::span<const std::uint8_t> key,
                    std::span<const std::uint8_t> data) {
  return RunMcrypt(algorithm, key, data, false);
}

Bytes FrameOf(std::span<const std::uint8_t> message) {
  const std::size_t length = message.size();
  Bytes frame((length + 4 + 31) / 32 * 32, 0);
  for (int i = 0; i < 4; ++i)
    frame[i] = static_cast<std::uint8_t>(length >> (8 * i));
  std::copy(message.begin(), message.end(), frame.begin() + 4);
  return frame;
}

Bytes KeyOf(std::span<const std::uint8_t> password) {
  Bytes key(32, 0);
  std::copy_n(password.begin(), std::min<std::size_t>(password.size(), 32), key.begin());
  return key;
}

Bytes ReferenceEncryptData(std::span<const std::uint8_t> message,
                           std::span<const std::uint8_t> password) {
  return McryptEncrypt("rijndael-256", KeyOf(password), FrameOf(message));
}

Bytes BytesOf(std::string_view s) {
  return Bytes(s.begin(), s.end());
}

Bytes RandomBytes(std::mt19937& rng, std::size_t n) {
  Bytes out(n);
  for (auto& b : out)
    b = static_cast<std::uint8_t>(rng());
  return out;
}

std::wstring UpperHex(std::span<const std::uint8_t> bytes) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring hex;
  for (const std::uint8_t b : bytes) {
    hex.push_back(kDigits[b >> 4]);
    hex.push_back(kDigits[b & 15]);
  }
  return hex;
}

}  // namespace vl::test
