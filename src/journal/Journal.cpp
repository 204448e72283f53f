#include "journal/Journal.h"

namespace vl {
namespace {

constexpr int kSettleMs = 250;

}  // namespace

Journal::Journal(Platform& platform, std::wstring path, FailureNotice onFirstFailedWrite)
    : platform_(platform),
      path_(std::move(path)),
      onFirstFailedWrite_(std::move(onFirstFailedWrite)),
      settle_(platform.clock(), L"JournalSettle", kSettleMs) {
  settle_.onTick = [this] { WriteSettled(); };
}

void Journal::Record(JournalRow row, const SentLine& sent) {
  row.when = IsoTime(platform_.clock().LocalNow());
  waiting_.push_back({std::move(row), sent});
  WriteSettled();
}

void Journal::WriteSettled() {
  while (!waiting_.empty() && !waiting_.front().sent.IsWaiting()) {
    WaitingRow next = std::move(waiting_.front());
    waiting_.pop_front();
    Write(next.row, next.sent);
  }
  settle_.SetEnabled(!waiting_.empty());
}

// The head goes with the first row of a new file, in the same write. A file that ends inside
// a row (a program or system ended in the middle of a write of another tool) gets a line end
// first, so that the new row stands whole on its own.
void Journal::Write(JournalRow& row, const SentLine& sent) {
  row.state = sent.IsTaken() ? kStateSent : kStateNotSent;
  std::string bytes = JournalCsvRow(row);
  const std::uint64_t length = platform_.profile().FileLength(path_).value_or(0);
  if (length == 0) {
    bytes = JournalHead() + bytes;
  } else if (!endChecked_) {
    const auto last = platform_.files().Read(path_, length - 1, 1);
    if (last && *last != "\n") bytes = "\r\n" + bytes;
  }
  if (platform_.files().Append(path_, bytes)) {
    endChecked_ = true;
    ++written_;
    return;
  }
  if (!failureTold_ && onFirstFailedWrite_) {
    failureTold_ = true;
    onFirstFailedWrite_(path_);
  }
}

}  // namespace vl
