// One row of the moderation journal, and its form in the file: UTF-8 fields in a fixed
// order under a French header.
#pragma once

#include <optional>
#include <string>

#include "journal/Csv.h"
#include "platform/Clock.h"

namespace vl {

struct JournalRow {
  std::wstring when{};  // ISO 8601, local time with its offset
  std::wstring room{};
  std::wstring moderator{};
  std::wstring action{};
  std::wstring target{};
  std::wstring reason{};
  std::wstring line{};  // exactly as sent
  std::wstring state{};
};

inline const std::wstring kStateSent = L"envoyée";
inline const std::wstring kStateNotSent = L"non envoyée";

// The byte-order mark and the header row that open a new journal.
std::string JournalHead();
// The row as the file holds it. A field that a spreadsheet would take for a formula (one
// that starts with "=", "+", "-" or "@", as a room user may choose a nickname) is kept as
// text behind an apostrophe, which reading takes away again.
std::string JournalCsvRow(const JournalRow& row);
// The row from the fields of the file; nothing when they are not the journal's columns.
std::optional<JournalRow> JournalRowFrom(const CsvFields& fields);
// "2026-12-09T10:00:00+01:00".
std::wstring IsoTime(const LocalTime& t);

}  // namespace vl
