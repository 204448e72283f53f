// verdelune-kit's commands and error paths, checked against libmcrypt over frames built by
// hand, through the same function the executable's entry point calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "crypto/SharedKey.h"
#include "crypto/Windows1252.h"
#include "kit/Kit.h"
#include "kit/Utf8.h"
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
  std::ostringstream out, err;
  const int status = RunKit(args, out, err);
  return {status, out.str(), err.str()};
}

// The reference hex text of Windows-1252 `plain` under `key` (the shared key by default).
std::string ReferenceHex(std::string_view plain, std::string key = "") {
  if (key.empty()) key = ToWindows1252(CipherKeyText());
  const std::wstring hex =
      test::UpperHex(test::ReferenceEncryptData(test::BytesOf(plain), test::BytesOf(key)));
  return std::string(hex.begin(), hex.end());
}

std::wstring Wide(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

TEST(Kit, EachCommandPrintsItsLineForAKnownInput) {
  const std::string keyed = ReferenceHex("54321", "bot key") + "\n";
  const std::string accents = ReferenceHex("D\xE9j\xE0 vu \xE0 5 \x80", "cl\xE9");
  std::string lower = ReferenceHex("a text", "k");
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return std::tolower(c); });
  const std::pair<std::vector<std::wstring>, std::string> cases[] = {
      {{L"answer", L"12345", L"1"}, "%" + ReferenceHex("12345").substr(0, 4) + "1\n"},
      {{L"challenge-hex", L"54321"}, ReferenceHex("54321") + "\n"},
      {{L"challenge-hex", L"54321", L"--key", L"bot key"}, keyed},
      {{L"challenge-hex", L"--key=bot key", L"54321"}, keyed},
      {{L"encrypt", L"Déjà vu à 5 €", L"--key", L"clé"}, accents + "\n"},
      {{L"encrypt", L"--", L"--key"}, ReferenceHex("--key") + "\n"},
      {{L"decrypt", Wide(accents), L"--key", L"clé"}, "D\u00e9j\u00e0 vu \u00e0 5 \u20ac\n"},
      {{L"decrypt", L"--key", L"k", Wide(lower)}, "a text\n"},
      {{L"decrypt", kRefusalMessageHex},
       Utf8FromWide(PrepareHandshakeValues(L"1").refusalMessage) + "\n"},
  };
  for (const auto& [args, out] : cases) {
    const Result r = RunWith(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, out);
    EXPECT_EQ(r.err, "");
  }
  const Result help = RunWith({L"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("challenge-hex CHALLENGE [--key TEXT]"), std::string::npos);
  // On POSIX the arguments arrive as UTF-8; the output above is UTF-8 on every system.
  EXPECT_EQ(WideFromUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xC0\x80"),
            L"aé€\U0001F600\uFFFD\uFFFD");
}

TEST(Kit, BadInputIsRefusedWithAReasonAndStatusOne) {
  const std::wstring good = Wide(ReferenceHex("12345"));
  const std::pair<std::vector<std::wstring>, std::string> cases[] = {
      {{}, "no command"},
      {{L"frobnicate"}, "unknown command"},
      {{L"answer", L"1234", L"1"}, "5 digits"},
      {{L"challenge-hex", L"９８７６５"}, "5 digits"},
      {{L"answer", L"12345", L"10"}, "one digit"},
      {{L"answer", L"12345"}, "missing argument"},
      {{L"answer", L"12345", L"1", L"2"}, "too many arguments"},
      {{L"answer", L"12345", L"1", L"--key", L"k"}, "takes no --key"},
      {{L"challenge-hex", L"12345", L"--key"}, "needs a value"},
      {{L"encrypt", L"x", L"--key", L"a", L"--key", L"b"}, "twice"},
      {{L"encrypt", L"x", L"--verbose"}, "unknown option"},
      {{L"encrypt", L""}, "no text"},
      {{L"encrypt", L"中文"}, "Windows-1252"},
      {{L"encrypt", L"x", L"--key", L"κλειδί"}, "Windows-1252"},
      {{L"decrypt", good.substr(0, 62)}, "multiple of 64"},
      {{L"decrypt", std::wstring(64, L'z')}, "0-9 and A-F"},
      {{L"decrypt", good, L"--key", L"not the key"}, "does not decrypt"},
  };
  for (const auto& [args, reason] : cases) {
    const Result r = RunWith(args);
    EXPECT_EQ(r.status, 1) << reason;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("verdelune-kit: ", 0), 0u);
    EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace vl::kit
