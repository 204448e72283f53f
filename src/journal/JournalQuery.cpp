#include "journal/JournalQuery.h"

#include <algorithm>
#include <utility>

namespace vl {
namespace {

// Lower case for ASCII and the Latin-1 letters: nicknames are compared as a moderator reads
// them, without depending on the C library's locale.
wchar_t Fold(wchar_t c) {
  if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
  return c;
}

bool FoldedEqual(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](wchar_t x, wchar_t y) { return Fold(x) == Fold(y); });
}

bool FoldedContains(std::wstring_view text, std::wstring_view what) {
  return std::search(text.begin(), text.end(), what.begin(), what.end(),
                     [](wchar_t x, wchar_t y) { return Fold(x) == Fold(y); }) != text.end();
}

// "2026-12-09T10:05:00+01:00" as "09/12/2026 10:05"; any other text as it stands.
std::wstring ShortDate(std::wstring_view iso, const wchar_t* beforeTime = L" ") {
  if (iso.size() < 16 || iso[4] != L'-' || iso[10] != L'T') return std::wstring(iso);
  std::wstring text(iso.substr(8, 2));
  ((text += L'/') += iso.substr(5, 2)) += L'/';
  ((text += iso.substr(0, 4)) += beforeTime) += iso.substr(11, 5);
  return text;
}

}  // namespace

std::vector<std::size_t> MatchingRows(const std::vector<JournalEntry>& rows,
                                      std::wstring_view filter) {
  std::vector<std::size_t> found;
  for (std::size_t i = rows.size(); i-- > 0;) {
    if (filter.empty() || FoldedContains(rows[i].Target(), filter)) found.push_back(i);
  }
  return found;
}

std::wstring RowText(const JournalEntry& r) {
  std::wstring text = ShortDate(r.When());
  (text += L"  ") += r.Action();
  if (!r.Target().empty()) (text += L"  ") += r.Target();
  if (!r.Reason().empty()) (text += L" : ") += r.Reason();
  if (!r.Moderator().empty()) ((text += L"  (par ") += r.Moderator()) += L")";
  if (r.State() != kStateSent) ((text += L"  [") += r.State()) += L"]";
  return text;
}

std::wstring HistorySummary(const std::vector<JournalEntry>& rows, std::wstring_view nick) {
  if (nick.empty()) return {};
  std::vector<std::pair<std::wstring, int>> counts;  // in the order first met
  const JournalEntry* last = nullptr;
  for (const JournalEntry& r : rows) {
    if (r.State() != kStateSent || !FoldedEqual(r.Target(), nick)) continue;
    auto it = std::find_if(counts.begin(), counts.end(),
                           [&r](const auto& c) { return c.first == r.Action(); });
    if (it == counts.end()) {
      counts.emplace_back(std::wstring(r.Action()), 1);
    } else {
      ++it->second;
    }
    last = &r;
  }
  std::wstring text(nick);
  if (last == nullptr) return text + L" : aucune commande dans le journal.";
  text += L" : ";
  for (std::size_t i = 0; i < counts.size(); ++i) {
    if (i != 0) text += L", ";
    text += std::to_wstring(counts[i].second) + L" × " + counts[i].first;
  }
  ((text += L". Dernière : ") += last->Action()) += L" le ";
  return text + ShortDate(last->When(), L" à ") + L".";
}

}  // namespace vl
