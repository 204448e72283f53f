// The text helpers and the handshake built on them: Windows-1252 against its code page chart,
// the hex form's odd cases, the handshake values and the room bot's answer against libmcrypt,
// and the challenge draw.
#include <gtest/gtest.h>

#include "crypto/BotAnswer.h"
#include "crypto/Windows1252.h"
#include "crypto/modCryptText.h"
#include "room/Challenge.h"
#include "room/HandshakeValues.h"
#include "unit/crypto/McryptOracle.h"

namespace vl {
namespace {

// Windows-1252 as the code page chart shows it: bytes 0x80 to 0x9F are these characters (the
// five it leaves undefined give the C1 control of the same value, as Windows does), and every
// other byte is the Latin-1 character of its value.
TEST(Windows1252, EveryByteMapsAsWindowsDoesAndOtherCharactersBecomeOneQuestionMarkEach) {
  const std::wstring high = L"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ";
  std::string all;
  std::wstring expected;
  for (int b = 0; b < 256; ++b) {
    all.push_back(static_cast<char>(b));
    expected.push_back(b >= 0x80 && b < 0xA0 ? high.at(b - 0x80) : static_cast<wchar_t>(b));
  }
  EXPECT_EQ(FromWindows1252(all), expected);
  EXPECT_EQ(ToWindows1252(expected), all);
  // U+0080 and U+009F are C1 controls that the code page does not hold (0x80 is the euro).
  EXPECT_EQ(ToWindows1252(L"a\u0080b\u009F\u0100\u4E2D"), "a?b???");
  // A character beyond U+FFFF is one character whatever the width of wchar_t.
  EXPECT_EQ(ToWindows1252(L"x\U0001F600y"), "x?y");
  const std::wstring pair = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
  EXPECT_EQ(ToWindows1252(L"x" + pair + L"y"), "x?y") << "a UTF-16 pair is one character";
  EXPECT_EQ(ToWindows1252(pair.substr(0, 1) + L"z" + pair.substr(1)), "?z?") << "lone halves";
}

// Each pair is read up to its first non-hex digit, nothing read giving 0; an odd last digit
// stands alone. Codes 0x80 to 0x9F come back as their Windows-1252 characters.
TEST(HexToText, ReadsPairsOfEitherCaseAndWhatItCanOfTheRest) {
  EXPECT_EQ(HexToText(L"6a6A808d616"), L"jj\u20AC\u008Da\x06");
  EXPECT_EQ(HexToText(L"6gg6zz41-1"), (std::wstring{L'\x06', L'\0', L'\0', L'A', L'\0'}));
}

// The chain text -> cipher -> hex and back, under the shared key, as both ends of the handshake
// use it; the kit's tests take other keys and texts through the same chain.
TEST(PrepareHandshakeValues, FollowTheReferenceCipherUnderTheSharedKey) {
  const auto wide = [](const std::string& s) { return std::wstring(s.begin(), s.end()); };
  const std::string key = "Qu%Nf#v+86A3erujh9~3";  // as the room bots hold it
  const HandshakeValues values = PrepareHandshakeValues(L"40213");
  // The refusal message deciphers to a text that enciphers back to the two stored blocks.
  EXPECT_NE(values.refusalMessage.find(L"roombot"), std::wstring::npos);
  EXPECT_EQ(wide(test::ReferenceHex(ToWindows1252(values.refusalMessage), key)),
            kRefusalMessageHex);
  const std::wstring hex = wide(test::ReferenceHex("40213", key));
  EXPECT_EQ(values.challengeHex, hex);
  // The bot's answer: "%", the first four hex digits, the level.
  EXPECT_EQ(BotAnswerText(L"40213", 0), L"%" + hex.substr(0, 4) + L"0");
  EXPECT_EQ(BotAnswerText(L"40213", 9), L"%" + hex.substr(0, 4) + L"9");
  EXPECT_EQ(BotAnswerText(L"40213", 10) + BotAnswerText(L"40213", -1) + BotAnswerText(L"", 1), L"");
}

// Numbers a faulty generator could give, out of [0, 1), still make five digits.
TEST(DrawChallenge, AlwaysFiveDigitsAndFollowsTheSeed) {
  const std::pair<std::vector<double>, std::wstring> cases[] = {
      {{0.12345}, L"12345"},     {{0.999999}, L"99999"},     {{0.0, 0.0}, L"10000"},
      {{0.05, 0.999}, L"95000"}, {{0.09999, 0.5}, L"59999"}, {{1.0}, L"99999"},
      {{-0.5, 2.0}, L"90000"}};
  for (const auto& c : cases) {
    std::size_t next = 0;
    EXPECT_EQ(DrawChallenge([&] { return c.first.at(next++); }), c.second);
  }
  EXPECT_EQ(DrawChallenge(std::uint64_t{1}), DrawChallenge(std::uint64_t{1}));
  EXPECT_NE(DrawChallenge(std::uint64_t{1}), DrawChallenge(std::uint64_t{2}));
}

}  // namespace
}  // namespace vl
