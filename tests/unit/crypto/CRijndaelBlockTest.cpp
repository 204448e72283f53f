// The block cipher: published AES vectors, and libmcrypt's Rijndael for every block and key
// length over random keys and blocks.
#include <gtest/gtest.h>

#include "crypto/CRijndael.h"
#include "unit/crypto/McryptOracle.h"

namespace vl {
namespace {

using test::Bytes;

Bytes FromHex(std::string_view hex) {
  Bytes out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    out.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  }
  return out;
}

// FIPS-197, appendix C (C.1 to C.3) and the worked example of appendix B.
TEST(CRijndaelBlock, AesVectorsEncryptAndDecrypt) {
  const char* const vectors[][3] = {
      {"000102030405060708090a0b0c0d0e0f", "00112233445566778899aabbccddeeff",
       "69c4e0d86a7b0430d8cdb78070b4c55a"},
      {"000102030405060708090a0b0c0d0e0f1011121314151617", "00112233445566778899aabbccddeeff",
       "dda97ca4864cdfe06eaf70a0ec0d7191"},
      {"000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
       "00112233445566778899aabbccddeeff", "8ea2b7ca516745bfeafc49904b496089"},
      {"2b7e151628aed2a6abf7158809cf4f3c", "3243f6a8885a308d313198a2e0370734",
       "3925841d02dc09fbdc118597196a0b32"},
  };
  for (const auto& [keyHex, plainHex, cipherHex] : vectors) {
    const Bytes key = FromHex(keyHex);
    CRijndael cipher;
    ASSERT_TRUE(cipher.ExpandKey(4, static_cast<int>(key.size() / 4), key));
    Bytes block = FromHex(plainHex);
    ASSERT_TRUE(cipher.EncryptBlock(block));
    EXPECT_EQ(block, FromHex(cipherHex)) << keyHex;
    ASSERT_TRUE(cipher.DecryptBlock(block));
    EXPECT_EQ(block, FromHex(plainHex)) << keyHex;
  }
}

// libmcrypt takes and gives the bytes in the order we do (it passes the AES vectors above as
// rijndael-128); its algorithm name picks the block length, the key's length Nk.
TEST(CRijndaelBlock, AgreesWithMcryptForEveryBlockAndKeyLength) {
  std::mt19937 rng(20240611);
  for (const int nb : {4, 6, 8}) {
    const std::string algorithm = "rijndael-" + std::to_string(32 * nb);
    for (const int nk : {4, 6, 8}) {
      SCOPED_TRACE(algorithm + " with Nk=" + std::to_string(nk));
      CRijndael cipher;
      for (int trial = 0; trial < 64; ++trial) {
        const Bytes key = test::RandomBytes(rng, 4 * nk);
        const Bytes plain = test::RandomBytes(rng, 4 * nb);
        ASSERT_TRUE(cipher.ExpandKey(nb, nk, key));
        Bytes block = plain;
        ASSERT_TRUE(cipher.EncryptBlock(block));
        ASSERT_EQ(block, test::McryptEncrypt(algorithm.c_str(), key, plain));
        ASSERT_TRUE(cipher.DecryptBlock(block));
        ASSERT_EQ(block, plain);
      }
    }
  }
}

TEST(CRijndaelBlock, RefusesLengthsRijndaelDoesNotDefine) {
  CRijndael cipher;
  Bytes block(32, 0);
  EXPECT_FALSE(cipher.EncryptBlock(block)) << "no key expanded yet";
  EXPECT_FALSE(cipher.ExpandKey(5, 8, Bytes(32, 0)));
  EXPECT_FALSE(cipher.ExpandKey(8, 8, Bytes(31, 0)));
  ASSERT_TRUE(cipher.ExpandKey(8, 8, Bytes(32, 0)));
  Bytes shortBlock(16, 0);
  EXPECT_FALSE(cipher.EncryptBlock(shortBlock));
  EXPECT_FALSE(cipher.DecryptBlock(shortBlock));
}

}  // namespace
}  // namespace vl
