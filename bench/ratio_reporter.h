// Prints Google Benchmark's usual console output, then one table of each
// measure as a ratio to its baseline from the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace lumiq::bench {

struct Comparison {
  std::string measure;
  std::string baseline;  // a benchmark name, or "name:counter"
  std::string subject;
  double target;  // the ratio subject / baseline must not exceed this
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter(std::vector<Comparison> comparisons, std::vector<std::string> recorded);

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

  // True when every comparison was measured and met its target.
  bool AllMet() const { return m_allMet; }

 private:
  std::vector<Comparison> m_comparisons;
  std::vector<std::string> m_recorded;  // shown in absolute terms only
  std::map<std::string, double> m_values;
  bool m_allMet = true;
};

}  // namespace lumiq::bench
