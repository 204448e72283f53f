// EncryptData and DecryptData: the frame, the password rule and every refusal, against
// libmcrypt's rijndael-256 in ECB mode over frames and keys built by hand.
#include <gtest/gtest.h>

#include "crypto/CRijndael.h"
#include "unit/crypto/McryptOracle.h"

namespace vl {
namespace {

using test::Bytes;

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
  EXPECT_FALSE(cipher.EncryptData(std::nullopt, some));
  EXPECT_FALSE(cipher.EncryptData(some, std::nullopt));
  EXPECT_FALSE(cipher.EncryptData(Bytes{}, some)) << "an empty message is not framed";
  const Bytes good = *cipher.EncryptData(some, some);
  EXPECT_FALSE(cipher.DecryptData(std::nullopt, some));
  EXPECT_FALSE(cipher.DecryptData(good, std::nullopt));
  for (const std::size_t size : {0, 31, 33, 63}) {
    EXPECT_FALSE(cipher.DecryptData(Bytes(size, 0x5A), some)) << size << " bytes";
  }
  EXPECT_EQ(cipher.DecryptData(good, some), some);
}

TEST(CRijndaelData, LengthFieldMustLieWithinTheFrame) {
  const Bytes password = test::BytesOf("pw");
  // A 64-byte frame enciphered by the reference whose header says `length`.
  const auto cipherWithLength = [&](std::uint32_t length) {
    Bytes frame(64, 0x33);
    for (int i = 0; i < 4; ++i)
      frame[i] = static_cast<std::uint8_t>(length >> (8 * i));
    return test::McryptEncrypt("rijndael-256", test::KeyOf(password), frame);
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
