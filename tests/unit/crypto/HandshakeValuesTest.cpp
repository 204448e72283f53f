// The handshake's values on both sides: the stored refusal message, the challenge's cipher
// text and the room bot's answer against libmcrypt, and the challenge draw.
#include <gtest/gtest.h>

#include <set>

#include "crypto/BotAnswer.h"
#include "crypto/SharedKey.h"
#include "crypto/Windows1252.h"
#include "room/Challenge.h"
#include "room/HandshakeValues.h"
#include "unit/crypto/McryptOracle.h"

namespace vl {
namespace {

TEST(PrepareHandshakeValues, FollowTheReferenceCipherUnderTheSharedKey) {
  const auto key = test::BytesOf(ToWindows1252(CipherKeyText()));
  // The refusal message deciphers to a text that enciphers back to the two stored blocks.
  const HandshakeValues values = PrepareHandshakeValues(L"12345");
  EXPECT_NE(values.refusalMessage.find(L"roombot"), std::wstring::npos);
  const auto refusal = test::BytesOf(ToWindows1252(values.refusalMessage));
  EXPECT_EQ(test::UpperHex(test::ReferenceEncryptData(refusal, key)), kRefusalMessageHex);
  for (const char* challenge : {"40213", "10000", "99999"}) {
    const std::wstring wide(challenge, challenge + 5);
    const std::wstring hex = PrepareHandshakeValues(wide).challengeHex;
    EXPECT_EQ(hex, test::UpperHex(test::ReferenceEncryptData(test::BytesOf(challenge), key)));
    EXPECT_EQ(BotAnswerText(wide, 0), L"%" + hex.substr(0, 4) + L"0");
    EXPECT_EQ(BotAnswerText(wide, 9), L"%" + hex.substr(0, 4) + L"9");
  }
  EXPECT_EQ(BotAnswerText(L"12345", 10) + BotAnswerText(L"12345", -1) + BotAnswerText(L"", 1), L"");
}

TEST(DrawChallenge, LiftsSmallDrawsIntoFiveDigits) {
  const std::pair<std::vector<double>, std::wstring> cases[] = {
      {{0.12345}, L"12345"},
      {{0.999999}, L"99999"},
      {{0.0, 0.0}, L"10000"},
      {{0.05, 0.999}, L"95000"},
      {{0.09999, 0.5}, L"59999"},
      // Numbers a faulty generator could give still make five digits.
      {{1.0}, L"99999"},
      {{-0.5, 2.0}, L"90000"},
  };
  for (const auto& c : cases) {
    std::size_t next = 0;
    EXPECT_EQ(DrawChallenge([&] { return c.first.at(next++); }), c.second);
  }
}

TEST(DrawChallenge, SeededDrawsAreFiveDigitsAndFollowTheSeed) {
  std::set<std::wstring> seen;
  for (std::uint64_t seed = 0; seed < 2000; ++seed) {
    const std::wstring challenge = DrawChallenge(seed * 7919);
    ASSERT_TRUE(challenge.size() == 5 && challenge >= L"10000") << seed;
    seen.insert(challenge);
  }
  EXPECT_GT(seen.size(), 1900u);
  EXPECT_EQ(DrawChallenge(std::uint64_t{123456789}), DrawChallenge(std::uint64_t{123456789}));
}

}  // namespace
}  // namespace vl
