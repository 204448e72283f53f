// A settings file is read into sections of keys, changed, and written back whole, line by
// line with CR LF, as the platform's profile calls do.
#include "platform/fake/IniText.h"

#include <cwctype>
#include <optional>
#include <vector>

namespace vl {
namespace {

struct Key {
  std::wstring name;
  std::optional<std::wstring> value;  // none: a line without "=" (a comment, say)
};

struct Section {
  std::wstring name;  // "" for the lines before the first section
  std::vector<Key> keys;
};

bool IsBlank(wchar_t c) {
  return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x1A;
}

std::wstring_view Trim(std::wstring_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

// Parses a section header; false when the line is not one.
bool ParseHeader(std::wstring_view line, std::wstring& name) {
  if (line.empty() || line.front() != L'[') return false;
  size_t close = line.find(L']');
  if (close == std::wstring_view::npos) return false;
  name = Trim(line.substr(1, close - 1));
  return true;
}

Key ParseKey(std::wstring_view line) {
  size_t eq = line.find(L'=');
  if (eq == std::wstring_view::npos) return Key{std::wstring(line), std::nullopt};
  return Key{std::wstring(Trim(line.substr(0, eq))), std::wstring(Trim(line.substr(eq + 1)))};
}

std::vector<Section> Parse(std::wstring_view content) {
  std::vector<Section> sections(1);
  bool previousWasNameless = false;
  while (!content.empty()) {
    size_t end = content.find(L'\n');
    std::wstring_view line = Trim(content.substr(0, end));
    content.remove_prefix(end == std::wstring_view::npos ? content.size() : end + 1);
    if (line.empty()) continue;
    std::wstring header;
    if (ParseHeader(line, header)) {
      sections.push_back(Section{header, {}});
      previousWasNameless = false;
      continue;
    }
    Key key = ParseKey(line);
    // A run of lines such as "=x" collapses into one nameless key, as the profile calls load it.
    if (key.name.empty() && previousWasNameless) continue;
    previousWasNameless = key.name.empty();
    sections.back().keys.push_back(std::move(key));
  }
  return sections;
}

std::wstring Serialize(const std::vector<Section>& sections) {
  std::wstring out;
  for (const Section& s : sections) {
    if (!s.name.empty()) out += L"[" + s.name + L"]\r\n";
    for (const Key& k : s.keys) {
      out += k.name;
      if (k.value) out += L"=" + *k.value;
      out += L"\r\n";
    }
  }
  return out;
}

Section* FindSection(std::vector<Section>& sections, std::wstring_view name) {
  for (Section& s : sections) {
    if (SameName(s.name, name)) return &s;
  }
  return nullptr;
}

Key* FindKey(Section& section, std::wstring_view name) {
  for (Key& k : section.keys) {
    if (SameName(k.name, name)) return &k;
  }
  return nullptr;
}

std::wstring_view StripQuotes(std::wstring_view v) {
  if (v.size() >= 2 && (v.front() == L'"' || v.front() == L'\'') && v.back() == v.front()) {
    return v.substr(1, v.size() - 2);
  }
  return v;
}

}  // namespace

std::wstring IniRead(std::wstring_view content, std::wstring_view section, std::wstring_view key,
                     int bufferChars) {
  if (bufferChars <= 0) return {};
  std::vector<Section> sections = Parse(content);
  Section* s = FindSection(sections, Trim(section));
  if (s == nullptr) return {};
  Key* k = FindKey(*s, Trim(key));
  if (k == nullptr || !k->value) return {};
  std::wstring_view value = StripQuotes(*k->value);
  return std::wstring(value.substr(0, static_cast<size_t>(bufferChars - 1)));
}

std::wstring IniWrite(std::wstring_view content, std::wstring_view section, std::wstring_view key,
                      std::wstring_view value, bool& changed) {
  std::vector<Section> sections = Parse(content);
  std::wstring_view sectionName = Trim(section);
  std::wstring_view keyName = Trim(key);
  while (!value.empty() && IsBlank(value.front()))
    value.remove_prefix(1);

  Section* s = FindSection(sections, sectionName);
  if (s == nullptr) {
    sections.push_back(Section{std::wstring(sectionName), {}});
    s = &sections.back();
  }
  Key* k = FindKey(*s, keyName);
  if (k == nullptr) {
    s->keys.push_back(Key{std::wstring(keyName), std::nullopt});
    k = &s->keys.back();
  }
  changed = !(k->value && *k->value == value);
  k->value = std::wstring(value);
  return Serialize(sections);
}

}  // namespace vl
