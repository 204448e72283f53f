// The moderation journal against its budgets: recording a row (stamp, CSV, append to a real
// file) beside a bare append of the same bytes, the floor; and, on journals of 1,000 to
// 100,000 rows, what the window does when it opens (read and parse the file, filter, summary,
// the rows shown) and when the filter changes.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "Ratios.h"
#include "dialogs/JournalWindow.h"
#include "journal/Journal.h"
#include "journal/JournalQuery.h"
#include "platform/fake/FakePlatform.h"

namespace {

using namespace vl;

std::string Narrow(const std::wstring& path) {
  return std::string(path.begin(), path.end());  // the benchmark's paths are ASCII
}

// The fake platform with its files on the real disk, opened for each append as the Windows
// layer does.
class DiskFiles : public FakeProfile {
 public:
  bool Append(const std::wstring& path, std::string_view bytes) override {
    const int fd = ::open(Narrow(path).c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0) return false;
    const bool whole =
        ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ::close(fd);
    return whole;
  }
  std::optional<std::string> Read(const std::wstring& path, std::uint64_t offset,
                                  std::size_t maxBytes) override {
    std::FILE* f = std::fopen(Narrow(path).c_str(), "rb");
    if (f == nullptr) return std::nullopt;
    std::fseek(f, static_cast<long>(offset), SEEK_SET);
    std::string bytes(maxBytes, '\0');
    bytes.resize(std::fread(bytes.data(), 1, maxBytes, f));
    std::fclose(f);
    return bytes;
  }
  std::optional<std::uint64_t> FileLength(const std::wstring& path) override {
    struct stat s {};
    if (::stat(Narrow(path).c_str(), &s) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(s.st_size);
  }
};

class DiskPlatform : public FakePlatform {
 public:
  Profile& profile() override { return disk; }
  Files& files() override { return disk; }
  DiskFiles disk;
};

const std::wstring kPath = L"/tmp/verdelune-journal-bench.csv";

JournalRow Sample(long i) {
  static const wchar_t* const kActions[] = {L"kick", L"avertissement", L"couleur noire",
                                            L"punition", L"ban 1 mois"};
  const std::wstring nick = L"Utilisateur" + std::to_wstring(i % 997) + L"é";
  return {.room = L"Salle des amis",
          .moderator = L"Modo",
          .action = kActions[i % 5],
          .target = nick,
          .reason = L"insultes répétées, malgré l'avertissement",
          .line = L"/msg RoomBot " + nick + L", kick insultes répétées, malgré l'avertissement"};
}

void BM_Record(benchmark::State& state) {
  std::filesystem::remove(Narrow(kPath));
  DiskPlatform platform;
  Journal journal(platform, kPath, {});
  long i = 0;
  for (auto _ : state)
    journal.Record(Sample(i++), SentLine::Taken());
}
BENCHMARK(BM_Record);

void BM_BareAppend(benchmark::State& state) {
  std::filesystem::remove(Narrow(kPath));
  DiskFiles files;
  const std::string bytes = JournalCsvRow(Sample(1));
  for (auto _ : state)
    files.Append(kPath, bytes);
}
BENCHMARK(BM_BareAppend);

// A journal of `rows` rows, written once for the cases that read it.
void Prepare(DiskPlatform& platform, long rows) {
  std::filesystem::remove(Narrow(kPath));
  std::string text = JournalHead();
  for (long i = 0; i < rows; ++i) {
    JournalRow row = Sample(i);
    row.when = L"2026-12-09T10:00:00+01:00";
    row.state = kStateSent;
    text += JournalCsvRow(row);
  }
  platform.disk.Append(kPath, text);
}

// What opening the window computes: the rows read, those of the target, their history, and
// the text of the rows shown.
void Show(const JournalContents& journal, const std::wstring& nick) {
  const std::vector<std::size_t> found = MatchingRows(journal.rows, nick);
  std::vector<std::wstring> items;
  for (std::size_t i = 0; i < found.size() && i < kJournalRowsShown; ++i)
    items.push_back(RowText(journal.rows[found[i]]));
  benchmark::DoNotOptimize(HistorySummary(journal.rows, nick));
  benchmark::DoNotOptimize(items.data());
}

void BM_Open(benchmark::State& state) {
  DiskPlatform platform;
  Prepare(platform, state.range(0));
  for (auto _ : state) {
    const JournalContents journal = ReadJournal(platform, kPath);
    Show(journal, L"Utilisateur42é");
  }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond)->RangeMultiplier(10)->Range(1000, 100000);

void BM_Filter(benchmark::State& state) {
  DiskPlatform platform;
  Prepare(platform, state.range(0));
  const JournalContents journal = ReadJournal(platform, kPath);
  for (auto _ : state)
    Show(journal, L"utilisateur42");
}
BENCHMARK(BM_Filter)->Unit(benchmark::kMillisecond)->RangeMultiplier(10)->Range(1000, 100000);

}  // namespace

int main(int argc, char** argv) {
  const int result = vl::bench::RunWithRatios(
      argc, argv, {{"recording a row / bare append", "BM_Record", "BM_BareAppend"}});
  std::filesystem::remove(Narrow(kPath));
  return result;
}
