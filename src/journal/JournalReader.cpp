#include "journal/JournalReader.h"

#include <algorithm>
#include <cctype>

namespace vl {
namespace {

const std::string_view kMark = "\xEF\xBB\xBF";

// A row of the journal starts with its date, "2026-".
bool StartsRow(std::string_view text, std::size_t at) {
  if (at + 5 > text.size()) return false;
  for (std::size_t i = at; i < at + 4; ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  return text[at + 4] == '-';
}

// The first row that starts after a line end from `from` on: where reading resumes in the
// end of a longer file, or after a damaged row.
std::size_t NextRowStart(std::string_view text, std::size_t from) {
  for (std::size_t at = text.find('\n', from); at != std::string_view::npos;
       at = text.find('\n', at + 1)) {
    if (StartsRow(text, at + 1)) return at + 1;
  }
  return text.size();
}

}  // namespace

// A row cut short inside a quote runs on into the rows after it: reading resumes at the next
// row's start after the damaged one's, so that it costs only itself.
JournalContents ParseJournal(std::string_view text, std::uint64_t skippedBytes) {
  JournalContents out;
  out.skippedBytes = skippedBytes;
  if (text.starts_with(kMark)) text.remove_prefix(kMark.size());
  out.rows.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
  CsvRead read;
  for (std::size_t at = 0; at < text.size();) {
    ReadCsvRow(text, at, read);
    const bool header = at == 0 && skippedBytes == 0 && read.fields[0] == "Date et heure";
    const bool blank = read.whole && read.fields.size() == 1 && read.fields[0].empty();
    std::optional<JournalEntry> row =
        read.whole && !header ? JournalEntry::FromCsv(read.fields) : std::nullopt;
    if (row && !row->When().empty()) {
      out.rows.push_back(std::move(*row));
    } else if (!header && !blank) {
      ++out.damagedRows;
      read.next = std::min(read.next, NextRowStart(text, at));
    }
    at = read.next;
  }
  return out;
}

JournalContents ReadJournal(Platform& platform, const std::wstring& path, std::size_t maxBytes) {
  const auto length = platform.profile().FileLength(path);
  if (!length) return {};
  const std::uint64_t start = *length > maxBytes ? *length - maxBytes : 0;
  const auto bytes = platform.files().Read(path, start, static_cast<std::size_t>(*length - start));
  if (!bytes) {
    JournalContents none;
    none.readable = false;
    return none;
  }
  std::string_view text = *bytes;
  const std::size_t first = start == 0 ? 0 : NextRowStart(text, 0);
  text.remove_prefix(first);
  return ParseJournal(text, start + first);
}

std::wstring SkippedNote(const JournalContents& c) {
  if (!c.readable) return L"Le fichier du journal n'a pas pu être lu.";
  std::wstring note;
  if (c.skippedBytes != 0)
    note = L"Journal trop long : seules les lignes les plus récentes sont affichées.";
  if (c.damagedRows != 0) {
    if (!note.empty()) note += L" ";
    note += std::to_wstring(c.damagedRows) + (c.damagedRows == 1
                                                  ? L" ligne abîmée a été ignorée."
                                                  : L" lignes abîmées ont été ignorées.");
  }
  return note;
}

}  // namespace vl
