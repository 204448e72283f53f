// CRijndael's byte-message operations: the frame (32-bit little-endian length, the message,
// zeros up to whole 32-byte blocks), each block enciphered on its own with Nb = Nk = 8.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "crypto/CRijndael.h"
#include "crypto/RijndaelRounds.h"

namespace vl {

namespace {

constexpr std::size_t kBlockBytes = 32;
constexpr std::size_t kHeaderBytes = 4;
// The length field is read back as a signed 32-bit number: longer messages cannot be framed.
constexpr std::size_t kMaxMessageBytes =
    std::numeric_limits<std::int32_t>::max() - kHeaderBytes - kBlockBytes;

}  // namespace

// The key is the password's first 32 bytes, zero padded; bytes past the 32nd are ignored.
bool CRijndael::ExpandPassword(std::span<const std::uint8_t> password) {
  std::array<std::uint8_t, kBlockBytes> key{};
  std::copy_n(password.begin(), std::min(password.size(), key.size()), key.begin());
  return ExpandKey(8, 8, key);
}

std::optional<Bytes> CRijndael::EncryptData(const ByteArray& message, const ByteArray& password) {
  if (!IsDimensioned(message) || !IsDimensioned(password)) return std::nullopt;
  const std::size_t length = message->size();
  if (length == 0 || length > kMaxMessageBytes) return std::nullopt;
  ExpandPassword(*password);
  const std::size_t framed = (length + kHeaderBytes + kBlockBytes - 1) / kBlockBytes * kBlockBytes;
  Bytes out(framed, 0);
  rijndael::StoreWord(out.data(), static_cast<std::uint32_t>(length));
  std::copy(message->begin(), message->end(), out.begin() + kHeaderBytes);
  for (std::size_t offset = 0; offset < framed; offset += kBlockBytes) {
    rijndael::CipherBlock<8, true>(out.data() + offset, fkey_.data(), Nr_, ftable_.data(),
                                   fbsub_.data());
  }
  return out;
}

std::optional<Bytes> CRijndael::DecryptData(const ByteArray& cipher, const ByteArray& password) {
  if (!IsDimensioned(cipher) || !IsDimensioned(password)) return std::nullopt;
  const std::size_t framed = cipher->size();
  if (framed == 0 || framed % kBlockBytes != 0) return std::nullopt;
  ExpandPassword(*password);
  Bytes frame(cipher->begin(), cipher->end());
  for (std::size_t offset = 0; offset < framed; offset += kBlockBytes) {
    rijndael::CipherBlock<8, false>(frame.data() + offset, rkey_.data(), Nr_, rtable_.data(),
                                    rbsub_.data());
  }
  const auto length = static_cast<std::int32_t>(rijndael::LoadWord(frame.data()));
  if (length < 1 || static_cast<std::size_t>(length) > framed - kHeaderBytes) return std::nullopt;
  frame.erase(frame.begin(), frame.begin() + kHeaderBytes);
  frame.resize(static_cast<std::size_t>(length));
  return frame;
}

}  // namespace vl
