// The chat reader against the chat's length: finding the last line costs what the copy out
// of the chat control costs, whatever the length, and reading again allocates nothing.
// Side by side with a plain copy of the same text (the floor: the text has to cross over from
// the client) and with a naive split of the whole chat into lines.
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

#include "Ratios.h"
#include "platform/ForeignWindows.h"
#include "room/ChatReader.h"

static std::atomic<long> allocations{0};

// Counting every allocation of the process tells whether a tick allocates. GCC takes the
// malloc inside operator new for a mismatch with the free inside operator delete.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

using namespace vl;

// A chat control whose text is copied out on each read, as WM_GETTEXT copies it.
struct ChatControl : ForeignWindows {
  std::wstring text;
  WindowHandle FindChild(WindowHandle, WindowHandle, std::wstring_view) override { return 0; }
  WindowHandle Parent(WindowHandle) override { return 0; }
  std::wstring ClassName(WindowHandle) override { return {}; }
  std::wstring Title(WindowHandle) override { return {}; }
  WindowHandle WindowAtPoint(Point) override { return 0; }
  Point CursorPosition() override { return {}; }
  int TextLength(WindowHandle) override { return static_cast<int>(text.size()); }
  void ReadText(WindowHandle, std::wstring& out) override { out.assign(text); }
  bool SetText(WindowHandle, std::wstring_view) override { return false; }
  void ButtonDown(WindowHandle) override {}
  void ButtonUp(WindowHandle) override {}
  bool IsEnabled(WindowHandle) override { return false; }
};

enum Way { kPlainCopy, kChatReader, kNaiveSplit };

void BM_Read(benchmark::State& state, Way way) {
  ChatControl control;
  for (long i = 0; i < state.range(0); ++i)
    control.text += L"(12:" + std::to_wstring(i % 60) + L") Utilisateur" + std::to_wstring(i % 97) +
                    L": un message ordinaire du salon\r\n";
  std::wstring buffer;
  ReadChatText(control, 1, buffer);  // the first read sizes the buffer
  const long before = allocations.load();
  for (auto _ : state) {
    if (way == kChatReader) benchmark::DoNotOptimize(ReadChatText(control, 1, buffer));
    if (way != kChatReader) control.ReadText(1, buffer);
    std::vector<std::wstring> lines;
    for (size_t from = 0, at; way == kNaiveSplit && from <= buffer.size(); from = at + 2) {
      at = std::min(buffer.find(L"\r\n", from), buffer.size());
      lines.push_back(buffer.substr(from, at - from));
    }
    benchmark::DoNotOptimize(lines.data());
    benchmark::DoNotOptimize(buffer.data());
  }
  state.counters["allocs_per_tick"] =
      static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations());
}

BENCHMARK_CAPTURE(BM_Read, PlainCopy, kPlainCopy)->RangeMultiplier(10)->Range(1000, 1000000);
BENCHMARK_CAPTURE(BM_Read, ChatReader, kChatReader)->RangeMultiplier(10)->Range(1000, 1000000);
BENCHMARK_CAPTURE(BM_Read, NaiveSplit, kNaiveSplit)->RangeMultiplier(10)->Range(1000, 1000000);

}  // namespace

int main(int argc, char** argv) {
  // Per chat length in lines, the cost in plain copies.
  return vl::bench::RunWithRatios(
      argc, argv,
      {{"chat reader / plain copy, lines", "BM_Read/ChatReader", "BM_Read/PlainCopy"},
       {"naive split / plain copy, lines", "BM_Read/NaiveSplit", "BM_Read/PlainCopy"}});
}
