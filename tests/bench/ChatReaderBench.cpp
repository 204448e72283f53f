// The chat reader against the chat's length: finding the last line costs what the copy out
// of the chat control costs, whatever the length, and reading again allocates nothing.
// Side by side with a plain copy of the same text (the floor: the text has to cross over from
// the client) and with a naive split of the whole chat into lines.
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "Ratios.h"
#include "platform/ForeignWindows.h"
#include "room/ChatReader.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

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

// A chat control whose text is copied out on each read, as WM_GETTEXT copies it.
class ChatControl : public vl::ForeignWindows {
 public:
  explicit ChatControl(std::wstring text) : text_(std::move(text)) {}
  vl::WindowHandle FindChild(vl::WindowHandle, vl::WindowHandle, std::wstring_view) override {
    return 0;
  }
  vl::WindowHandle Parent(vl::WindowHandle) override { return 0; }
  std::wstring ClassName(vl::WindowHandle) override { return {}; }
  std::wstring Title(vl::WindowHandle) override { return {}; }
  vl::WindowHandle WindowAtPoint(vl::Point) override { return 0; }
  vl::Point CursorPosition() override { return {}; }
  int TextLength(vl::WindowHandle) override { return static_cast<int>(text_.size()); }
  void ReadText(vl::WindowHandle, std::wstring& out) override { out.assign(text_); }
  bool SetText(vl::WindowHandle, std::wstring_view) override { return false; }
  void ButtonDown(vl::WindowHandle) override {}
  void ButtonUp(vl::WindowHandle) override {}
  bool IsEnabled(vl::WindowHandle) override { return false; }

 private:
  std::wstring text_;
};

std::wstring Chat(long lines) {
  std::wstring chat;
  for (long i = 0; i < lines; ++i) {
    chat += L"(12:" + std::to_wstring(i % 60) + L") Utilisateur" + std::to_wstring(i % 97) +
            L": un message ordinaire du salon\r\n";
  }
  return chat;
}

void BM_PlainCopy(benchmark::State& state) {
  ChatControl control(Chat(state.range(0)));
  std::wstring buffer;
  for (auto _ : state) {
    control.ReadText(1, buffer);
    benchmark::DoNotOptimize(buffer.data());
  }
}

void BM_ChatReader(benchmark::State& state) {
  ChatControl control(Chat(state.range(0)));
  std::wstring chat;
  vl::ReadChatText(control, 1, chat);  // the first read sizes the buffer
  const long before = allocations.load();
  for (auto _ : state) {
    auto last = vl::ReadChatText(control, 1, chat);
    benchmark::DoNotOptimize(last);
  }
  state.counters["allocs_per_tick"] =
      static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations());
}

void BM_NaiveSplit(benchmark::State& state) {
  ChatControl control(Chat(state.range(0)));
  std::wstring buffer;
  for (auto _ : state) {
    control.ReadText(1, buffer);
    std::vector<std::wstring> lines;
    size_t from = 0;
    for (size_t at = buffer.find(L"\r\n"); at != std::wstring::npos;
         at = buffer.find(L"\r\n", from)) {
      lines.push_back(buffer.substr(from, at - from));
      from = at + 2;
    }
    lines.push_back(buffer.substr(from));
    benchmark::DoNotOptimize(lines.data());
  }
}

BENCHMARK(BM_PlainCopy)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChatReader)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NaiveSplit)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Per chat length in lines, the cost in plain copies.
  return vl::bench::RunWithRatios(
      argc, argv,
      {{"chat reader / plain copy, lines", "BM_ChatReader", "BM_PlainCopy"},
       {"naive split / plain copy, lines", "BM_NaiveSplit", "BM_PlainCopy"}});
}
