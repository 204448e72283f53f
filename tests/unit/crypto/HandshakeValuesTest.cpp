// The handshake's values on both sides: the shared key, the stored refusal message, the
// challenge draw and the room bot's answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "crypto/BotAnswer.h"
#include "crypto/SharedKey.h"
#include "crypto/Windows1252.h"
#include "room/Challenge.h"
#include "room/HandshakeValues.h"
#include "unit/crypto/McryptOracle.h"

namespace vl {
namespace {

TEST(CipherKeyText, IsTwentyPrintableAsciiCharacters) {
  const std::wstring key = CipherKeyText();
  ASSERT_EQ(key.size(), 20u);
  EXPECT_TRUE(std::all_of(key.begin(), key.end(), [](wchar_t c) { return c > 0x20 && c < 0x7F; }));
  EXPECT_GE(std::set<wchar_t>(key.begin(), key.end()).size(), 15u) << "not a word or a run";
}

TEST(PrepareHandshakeValues, RefusalMessageDecryptsFromItsTwoStoredBlocks) {
  ASSERT_EQ(std::wstring(kRefusalMessageHex).size(), 128u);
  const HandshakeValues values = PrepareHandshakeValues(L"12345");
  EXPECT_EQ(values.cipherKeyText, CipherKeyText());
  const std::size_t bytes = ToWindows1252(values.refusalMessage).size();
  EXPECT_GE(bytes, 29u);
  EXPECT_LE(bytes, 60u);
  EXPECT_NE(values.refusalMessage.find(L"roombot"), std::wstring::npos);
}

TEST(PrepareHandshakeValues, ChallengeHexAndBotAnswerFollowTheReferenceCipher) {
  const auto key = test::BytesOf(ToWindows1252(CipherKeyText()));
  for (const char* challenge : {"40213", "10000", "99999"}) {
    const std::wstring wide(challenge, challenge + 5);
    const std::wstring hex = PrepareHandshakeValues(wide).challengeHex;
    EXPECT_EQ(hex, test::UpperHex(test::ReferenceEncryptData(test::BytesOf(challenge), key)));
    EXPECT_EQ(BotAnswerText(wide, 0), L"%" + hex.substr(0, 4) + L"0");
    EXPECT_EQ(BotAnswerText(wide, 9), L"%" + hex.substr(0, 4) + L"9");
  }
  EXPECT_EQ(BotAnswerText(L"12345", 10), L"");
  EXPECT_EQ(BotAnswerText(L"12345", -1), L"");
  EXPECT_EQ(BotAnswerText(L"", 1), L"");
}

TEST(DrawChallenge, LiftsSmallDrawsIntoFiveDigits) {
  const std::pair<std::vector<double>, std::wstring> cases[] = {
      {{0.12345}, L"12345"},
      {{0.999999}, L"99999"},
      {{0.1}, L"10000"},
      {{0.0, 0.0}, L"10000"},
      {{0.05, 0.999}, L"95000"},
      {{0.09999, 0.5}, L"59999"},
      // Numbers a faulty generator could give still make five digits.
      {{1.0}, L"99999"},
      {{-0.5, 2.0}, L"90000"},
  };
  for (const auto& [scripted, expected] : cases) {
    const std::vector<double>& numbers = scripted;  // a lambda may not capture a binding
    std::size_t next = 0;
    EXPECT_EQ(DrawChallenge([&] { return numbers.at(next++); }), expected);
  }
}

TEST(DrawChallenge, SeededDrawsAreFiveDigitsAndFollowTheSeed) {
  std::set<std::wstring> seen;
  for (std::uint64_t seed = 0; seed < 2000; ++seed) {
    const std::wstring challenge = DrawChallenge(seed * 7919);
    ASSERT_EQ(challenge.size(), 5u);
    ASSERT_TRUE(challenge >= L"10000" && challenge <= L"99999");
    seen.insert(challenge);
  }
  EXPECT_GT(seen.size(), 1900u);
  EXPECT_EQ(DrawChallenge(std::uint64_t{123456789}), DrawChallenge(std::uint64_t{123456789}));
}

}  // namespace
}  // namespace vl
