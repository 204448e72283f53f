// The cipher: published AES vectors, libmcrypt's Rijndael for every block and key length over
// random keys and blocks, and the message frame against libmcrypt over frames built by hand.
#include <gtest/gtest.h>

#include "crypto/CRijndael.h"
#include "unit/crypto/McryptOracle.h"

namespace vl {
namespace {

Bytes FromHex(const std::string& hex) {
  Bytes out;
  for (std::size_t i = 0; i < hex.size(); i += 2)
    out.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
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

// Lengths 1 to 100 take in the block edges (28 -> 32, 29 -> 64, 60 -> 64, 61 -> 96 bytes);
// passwords of 0 to 40 bytes take in the empty one, the short ones and those cut at 32.
TEST(CRijndaelData, AgreesWithMcryptAndRoundTripsForEveryLengthUpTo100) {
  std::mt19937 rng(7);
  CRijndael cipher;  // one object for all: calls must not depend on each other
  for (std::size_t length = 1; length <= 100; ++length) {
    SCOPED_TRACE(length);
    const Bytes message = test::RandomBytes(rng, length);
    const Bytes password = test::RandomBytes(rng, length % 41);
    const auto out = cipher.EncryptData(message, password);
    ASSERT_TRUE(out.has_value());
    ASSERT_EQ(*out, test::ReferenceEncryptData(message, password));
    ASSERT_EQ(cipher.DecryptData(*out, password), message);
  }
}

TEST(CRijndaelData, RefusesArraysWithoutBoundsAndEmptyOrBrokenInput) {
  CRijndael cipher;
  const Bytes some = test::BytesOf("abc");
  EXPECT_FALSE(cipher.EncryptData(std::nullopt, some) || cipher.EncryptData(some, std::nullopt));
  EXPECT_FALSE(cipher.EncryptData(Bytes{}, some)) << "an empty message is not framed";
  const Bytes good = *cipher.EncryptData(some, some);
  EXPECT_FALSE(cipher.DecryptData(std::nullopt, some) || cipher.DecryptData(good, std::nullopt));
  for (const std::size_t size : {0, 31, 33, 63})
    EXPECT_FALSE(cipher.DecryptData(Bytes(size, 0x5A), some)) << size << " bytes";
  EXPECT_EQ(cipher.DecryptData(good, some), some);
}

TEST(CRijndaelData, LengthFieldMustLieWithinTheFrame) {
  const Bytes password(32, 0x70);  // a whole key: the reference takes it as it is
  // A 64-byte frame enciphered by the reference whose header says `length`.
  const auto cipherWithLength = [&](std::uint32_t length) {
    Bytes frame(64, 0x33);
    for (int i = 0; i < 4; ++i)
      frame[i] = static_cast<std::uint8_t>(length >> (8 * i));
    return test::McryptEncrypt("rijndael-256", password, frame);
  };
  CRijndael cipher;
  for (const std::uint32_t length : {0u, 61u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    EXPECT_FALSE(cipher.DecryptData(cipherWithLength(length), password)) << length;
  }
  EXPECT_EQ(cipher.DecryptData(cipherWithLength(60), password), Bytes(60, 0x33));
  EXPECT_EQ(cipher.DecryptData(cipherWithLength(1), password), Bytes(1, 0x33));
}

}  // namespace
}  // namespace vl
