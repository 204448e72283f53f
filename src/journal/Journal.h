// The moderation journal: "journal.csv" beside the settings file, one row appended per
// command the program tried to send, never rewritten. A row whose line still waits for a slow
// client is written once the client took it or dropped it, after the rows before it.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "journal/JournalRow.h"
#include "platform/Platform.h"
#include "platform/ui/Timer.h"

namespace vl {

inline const std::wstring kJournalFileName = L"journal.csv";

class Journal {
 public:
  // `onFirstFailedWrite` hears, once a run, of a row that could not be written.
  using FailureNotice = std::function<void(const std::wstring& path)>;
  Journal(Platform& platform, std::wstring path, FailureNotice onFirstFailedWrite);
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  const std::wstring& Path() const { return path_; }
  // The row of a command, stamped now; its state follows what became of the line.
  void Record(JournalRow row, const SentLine& sent);
  // Rows written this run: a reader of the file knows whether it changed since.
  std::size_t Written() const { return written_; }

 private:
  struct WaitingRow {
    JournalRow row;
    SentLine sent;
  };
  void WriteSettled();
  void Write(JournalRow& row, const SentLine& sent);

  Platform& platform_;
  std::wstring path_;
  FailureNotice onFirstFailedWrite_;
  bool failureTold_ = false;
  bool endChecked_ = false;
  std::size_t written_ = 0;  // the file's end was looked at for a row cut short before
  std::deque<WaitingRow> waiting_;
  Timer settle_;
};

}  // namespace vl
