// The rounds of Rijndael through whole-word tables, one instance per block length so that the
// row shifts are constants and the columns of a round unroll. Internal to CRijndael.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace vl::rijndael {

// Words are packed from 4 bytes, the first byte lowest, whatever the machine's byte order.
inline std::uint32_t LoadWord(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
         std::uint32_t{p[3]} << 24;
}

inline void StoreWord(std::uint8_t* p, std::uint32_t w) {
  p[0] = static_cast<std::uint8_t>(w);
  p[1] = static_cast<std::uint8_t>(w >> 8);
  p[2] = static_cast<std::uint8_t>(w >> 16);
  p[3] = static_cast<std::uint8_t>(w >> 24);
}

// The row offsets of the row shift: C1 = 1, and C2, C3 = 3, 4 from 8 columns on, else 2, 3.
// Decryption walks the columns the other way, (Nb - C) mod Nb.
template <int NB, bool kForward>
struct Shifts {
  static constexpr int c2 = NB >= 8 ? 3 : 2;
  static constexpr int s1 = kForward ? 1 : NB - 1;
  static constexpr int s2 = kForward ? c2 : NB - c2;
  static constexpr int s3 = kForward ? c2 + 1 : NB - c2 - 1;
};

// One full round: column j of `out` takes row r from column j + s_r of `in`; the table word
// of that byte, rotated to row r, carries both the substitution and the column mixing.
template <int NB, bool kForward, std::size_t... J>
inline void FullRound(const std::uint32_t* in, std::uint32_t* out, const std::uint32_t* rk,
                      const std::uint32_t* t, std::index_sequence<J...>) {
  using S = Shifts<NB, kForward>;
  ((out[J] = rk[J] ^ t[in[J] & 0xFF] ^ std::rotl(t[(in[(J + S::s1) % NB] >> 8) & 0xFF], 8) ^
             std::rotl(t[(in[(J + S::s2) % NB] >> 16) & 0xFF], 16) ^
             std::rotl(t[in[(J + S::s3) % NB] >> 24], 24)),
   ...);
}

// The last round: substitution and row shift, no column mixing.
template <int NB, bool kForward, std::size_t... J>
inline void FinalRound(const std::uint32_t* in, std::uint32_t* out, const std::uint32_t* rk,
                       const std::uint8_t* sbox, std::index_sequence<J...>) {
  using S = Shifts<NB, kForward>;
  ((out[J] = rk[J] ^ (std::uint32_t{sbox[in[J] & 0xFF]} |
                      std::uint32_t{sbox[(in[(J + S::s1) % NB] >> 8) & 0xFF]} << 8 |
                      std::uint32_t{sbox[(in[(J + S::s2) % NB] >> 16) & 0xFF]} << 16 |
                      std::uint32_t{sbox[in[(J + S::s3) % NB] >> 24]} << 24)),
   ...);
}

// Encrypts (forward tables and keys) or decrypts by the equivalent inverse cipher (inverse
// tables and keys) one block of 4 * NB bytes in place, with nr rounds.
template <int NB, bool kForward>
void CipherBlock(std::uint8_t* block, const std::uint32_t* rk, int nr, const std::uint32_t* table,
                 const std::uint8_t* sbox) {
  constexpr auto columns = std::make_index_sequence<NB>{};
  std::uint32_t a[NB];
  std::uint32_t b[NB];
  for (int j = 0; j < NB; ++j)
    a[j] = LoadWord(block + 4 * j) ^ rk[j];
  for (int round = 1; round < nr; round += 2) {
    FullRound<NB, kForward>(a, b, rk + NB * round, table, columns);
    if (round + 1 == nr) {
      FinalRound<NB, kForward>(b, a, rk + NB * nr, sbox, columns);
      for (int j = 0; j < NB; ++j)
        StoreWord(block + 4 * j, a[j]);
      return;
    }
    FullRound<NB, kForward>(b, a, rk + NB * (round + 1), table, columns);
  }
  FinalRound<NB, kForward>(a, b, rk + NB * nr, sbox, columns);
  for (int j = 0; j < NB; ++j)
    StoreWord(block + 4 * j, b[j]);
}

}  // namespace vl::rijndael
