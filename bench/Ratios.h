// The console report, then for each pair the time of one benchmark over the other's, per
// argument: how our code compares with its reference, in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace vl::bench {

using Ratio = std::array<std::string, 3>;  // label, then two benchmark names without argument

// Keeps each run's time by name and argument (the median when there are repetitions).
struct RatioReporter : benchmark::ConsoleReporter {
  RatioReporter() : ConsoleReporter(OO_Tabular) {}  // plain, for logs
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
        times[run.run_name.function_name][run.run_name.args] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, std::map<std::string, double>> times;
};

inline int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  for (const auto& [label, above, below] : ratios)
    for (const auto& [arg, ns] : reporter.times[above])
      std::printf("%s %-8s %8.2f\n", label.c_str(), arg.c_str(), ns / reporter.times[below][arg]);
  benchmark::Shutdown();
  return 0;
}

}  // namespace vl::bench
