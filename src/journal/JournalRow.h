// One row of the moderation journal as it is written, the same row as it is read back, and
// its form in the file: UTF-8 fields in a fixed order under a French header.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// A row read back, its fields in one text: a journal of 100,000 rows is then 100,000
// allocations, not 800,000, and opens within the moderator's patience.
class JournalEntry {
 public:
  JournalEntry(const JournalRow& row);  // NOLINT: a row written is a row read back
  // The row from the fields of the file; nothing when they are not the journal's columns.
  static std::optional<JournalEntry> FromCsv(const CsvFields& fields);

  std::wstring_view When() const { return Field(0); }
  std::wstring_view Room() const { return Field(1); }
  std::wstring_view Moderator() const { return Field(2); }
  std::wstring_view Action() const { return Field(3); }
  std::wstring_view Target() const { return Field(4); }
  std::wstring_view Reason() const { return Field(5); }
  std::wstring_view Line() const { return Field(6); }
  std::wstring_view State() const { return Field(7); }

 private:
  JournalEntry() = default;
  std::wstring_view Field(std::size_t i) const {
    const std::uint32_t start = i == 0 ? 0 : ends_[i - 1];
    return std::wstring_view(text_).substr(start, ends_[i] - start);
  }
  void Add(std::size_t i, std::wstring_view field) {
    text_ += field;
    ends_[i] = static_cast<std::uint32_t>(text_.size());
  }

  std::wstring text_;
  std::array<std::uint32_t, 8> ends_{};
};
// "2026-12-09T10:00:00+01:00".
std::wstring IsoTime(const LocalTime& t);

}  // namespace vl
