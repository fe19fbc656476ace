#include "bench/ratio_reporter.h"

#include <cstdio>

namespace lumiq::bench {
namespace {

double Nanoseconds(const benchmark::BenchmarkReporter::Run& run) {
  const double perUnit = run.time_unit == benchmark::kSecond        ? 1e9
                         : run.time_unit == benchmark::kMillisecond ? 1e6
                         : run.time_unit == benchmark::kMicrosecond ? 1e3
                                                                    : 1.0;
  return run.GetAdjustedRealTime() * perUnit;
}

}  // namespace

RatioReporter::RatioReporter(std::vector<Comparison> comparisons, std::vector<std::string> recorded)
    : m_comparisons(std::move(comparisons)), m_recorded(std::move(recorded)) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
    const std::string name = run.benchmark_name();
    m_values[name] = Nanoseconds(run);
    for (const auto& [counter, value] : run.counters) m_values[name + ":" + counter] = value;
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::printf("\n%-26s %14s %14s %8s %8s  %s\n", "measure", "lumiq", "baseline", "ratio", "target",
              "met");
  for (const Comparison& c : m_comparisons) {
    const auto subject = m_values.find(c.subject);
    const auto baseline = m_values.find(c.baseline);
    if (subject == m_values.end() || baseline == m_values.end() || baseline->second <= 0) {
      std::printf("%-26s %14s %14s %8s %7.2fx  no (not measured)\n", c.measure.c_str(), "-", "-",
                  "-", c.target);
      m_allMet = false;
      continue;
    }
    const double ratio = subject->second / baseline->second;
    const bool met = ratio <= c.target;
    m_allMet = m_allMet && met;
    std::printf("%-26s %14.1f %14.1f %7.2fx %7.2fx  %s\n", c.measure.c_str(), subject->second,
                baseline->second, ratio, c.target, met ? "yes" : "NO");
  }
  for (const std::string& name : m_recorded) {
    const auto value = m_values.find(name);
    if (value == m_values.end()) continue;
    std::printf("%-26s %11.1f ns  (absolute, for the record)\n", name.c_str(), value->second);
  }
  std::fflush(stdout);
}

}  // namespace lumiq::bench
