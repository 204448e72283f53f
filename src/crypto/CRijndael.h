// The Rijndael block cipher (block and key lengths of 4, 6 and 8 words) and the program's
// byte-message framing on top of it: a length header, zero padding, independent 32-byte blocks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vl {

// A byte array that may have no bounds at all (std::nullopt), as opposed to one of length 0.
using ByteArray = std::optional<std::span<const std::uint8_t>>;
using Bytes = std::vector<std::uint8_t>;

class CRijndael {
 public:
  CRijndael();

  // Frames `message` (32-bit little-endian length, the bytes, zeros up to a multiple of 32)
  // and encrypts each 32-byte block on its own under the password's first 32 bytes, zero
  // padded (Nb = Nk = 8). No bytes (std::nullopt) for an array without bounds or an empty
  // message.
  std::optional<Bytes> EncryptData(const ByteArray& message, const ByteArray& password);
  // Undoes EncryptData. No bytes for an array without bounds, a length that is not a positive
  // multiple of 32, or a decrypted length field outside 1 .. length - 4 (a wrong password
  // mostly ends there, but is not detected as such).
  std::optional<Bytes> DecryptData(const ByteArray& cipher, const ByteArray& password);

  // The block layer. ExpandKey accepts nb and nk of 4, 6 or 8 and a key of 4 * nk bytes, and
  // returns false (changing nothing) otherwise. The block functions work in place on 4 * Nb
  // bytes and return false for another length or before any key was expanded.
  bool ExpandKey(int nb, int nk, std::span<const std::uint8_t> key);
  bool EncryptBlock(std::span<std::uint8_t> block) const;
  bool DecryptBlock(std::span<std::uint8_t> block) const;

  int Nb() const { return Nb_; }
  int Nk() const { return Nk_; }
  int Nr() const { return Nr_; }

 private:
  static constexpr int kMaxRoundKeyWords = 120;  // 8 words x 15 round keys

  void BuildTables();
  static bool IsDimensioned(const ByteArray& bytes) { return bytes.has_value(); }
  bool ExpandPassword(std::span<const std::uint8_t> password);
  std::uint8_t Multiply(std::uint8_t a, std::uint8_t b) const;
  std::uint8_t ByteSub(std::uint8_t x) const;
  std::uint32_t SubWord(std::uint32_t w) const;
  std::uint32_t InvMixColumn(std::uint32_t w) const;

  int Nb_ = 0;
  int Nk_ = 0;
  int Nr_ = 0;

  std::array<std::uint8_t, 256> fbsub_{};  // forward S-box
  std::array<std::uint8_t, 256> rbsub_{};  // inverse S-box
  std::array<std::uint8_t, 256> ptab_{};   // powers of 3 in GF(2^8)
  std::array<std::uint8_t, 256> ltab_{};   // their logarithms
  std::array<std::uint8_t, 30> rco_{};     // round constants
  std::array<std::uint32_t, 256> ftable_{};
  std::array<std::uint32_t, 256> rtable_{};
  std::array<std::uint32_t, kMaxRoundKeyWords> fkey_{};
  std::array<std::uint32_t, kMaxRoundKeyWords> rkey_{};
  std::array<std::uint8_t, 4> InCo_{};  // inverse column-mixing coefficients
};

}  // namespace vl
