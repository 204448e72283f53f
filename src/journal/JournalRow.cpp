#include "journal/JournalRow.h"

#include <array>
#include <cstdio>

#include "crypto/Utf8.h"

namespace vl {
namespace {

constexpr std::size_t kColumns = 8;

bool NeedsGuard(std::string_view field) {
  return !field.empty() && std::string_view("=+-@\t\r'").find(field[0]) != std::string::npos;
}

std::string Guarded(const std::wstring& field) {
  std::string text = ToUtf8(field);
  return NeedsGuard(text) ? "'" + text : text;
}

}  // namespace

std::string JournalHead() {
  return "\xEF\xBB\xBF" + CsvRow({"Date et heure", "Salle", "Modérateur", "Action", "Pseudo visé",
                                  "Raison", "Ligne envoyée", "État"});
}

std::string JournalCsvRow(const JournalRow& r) {
  return CsvRow({Guarded(r.when), Guarded(r.room), Guarded(r.moderator), Guarded(r.action),
                 Guarded(r.target), Guarded(r.reason), Guarded(r.line), Guarded(r.state)});
}

JournalEntry::JournalEntry(const JournalRow& r) {
  std::size_t i = 0;
  for (const std::wstring* f :
       {&r.when, &r.room, &r.moderator, &r.action, &r.target, &r.reason, &r.line, &r.state})
    Add(i++, *f);
}

std::optional<JournalEntry> JournalEntry::FromCsv(const CsvFields& fields) {
  if (fields.size() != kColumns) return std::nullopt;
  JournalEntry entry;
  std::size_t bytes = 0;
  for (const std::string& f : fields)
    bytes += f.size();
  entry.text_.reserve(bytes);
  for (std::size_t i = 0; i < kColumns; ++i) {
    const std::string& f = fields[i];
    const bool guarded =
        f.size() > 1 && f[0] == '\'' && NeedsGuard(std::string_view(f).substr(1, 1));
    AppendFromUtf8(entry.text_, std::string_view(f).substr(guarded ? 1 : 0));
    entry.ends_[i] = static_cast<std::uint32_t>(entry.text_.size());
  }
  return entry;
}

std::wstring IsoTime(const LocalTime& t) {
  const int offset = t.offsetMinutes < 0 ? -t.offsetMinutes : t.offsetMinutes;
  std::array<wchar_t, 40> text{};
  std::swprintf(text.data(), text.size(), L"%04d-%02d-%02dT%02d:%02d:%02d%lc%02d:%02d", t.year,
                t.month, t.day, t.hour, t.minute, t.second, t.offsetMinutes < 0 ? L'-' : L'+',
                offset / 60, offset % 60);
  return text.data();
}

}  // namespace vl
