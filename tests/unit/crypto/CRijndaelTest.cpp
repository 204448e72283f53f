// The cipher: published AES vectors, libmcrypt's Rijndael for every block and key length over
// random keys and blocks, and the message frame against libmcrypt over frames built by hand.
#include <gtest/gtest.h>

#include <numeric>

#include "crypto/CRijndael.h"
#include "unit/crypto/McryptOracle.h"

namespace vl {
namespace {

// FIPS-197, appendix C.1 to C.3: the block 00112233..FF under the first 16, 24, 32 bytes 00..1F.
TEST(CRijndaelBlock, EncryptsTheAesVectors) {
  const std::pair<int, const char*> vectors[] = {{4, "69C4E0D86A7B0430D8CDB78070B4C55A"},
                                                 {6, "DDA97CA4864CDFE06EAF70A0EC0D7191"},
                                                 {8, "8EA2B7CA516745BFEAFC49904B496089"}};
  CRijndael cipher;
  for (const auto& [nk, cipherHex] : vectors) {
    Bytes key(4 * nk), block(16);
    std::iota(key.begin(), key.end(), std::uint8_t{0});
    for (std::size_t i = 0; i < block.size(); ++i)
      block[i] = static_cast<std::uint8_t>(0x11 * i);
    ASSERT_TRUE(cipher.ExpandKey(4, nk, key) && cipher.EncryptBlock(block));
    EXPECT_EQ(test::UpperHex(block), cipherHex) << "Nk=" << nk;
  }
}

// libmcrypt takes and gives the bytes in the order we do (it passes the AES vectors above as
// rijndael-128); its algorithm name picks the block length, the key's length Nk.
TEST(CRijndaelBlock, AgreesWithMcryptAndDecryptsForEveryBlockAndKeyLength) {
  std::mt19937 rng(20240611);
  CRijndael cipher;
  for (const int nb : {4, 6, 8}) {
    const std::string algorithm = "rijndael-" + std::to_string(32 * nb);
    for (const int nk : {4, 6, 8}) {
      SCOPED_TRACE(algorithm + " with Nk=" + std::to_string(nk));
      for (int trial = 0; trial < 64; ++trial) {
        const Bytes key = test::RandomBytes(rng, 4 * nk);
        const Bytes plain = test::RandomBytes(rng, 4 * nb);
        Bytes block = plain;
        ASSERT_TRUE(cipher.ExpandKey(nb, nk, key) && cipher.EncryptBlock(block));
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
    ASSERT_EQ(out, test::ReferenceEncryptData(message, password));
    ASSERT_EQ(cipher.DecryptData(*out, password), message);
  }
}

TEST(CRijndaelData, RefusesWhatItCannotFrameOrUnframe) {
  CRijndael cipher;
  const Bytes key(32, 0x70);  // a whole key: the reference takes it as it is
  EXPECT_FALSE(cipher.EncryptData(std::nullopt, key) || cipher.EncryptData(key, std::nullopt) ||
               cipher.EncryptData(Bytes{}, key));
  EXPECT_FALSE(cipher.DecryptData(std::nullopt, key) || cipher.DecryptData(key, std::nullopt));
  for (const std::size_t size : {0, 31, 33, 63})
    EXPECT_FALSE(cipher.DecryptData(Bytes(size, 0x5A), key)) << size << " bytes";
  // 64-byte frames enciphered by the reference: the length field must lie within the frame.
  for (const std::uint32_t length : {0u, 1u, 60u, 61u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    Bytes frame(64, 0x33);
    for (int i = 0; i < 4; ++i)
      frame[i] = static_cast<std::uint8_t>(length >> (8 * i));
    const auto plain = cipher.DecryptData(test::McryptEncrypt("rijndael-256", key, frame), key);
    const bool fits = length == 1 || length == 60;
    EXPECT_EQ(plain, fits ? std::optional(Bytes(length, 0x33)) : std::nullopt) << length;
  }
}

}  // namespace
}  // namespace vl
