// The shared main of benchmarks that report each run as a ratio to a baseline
// measured in the same run, so figures compare across machines: the library is
// started, the benchmarks run with a console reporter that ends with the ratios,
// and the library is ended. Header only: benchmark programs link the library and
// Google Benchmark, not the test support.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kelvra.h"

namespace kelvra::bench {

// The run that `name` is compared with ("" for none).
using BaselineOf = std::function<std::string(const std::string& name)>;

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(BaselineOf baselineOf) : baselineOf_(std::move(baselineOf)) {}

  // With repetitions (--benchmark_repetitions) a row is compared by its median:
  // on a shared machine single rounds swing too far to be read one by one.
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
      if (run.error_occurred) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      const std::string name = run.run_name.str();
      Times& times = times_[name];
      if (times.median && !median) continue;
      times = Times{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime(), median};
      if (std::find(order_.begin(), order_.end(), name) == order_.end()) order_.push_back(name);
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nRatio to baseline (same run; real time, then processor time):\n");
    for (const auto& name : order_) {
      const std::string base = baselineOf_(name);
      if (base.empty() || base == name || !times_.count(base) || times_[base].real <= 0) continue;
      const Times& row = times_[name];
      const Times& of = times_[base];
      std::printf("  %-40s %6.2fx %6.2fx  of %s%s\n", name.c_str(), row.real / of.real,
                  of.cpu > 0 ? row.cpu / of.cpu : 0.0, base.c_str(), row.median ? " (medians)" : "");
    }
  }

 private:
  struct Times {
    double real = 0, cpu = 0;
    bool median = false;
  };
  BaselineOf baselineOf_;
  std::map<std::string, Times> times_;
  std::vector<std::string> order_;
};

// The performance counter in seconds, for rows that time their own part of an
// iteration (state.SetIterationTime with UseManualTime).
inline double Seconds() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Marks of a timed stretch for a traced window server: under Wine most of a
// control's cost is requests to the server, whose count is steady where times on
// a shared machine are not. Each mark is one atom look-up, which the server's
// trace shows with its name; scripts/bench-requests.sh counts the requests the
// thread made between a begin and its end and divides by `controls`.
inline void MarkTraceBegin(const wchar_t* row, int controls) {
  wchar_t mark[200];
  swprintf(mark, 200, L"kelvra-bench-begin %ls %d", row, controls);
  GlobalFindAtomW(mark);
}
inline void MarkTraceEnd(const wchar_t* row) {
  wchar_t mark[200];
  swprintf(mark, 200, L"kelvra-bench-end %ls", row);
  GlobalFindAtomW(mark);
}

inline std::string FamilyOf(const std::string& name) { return name.substr(0, name.find('/')); }

// The first argument of a family is its baseline: "BM_X/10000" compares with "BM_X/10".
inline BaselineOf FirstOfFamily() {
  auto firsts = std::make_shared<std::map<std::string, std::string>>();
  return [firsts](const std::string& name) { return firsts->emplace(FamilyOf(name), name).first->second; };
}

// Each family named in `baselines` compares with the run named there; with
// `sameArgument`, with that family's run of the same argument ("BM_Parse/3" with
// "BM_Copy/3").
inline BaselineOf OtherFamily(std::map<std::string, std::string> baselines, bool sameArgument) {
  return [baselines = std::move(baselines), sameArgument](const std::string& name) {
    const std::string family = FamilyOf(name);
    const auto it = baselines.find(family);
    if (it == baselines.end()) return std::string();
    return sameArgument ? it->second + name.substr(family.size()) : it->second;
  };
}

// The whole main of a benchmark program: starts the library (then `setUp`, when
// given), runs the benchmarks named on the command line with the ratio reporter,
// and ends the library.
inline int RunLibraryBenchmarks(int argc, char** argv, BaselineOf baselineOf,
                                const std::function<void()>& setUp = {}) {
  Kelvra_Init();
  if (setUp) setUp();
  benchmark::Initialize(&argc, argv);
  const bool badArguments = benchmark::ReportUnrecognizedArguments(argc, argv);
  if (!badArguments) {
    RatioReporter reporter(std::move(baselineOf));
    benchmark::RunSpecifiedBenchmarks(&reporter);
  }
  benchmark::Shutdown();
  Kelvra_End();
  return badArguments ? 1 : 0;
}

}  // namespace kelvra::bench
