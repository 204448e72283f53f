// libmcrypt's Rijndael in ECB mode as an independent reference for the cipher tests, and the
// message frame built by hand for it.
#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vl::test {

using Bytes = std::vector<std::uint8_t>;

// `algorithm` is "rijndael-128", "rijndael-192" or "rijndael-256" (the block length); the key
// length (16, 24 or 32 bytes) chooses the key size. `data` is whole blocks.
Bytes McryptEncrypt(const char* algorithm, std::span<const std::uint8_t> key,
                    std::span<const std::uint8_t> data);

// The message framed by hand (its 4-byte little-endian length, the bytes, zeros up to a multiple
// of 32), rijndael-256 ECB under the password's first 32 bytes, zero padded.
Bytes ReferenceEncryptData(std::span<const std::uint8_t> message,
                           std::span<const std::uint8_t> password);

Bytes BytesOf(std::string_view s);
Bytes RandomBytes(std::mt19937& rng, std::size_t n);
std::wstring UpperHex(std::span<const std::uint8_t> bytes);

}  // namespace vl::test
