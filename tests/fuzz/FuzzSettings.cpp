// The settings file through modIni over the fake profile, against a map: on a starting file
// (see Rewritable), after a series of writes (section, key, value: parts cut at U+0001 after it),
// each key written reads back as last written, cut to 799 characters, and each key that was
// not reads as before. Only what Windows's profile calls and the fake store alike is written:
// printable ASCII names without []=;'" or blanks at their ends; Windows-1252 values without
// control characters, blanks at their ends or a pair of enclosing quotes.
#include <algorithm>
#include <cwctype>
#include <map>

#include "FuzzInput.h"
#include "crypto/Windows1252.h"
#include "platform/fake/FakeProfile.h"
#include "settings/modIni.h"

using namespace vl;

namespace {

using Names = std::pair<std::wstring, std::wstring>;

bool Holds(std::wstring_view text, bool name) {
  if (!text.empty() && (text.front() == L' ' || text.back() == L' ')) return false;
  if (!text.empty() && (text.front() == 0xA0 || text.back() == 0xA0)) return false;
  if (name) {
    return !text.empty() && std::ranges::all_of(text, [](wchar_t c) {
      return c >= L' ' && c < 0x7F &&
             std::wstring_view(L"[]=;'\"").find(c) == std::wstring_view::npos;
    });
  }
  if (text.size() >= 2 && (text[0] == L'"' || text[0] == L'\'') && text.back() == text[0])
    return false;
  return std::ranges::all_of(text, [](wchar_t c) { return c >= L' '; }) &&
         FromWindows1252(ToWindows1252(text)) == text;
}

// Files that a rewrite changes in meaning, as Wine's profile calls do too; no settings file
// looks so. Blank lines and leading blanks are dropped, so the bytes of the UTF-8 mark can come
// to start the file, which then reads as UTF-8; the head "[]" of a section without a name is
// dropped, so its keys join the section before it.
bool Rewritable(std::string_view file) {
  if (file.find("\xEF\xBB\xBF", 1) != std::string_view::npos) return false;
  for (size_t at = file.find('['); at != std::string_view::npos; at = file.find('[', at + 1)) {
    const size_t end = file.find_first_not_of(" \t\n\v\f\r\x1A", at + 1);
    if (end != std::string_view::npos && file[end] == ']') return false;
  }
  return true;
}

Names Lower(std::wstring section, std::wstring key) {
  for (std::wstring* name : {&section, &key})
    std::ranges::transform(*name, name->begin(), [](wchar_t c) { return std::towlower(c); });
  return {section, key};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto p = fuzz::Parts(fuzz::WideOf(data, size), 1);
  p.resize(std::min<size_t>(p.size(), 1 + 3 * 4));  // four writes: more only slow a run down
  FakeProfile profile;
  const std::wstring path = L"C:\\Verdelune\\verdelune.ini";
  const std::string file = ToWindows1252(p[0]);
  if (!Rewritable(file)) return 0;
  if (!file.empty()) profile.PutFile(path, file);
  std::map<Names, std::wstring> before, written;
  for (size_t i = 1; i + 2 < p.size(); i += 3) {
    if (Holds(p[i], true) && Holds(p[i + 1], true) && !before.contains(Lower(p[i], p[i + 1])))
      before.emplace(Lower(p[i], p[i + 1]), LitIni(profile, p[i], p[i + 1], path));
  }
  for (size_t i = 1; i + 2 < p.size(); i += 3) {
    if (!Holds(p[i], true) || !Holds(p[i + 1], true) || !Holds(p[i + 2], false)) continue;
    FUZZ_CHECK(EcritIni(profile, p[i], p[i + 1], p[i + 2], path));
    written[Lower(p[i], p[i + 1])] = p[i + 2].substr(0, kIniValueBuffer - 1);
  }
  for (const auto& [names, value] : before) {
    const auto now = written.find(names);
    FUZZ_CHECK(LitIni(profile, names.first, names.second, path) ==
               (now == written.end() ? value : now->second));
  }
  return 0;
}
