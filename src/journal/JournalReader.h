// The journal read back for the journal window: bounded, and forgiving of a damaged file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "journal/JournalRow.h"
#include "platform/Platform.h"

namespace vl {

// The newest rows of a longer journal are the ones a moderator looks for: past this many
// bytes only the end of the file is read (about 200,000 rows of usual length).
inline constexpr std::size_t kMaxJournalBytes = 48u << 20;

struct JournalContents {
  std::vector<JournalEntry> rows;  // in the file's order, the oldest first
  std::uint64_t skippedBytes = 0;  // the start of a journal too long to read whole
  std::size_t damagedRows = 0;     // rows that are not the journal's, or cut short
  bool readable = true;            // false when the file exists but cannot be read
};

// The journal at `path`; an empty one when there is no file yet.
JournalContents ReadJournal(Platform& platform, const std::wstring& path,
                            std::size_t maxBytes = kMaxJournalBytes);
// The text parsed as a journal, `skippedBytes` before it left unread.
JournalContents ParseJournal(std::string_view text, std::uint64_t skippedBytes);
// What was left out, in a French sentence for the window; "" when nothing was.
std::wstring SkippedNote(const JournalContents& contents);

}  // namespace vl
