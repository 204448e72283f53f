#include "journal/JournalRow.h"

#include <array>
#include <cstdio>

#include "crypto/Utf8.h"

namespace vl {
namespace {

constexpr std::size_t kColumns = 8;

bool NeedsGuard(const std::string& field) {
  return !field.empty() && std::string_view("=+-@\t\r'").find(field[0]) != std::string::npos;
}

std::string Guarded(const std::wstring& field) {
  std::string text = ToUtf8(field);
  return NeedsGuard(text) ? "'" + text : text;
}

std::wstring Unguarded(const std::string& field) {
  const bool guarded = field.size() > 1 && field[0] == '\'' && NeedsGuard(field.substr(1));
  return FromUtf8(guarded ? std::string_view(field).substr(1) : std::string_view(field));
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

std::optional<JournalRow> JournalRowFrom(const CsvFields& f) {
  if (f.size() != kColumns) return std::nullopt;
  return JournalRow{Unguarded(f[0]), Unguarded(f[1]), Unguarded(f[2]), Unguarded(f[3]),
                    Unguarded(f[4]), Unguarded(f[5]), Unguarded(f[6]), Unguarded(f[7])};
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
