// Runs every benchmark, then prints each measure as a ratio to the baseline
// measured in the same run. Window benchmarks use Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/ratio_reporter.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  using lumiq::bench::Comparison;
  lumiq::bench::RatioReporter reporter(
      {
          Comparison{"read number text", "BM_FromChars", "BM_ParseNumericText", 2.0},
          Comparison{"print number text", "BM_ToCharsScientific14", "BM_DoubleToText", 2.0},
          Comparison{"cosine, 1024 random", "BM_StdCos", "BM_CorrectlyRoundedCos", 5.0},
          Comparison{"keystroke in window (ns)", "BM_WindowKeystrokeBareLineEdit/min_time:2.000",
                     "BM_WindowKeystrokeLumiqVoltage/min_time:2.000", 1.5},
          Comparison{"keystroke vs a plain Qt form (ns)",
                     "BM_WindowKeystrokePlainForm/min_time:2.000",
                     "BM_WindowKeystrokeLumiqVoltage/min_time:2.000", 1.25},
          Comparison{"start-up to frame (ms)", "BM_StartupPair/0/iterations:20/manual_time:bare_ms",
                     "BM_StartupPair/0/iterations:20/manual_time:lumiq_ms", 1.15},
          Comparison{"peak memory (kB)", "BM_StartupPair/0/iterations:20/manual_time:bare_kB",
                     "BM_StartupPair/0/iterations:20/manual_time:lumiq_kB", 1.10},
          Comparison{"start-up on X11 (ms)", "BM_StartupPair/1/iterations:20/manual_time:bare_ms",
                     "BM_StartupPair/1/iterations:20/manual_time:lumiq_ms", 1.15},
          Comparison{"start-up on Wayland (ms)",
                     "BM_StartupPair/2/iterations:20/manual_time:bare_ms",
                     "BM_StartupPair/2/iterations:20/manual_time:lumiq_ms", 1.15},
      },
      {"BM_ModelKeystrokeVoltage", "BM_ModelChooseAndCalculate"});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
