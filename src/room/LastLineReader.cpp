#include "room/LastLineReader.h"

#include <algorithm>

#include "room/ChatReader.h"

namespace vl {
namespace {

const std::wstring_view kLineEnd = L"\r\n";
constexpr int kLeastSpan = 256;
constexpr int kHeadChars = 64;

}  // namespace

void ParagraphEndsAsCrLf(std::wstring_view range, std::wstring& out) {
  out.clear();
  for (size_t i = 0; i < range.size(); ++i) {
    out += range[i];
    if (range[i] == L'\r' && (i + 1 == range.size() || range[i + 1] != L'\n')) out += L'\n';
  }
}

std::optional<std::optional<std::wstring_view>> LastLineReader::ReadTail(WindowHandle chatWindow,
                                                                         bool fresh) {
  const int length = windows_.RichTextLength(chatWindow);
  if (length < 0) return std::nullopt;
  // Wine's rich edit finds a position by walking its paragraphs from the first, so a range at
  // the end of a long chat costs the client that walk, where the length and the first
  // characters cost nothing. The end is read again when either changed (a line added and
  // another trimmed off the top may leave the length as it was), and, for a change that keeps
  // both (a line rewritten at the same length, a top trimmed below a fixed header), after
  // kRereadMs or kCheckSpacing times the last end read's duration, never past kMaxRereadMs.
  if (!windows_.ReadRichText(chatWindow, 0, std::min(length, kHeadChars), head_))
    return std::nullopt;
  const std::uint64_t now = clock_.NowMs();
  const std::uint64_t startUs = clock_.NowUs();
  if (!fresh && chatWindow == tailWindow_ && length == tailLength_ && head_ == tailHead_ &&
      now < tailAtMs_ + rereadAfterMs_)
    return tailAnswer_;
  tailWindow_ = 0;
  // Widened until a line end stands before the last line, or the range is the whole text: a
  // line longer than the span costs a few more reads, never a wrong answer.
  for (long long span = span_;; span *= 4) {
    const int from = span >= length ? 0 : length - static_cast<int>(span);
    if (!windows_.ReadRichText(chatWindow, from, length, range_)) return std::nullopt;
    ParagraphEndsAsCrLf(range_, tail_);
    const std::optional<std::wstring_view> line = LastChatLine(tail_);
    // A line starting the range is whole only when the range starts the text.
    const size_t start = line ? static_cast<size_t>(line->data() - tail_.data()) : 0;
    if (start != 0) {
      // Next time, about twice what the last two line ends needed.
      span_ = static_cast<int>(
          std::clamp<size_t>(2 * (tail_.size() - start + kLineEnd.size()), kLeastSpan, 1 << 20));
    } else if (from != 0) {
      continue;
    }
    tailWindow_ = chatWindow;
    tailLength_ = length;
    tailHead_ = head_;
    tailAtMs_ = clock_.NowMs();
    rereadAfterMs_ =
        std::clamp((clock_.NowUs() - startUs) * kCheckSpacing / 1000, kRereadMs, kMaxRereadMs);
    tailAnswer_ = line;
    return tailAnswer_;
  }
}

std::optional<std::wstring_view> LastLineReader::ReadWhole(WindowHandle chatWindow) {
  windows_.ReadText(chatWindow, whole_);
  seenWhole_ = true;
  return LastChatLine(whole_);
}

std::optional<std::wstring_view> LastLineReader::Read(WindowHandle chatWindow) {
  if (mode_.wholeReadsOnly) return ReadWhole(chatWindow);
  const bool check = chatWindow != checkedWindow_ || clock_.NowMs() >= nextCheckMs_;
  seenWhole_ = false;
  std::optional<std::optional<std::wstring_view>> fast = ReadTail(chatWindow, check);
  if (!fast) return ReadWhole(chatWindow);  // not a rich edit, or out of reach: as before
  if (!check) return *fast;

  // The text may change between two reads: the whole read is compared with a range read on
  // each side of it, and only a whole read that matches neither is a disagreement.
  std::optional<std::wstring> first;
  if (*fast) first.emplace(**fast);
  const std::uint64_t startUs = clock_.NowUs();
  const std::optional<std::wstring_view> whole = ReadWhole(chatWindow);
  const std::uint64_t tookUs = clock_.NowUs() - startUs;
  checkedAnswer_.reset();
  if (whole) checkedAnswer_.emplace(*whole);
  // The next comparison after a pause many times the whole read's length, whatever its
  // verdict: a chat too long to be read whole in time is not asked again at once.
  checkedWindow_ = chatWindow;
  nextCheckMs_ = clock_.NowMs() + std::max(kMinCheckMs, tookUs * kCheckSpacing / 1000);
  fast = ReadTail(chatWindow, true);
  seenWhole_ = !fast;
  // No verdict when the client went or hung meanwhile, or when the whole read did not come
  // in time (it then reads as an empty text, which a range read never contradicts).
  if (fast && !whole_.empty()) {
    ++mode_.checks;
    mode_.wholeReadsOnly = checkedAnswer_ != first && checkedAnswer_ != *fast;
  }
  // A long chat's copy is not kept. Assigning an empty string would keep its storage: the
  // move of a short string copies its characters and leaves the capacity as it was.
  if (!mode_.wholeReadsOnly) std::wstring().swap(whole_);
  return checkedAnswer_;
}

}  // namespace vl
