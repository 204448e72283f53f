// verdelune-kit's commands and error paths, checked against libmcrypt over frames built by
// hand, through the same function the executable's entry point calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "crypto/Utf8.h"
#include "kit/Kit.h"
#include "unit/crypto/McryptOracle.h"

namespace vl::kit {
namespace {

// The exit status, standard output and standard error of a run.
std::tuple<int, std::string, std::string> RunWith(const std::vector<std::wstring>& args) {
  std::ostringstream out, err;
  const int status = RunKit(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(Kit, PrintsEachCommandsLineAndRefusesBadInputWithAReasonAndStatusOne) {
  const char* const shared = "Qu%Nf#v+86A3erujh9~3";  // the key the room bots hold
  const std::string accents = test::ReferenceHex("D\xE9j\xE0 vu \xE0 5 \x80", "cl\xE9");
  std::wstring lower(accents.begin(), accents.end());
  std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return towlower(c); });
  const std::pair<std::vector<std::wstring>, std::string> lines[] = {
      {{L"answer", L"12345", L"1"}, "%" + test::ReferenceHex("12345", shared).substr(0, 4) + "1"},
      {{L"challenge-hex", L"--key=bot key", L"54321"}, test::ReferenceHex("54321", "bot key")},
      {{L"encrypt", L"Déjà vu à 5 €", L"--key", L"clé"}, accents},
      {{L"encrypt", L"--", L"--key"}, test::ReferenceHex("--key", shared)},
      {{L"decrypt", lower, L"--key", L"clé"}, "Déjà vu à 5 €"},
  };
  for (const auto& [args, line] : lines)
    EXPECT_EQ(RunWith(args), std::make_tuple(0, line + "\n", std::string()));
  const auto [helpStatus, usage, helpErr] = RunWith({L"--help"});
  EXPECT_TRUE(helpStatus == 0 && usage.find("challenge-hex CHALLENGE") != std::string::npos);
  const std::pair<std::vector<std::wstring>, std::string> refusals[] = {
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
      {{L"decrypt", lower.substr(0, 62)}, "multiple of 64"},
      {{L"decrypt", std::wstring(64, L'z')}, "0-9 and A-F"},
      {{L"decrypt", lower, L"--key", L"not the key"}, "does not decrypt"},
  };
  for (const auto& [args, reason] : refusals) {
    const auto [status, out, err] = RunWith(args);
    EXPECT_TRUE(status == 1 && out.empty()) << reason;
    EXPECT_TRUE(err.starts_with("verdelune-kit: ") && err.find(reason) != std::string::npos) << err;
  }
}

// On POSIX the arguments arrive as UTF-8; the output above is UTF-8 on every system. Overlong
// forms (C0 80, E0 80 80) are malformed.
TEST(Utf8, DecodesTheArgumentsAndMarksMalformedBytes) {
  EXPECT_EQ(FromUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xC0\x80\xE0\x80\x80"),
            L"aé€\U0001F600\uFFFD\uFFFD\uFFFD");
}

}  // namespace
}  // namespace vl::kit
