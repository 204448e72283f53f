// What the journal window shows of the rows: those about a nickname, newest first, each as one
// line of text, and a nickname's history in one sentence.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "journal/JournalRow.h"

namespace vl {

// Indexes of the rows whose target contains `filter` (letters of either case alike, accented
// ones included), the newest first; every row for an empty filter.
std::vector<std::size_t> MatchingRows(const std::vector<JournalEntry>& rows,
                                      std::wstring_view filter);
// "09/12/2026 10:00  kick  Alice : spam  (par Modo)", with "[non envoyée]" for a failed send.
std::wstring RowText(const JournalEntry& row);
// For the commands sent to exactly this nickname (either case): how many of each action, and
// the last one with its date. "" for an empty nickname.
std::wstring HistorySummary(const std::vector<JournalEntry>& rows, std::wstring_view nick);

}  // namespace vl
