// CRijndael: the tables of GF(2^8), the S-boxes and round tables, the key schedule and the
// block operations. The message framing is in CRijndaelData.cpp.
#include "crypto/CRijndael.h"

#include <bit>

#include "crypto/RijndaelRounds.h"

namespace vl {

namespace {

std::uint8_t XTime(std::uint8_t a) {
  const std::uint8_t shifted = static_cast<std::uint8_t>(a << 1);
  return (a & 0x80) ? static_cast<std::uint8_t>(shifted ^ 0x1B) : shifted;
}

std::uint32_t PackBytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
  return std::uint32_t{b0} | std::uint32_t{b1} << 8 | std::uint32_t{b2} << 16 |
         std::uint32_t{b3} << 24;
}

bool IsRijndaelLength(int words) {
  return words == 4 || words == 6 || words == 8;
}

}  // namespace

CRijndael::CRijndael() : InCo_{0x0B, 0x0D, 0x09, 0x0E} {
  // The tables depend on nothing: one build serves every call of this object.
  BuildTables();
}

void CRijndael::BuildTables() {
  ptab_[0] = 1;
  ptab_[1] = 3;
  ltab_[1] = 0;
  ltab_[3] = 1;
  for (int i = 2; i < 256; ++i) {
    ptab_[i] = static_cast<std::uint8_t>(ptab_[i - 1] ^ XTime(ptab_[i - 1]));
    ltab_[ptab_[i]] = static_cast<std::uint8_t>(i);
  }
  fbsub_[0] = 0x63;
  rbsub_[0x63] = 0;
  for (int x = 1; x < 256; ++x) {
    const std::uint8_t y = ByteSub(static_cast<std::uint8_t>(x));
    fbsub_[x] = y;
    rbsub_[y] = static_cast<std::uint8_t>(x);
  }
  rco_[0] = 1;
  for (std::size_t i = 1; i < rco_.size(); ++i)
    rco_[i] = XTime(rco_[i - 1]);
  for (int x = 0; x < 256; ++x) {
    const std::uint8_t y = fbsub_[x];
    ftable_[x] = PackBytes(XTime(y), y, y, static_cast<std::uint8_t>(y ^ XTime(y)));
    const std::uint8_t z = rbsub_[x];
    rtable_[x] = PackBytes(Multiply(InCo_[3], z), Multiply(InCo_[2], z), Multiply(InCo_[1], z),
                           Multiply(InCo_[0], z));
  }
}

std::uint8_t CRijndael::Multiply(std::uint8_t a, std::uint8_t b) const {
  if (a == 0 || b == 0) return 0;
  return ptab_[(ltab_[a] + ltab_[b]) % 255];
}

// The multiplicative inverse followed by the affine map of the S-box.
std::uint8_t CRijndael::ByteSub(std::uint8_t x) const {
  const std::uint8_t inverse = x ? ptab_[255 - ltab_[x]] : 0;
  std::uint8_t result = inverse;
  for (int shift = 1; shift <= 4; ++shift)
    result ^= std::rotl(inverse, shift);
  return static_cast<std::uint8_t>(result ^ 0x63);
}

std::uint32_t CRijndael::SubWord(std::uint32_t w) const {
  return PackBytes(fbsub_[w & 0xFF], fbsub_[(w >> 8) & 0xFF], fbsub_[(w >> 16) & 0xFF],
                   fbsub_[w >> 24]);
}

// The inverse table already holds the inverse mixing of InvS(x), so going through the forward
// S-box first leaves the mixing alone.
std::uint32_t CRijndael::InvMixColumn(std::uint32_t w) const {
  return rtable_[fbsub_[w & 0xFF]] ^ std::rotl(rtable_[fbsub_[(w >> 8) & 0xFF]], 8) ^
         std::rotl(rtable_[fbsub_[(w >> 16) & 0xFF]], 16) ^ std::rotl(rtable_[fbsub_[w >> 24]], 24);
}

bool CRijndael::ExpandKey(int nb, int nk, std::span<const std::uint8_t> key) {
  if (!IsRijndaelLength(nb) || !IsRijndaelLength(nk)) return false;
  if (key.size() != static_cast<std::size_t>(4 * nk)) return false;
  Nb_ = nb;
  Nk_ = nk;
  Nr_ = (nb > nk ? nb : nk) + 6;
  const int words = Nb_ * (Nr_ + 1);
  for (int i = 0; i < Nk_; ++i)
    fkey_[i] = rijndael::LoadWord(key.data() + 4 * i);
  for (int i = Nk_; i < words; ++i) {
    std::uint32_t temp = fkey_[i - 1];
    if (i % Nk_ == 0) {
      // RotWord moves byte 1 to byte 0: with the first byte lowest, a right rotation.
      temp = SubWord(std::rotr(temp, 8)) ^ rco_[i / Nk_ - 1];
    } else if (Nk_ > 6 && i % Nk_ == 4) {
      temp = SubWord(temp);
    }
    fkey_[i] = fkey_[i - Nk_] ^ temp;
  }
  // The equivalent inverse cipher takes the round keys backwards, the inner ones unmixed.
  for (int round = 0; round <= Nr_; ++round) {
    for (int j = 0; j < Nb_; ++j) {
      const std::uint32_t w = fkey_[(Nr_ - round) * Nb_ + j];
      const bool outer = round == 0 || round == Nr_;
      rkey_[round * Nb_ + j] = outer ? w : InvMixColumn(w);
    }
  }
  return true;
}

bool CRijndael::EncryptBlock(std::span<std::uint8_t> block) const {
  if (Nb_ == 0 || block.size() != static_cast<std::size_t>(4 * Nb_)) return false;
  const auto* t = ftable_.data();
  const auto* s = fbsub_.data();
  if (Nb_ == 4) rijndael::CipherBlock<4, true>(block.data(), fkey_.data(), Nr_, t, s);
  if (Nb_ == 6) rijndael::CipherBlock<6, true>(block.data(), fkey_.data(), Nr_, t, s);
  if (Nb_ == 8) rijndael::CipherBlock<8, true>(block.data(), fkey_.data(), Nr_, t, s);
  return true;
}

bool CRijndael::DecryptBlock(std::span<std::uint8_t> block) const {
  if (Nb_ == 0 || block.size() != static_cast<std::size_t>(4 * Nb_)) return false;
  const auto* t = rtable_.data();
  const auto* s = rbsub_.data();
  if (Nb_ == 4) rijndael::CipherBlock<4, false>(block.data(), rkey_.data(), Nr_, t, s);
  if (Nb_ == 6) rijndael::CipherBlock<6, false>(block.data(), rkey_.data(), Nr_, t, s);
  if (Nb_ == 8) rijndael::CipherBlock<8, false>(block.data(), rkey_.data(), Nr_, t, s);
  return true;
}

}  // namespace vl
