// A console reporter that ends with each benchmark's time as a ratio to its
// baseline measured in the same run, so figures compare across machines.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kelvra::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // baselineOf(name) names the run that `name` is compared with ("" for none).
  explicit RatioReporter(std::function<std::string(const std::string&)> baselineOf)
      : baselineOf_(std::move(baselineOf)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs)
      if (!run.error_occurred) {
        times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        order_.push_back(run.benchmark_name());
      }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nRatio to baseline (same run):\n");
    for (const auto& name : order_) {
      const std::string base = baselineOf_(name);
      if (base.empty() || base == name || !times_.count(base) || times_[base] <= 0) continue;
      std::printf("  %-52s %6.2fx  of %s\n", name.c_str(), times_[name] / times_[base], base.c_str());
    }
  }

 private:
  std::function<std::string(const std::string&)> baselineOf_;
  std::map<std::string, double> times_;
  std::vector<std::string> order_;
};

// The first argument of a family is its baseline: "BM_X/10000" compares with "BM_X/10".
inline std::function<std::string(const std::string&)> FirstOfFamily() {
  auto firsts = std::make_shared<std::map<std::string, std::string>>();
  return [firsts](const std::string& name) {
    const std::string family = name.substr(0, name.find('/'));
    return firsts->emplace(family, name).first->second;
  };
}

}  // namespace kelvra::bench
