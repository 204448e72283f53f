// The console report, then for each pair the time of one benchmark over the other's, per
// argument: how our code compares with its reference, in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vl::bench {

struct Ratio {
  const char* label;
  std::string numerator, denominator;  // benchmark names, without their argument
};

// Keeps each run's time by name and argument (the median when there are repetitions).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}  // plain, for logs
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
        times[{run.run_name.function_name, run.run_name.args}] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::pair<std::string, std::string>, double> times;
};

inline int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  for (const Ratio& r : ratios) {
    for (const auto& [key, ns] : reporter.times) {
      const auto below = reporter.times.find({r.denominator, key.second});
      if (key.first != r.numerator || below == reporter.times.end() || below->second <= 0) continue;
      std::printf("%s %-8s %8.2f\n", r.label, key.second.c_str(), ns / below->second);
    }
  }
  benchmark::Shutdown();
  return 0;
}

}  // namespace vl::bench
