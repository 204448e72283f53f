// verdelune-kit's commands and error paths, checked against libmcrypt over frames built by
// hand, through the same function the executable's entry point calls.
#include <gtest/gtest.h>

#include <sstream>

#include "crypto/SharedKey.h"
#include "kit/Kit.h"
#include "room/HandshakeValues.h"
#include "unit/crypto/McryptOracle.h"

namespace vl::kit {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result RunWith(const std::vector<std::wstring>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunKit(args, out, err);
  return {status, out.str(), err.str()};
}

// The reference hex text of Windows-1252 `plain` under `key` (the shared key by default).
std::string ReferenceHex(std::string_view plain, std::string key = "") {
  if (key.empty())
    for (const wchar_t c : CipherKeyText())
      key.push_back(static_cast<char>(c));
  const std::wstring hex =
      test::UpperHex(test::ReferenceEncryptData(test::BytesOf(plain), test::BytesOf(key)));
  return std::string(hex.begin(), hex.end());
}

std::wstring Wide(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

TEST(Kit, AnswerAndChallengeHexFollowTheReferenceCipher) {
  const Result r = RunWith({L"answer", L"12345", L"1"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "%" + ReferenceHex("12345").substr(0, 4) + "1\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(RunWith({L"challenge-hex", L"54321"}).out, ReferenceHex("54321") + "\n");
  const std::string withKey = ReferenceHex("54321", "bot key") + "\n";
  EXPECT_EQ(RunWith({L"challenge-hex", L"54321", L"--key", L"bot key"}).out, withKey);
  EXPECT_EQ(RunWith({L"challenge-hex", L"--key=bot key", L"54321"}).out, withKey);
}

TEST(Kit, EncryptAndDecryptCarryAccentsThroughWindows1252) {
  const Result enc = RunWith({L"encrypt", L"Déjà vu à 5 €", L"--key", L"clé"});
  ASSERT_EQ(enc.status, 0) << enc.err;
  EXPECT_EQ(enc.out, ReferenceHex("D\xE9j\xE0 vu \xE0 5 \x80", "cl\xE9") + "\n");
  const Result dec = RunWith({L"decrypt", Wide(enc.out.substr(0, 64)), L"--key", L"clé"});
  EXPECT_EQ(dec.status, 0) << dec.err;
  EXPECT_EQ(dec.out, "D\u00e9j\u00e0 vu \u00e0 5 \u20ac\n") << "UTF-8 output";
  EXPECT_EQ(RunWith({L"encrypt", L"--", L"--key"}).out, ReferenceHex("--key") + "\n");
}

TEST(Kit, DecryptReadsLowerCaseHexAndTheStoredRefusal) {
  std::string hex = ReferenceHex("a text", "k");
  for (char& c : hex)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(RunWith({L"decrypt", L"--key", L"k", Wide(hex)}).out, "a text\n");
  const Result refusal = RunWith({L"decrypt", kRefusalMessageHex});
  EXPECT_EQ(refusal.status, 0);
  EXPECT_GT(refusal.out.size(), 29u);
}

TEST(Kit, BadInputIsRefusedWithAReasonAndStatusOne) {
  const std::wstring good = Wide(ReferenceHex("12345"));
  const std::pair<std::vector<std::wstring>, std::string> cases[] = {
      {{}, "no command"},
      {{L"frobnicate"}, "unknown command"},
      {{L"answer", L"1234", L"1"}, "5 digits"},
      {{L"answer", L"12a45", L"1"}, "5 digits"},
      {{L"answer", L"12345", L"10"}, "one digit"},
      {{L"answer", L"12345"}, "missing argument"},
      {{L"answer", L"12345", L"1", L"2"}, "too many arguments"},
      {{L"answer", L"12345", L"1", L"--key", L"k"}, "takes no --key"},
      {{L"challenge-hex", L"９８７６５"}, "5 digits"},
      {{L"challenge-hex", L"12345", L"--key"}, "needs a value"},
      {{L"encrypt", L"x", L"--key", L"a", L"--key", L"b"}, "twice"},
      {{L"encrypt", L"x", L"--verbose"}, "unknown option"},
      {{L"encrypt", L""}, "no text"},
      {{L"encrypt", L"中文"}, "Windows-1252"},
      {{L"encrypt", L"x", L"--key", L"κλειδί"}, "Windows-1252"},
      {{L"decrypt", good.substr(0, 62)}, "multiple of 64"},
      {{L"decrypt", good + L"00"}, "multiple of 64"},
      {{L"decrypt", std::wstring(64, L'z')}, "0-9 and A-F"},
      {{L"decrypt", good, L"--key", L"not the key"}, "does not decrypt"},
  };
  for (const auto& [args, reason] : cases) {
    const Result r = RunWith(args);
    SCOPED_TRACE(r.err);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("verdelune-kit: ", 0), 0u);
    EXPECT_NE(r.err.find(reason), std::string::npos);
  }
}

TEST(Kit, HelpExplainsEveryCommand) {
  const Result r = RunWith({L"--help"});
  EXPECT_EQ(r.status, 0);
  for (const char* command :
       {"answer CHALLENGE LEVEL", "challenge-hex CHALLENGE", "encrypt TEXT", "decrypt HEX"}) {
    EXPECT_NE(r.out.find(command), std::string::npos) << command;
  }
}

}  // namespace
}  // namespace vl::kit
