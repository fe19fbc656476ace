// Launch to first painted frame, and peak resident memory, of the Lumiq
// window against a bare window of the same size with one line edit. Both run
// the same probe binary, so loading costs the same on both sides.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

extern char** environ;

namespace {

struct Launch {
  double seconds = 0;
  long peakKb = -1;
};

Launch LaunchProbe(const char* mode) {
  int out[2];
  if (pipe(out) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const char* probe = LUMIQ_STARTUP_PROBE;
  char* const argv[] = {const_cast<char*>(probe), const_cast<char*>(mode), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, probe, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  Launch launch;
  if (spawned == 0) {
    std::string line;
    char c = 0;
    while (read(out[0], &c, 1) == 1 && c != '\n') line.push_back(c);
    launch.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!line.empty()) launch.peakKb = std::stol(line);
    int status = 0;
    waitpid(pid, &status, 0);
  }
  close(out[0]);
  return launch;
}

// Each iteration launches both, one after the other, so that load on a
// shared machine falls on both sides alike.
void BM_StartupPair(benchmark::State& state) {
  double bareSeconds = 0, lumiqSeconds = 0, bareKb = 0, lumiqKb = 0;
  for (auto _ : state) {
    const Launch bare = LaunchProbe("baseline");
    const Launch lumiq = LaunchProbe("lumiq");
    if (bare.peakKb < 0 || lumiq.peakKb < 0) {
      state.SkipWithError("the probe did not paint");
      break;
    }
    state.SetIterationTime(bare.seconds + lumiq.seconds);
    bareSeconds += bare.seconds;
    lumiqSeconds += lumiq.seconds;
    bareKb += static_cast<double>(bare.peakKb);
    lumiqKb += static_cast<double>(lumiq.peakKb);
  }
  using benchmark::Counter;
  state.counters["bare_ms"] = Counter(bareSeconds * 1e3, Counter::kAvgIterations);
  state.counters["lumiq_ms"] = Counter(lumiqSeconds * 1e3, Counter::kAvgIterations);
  state.counters["bare_kB"] = Counter(bareKb, Counter::kAvgIterations);
  state.counters["lumiq_kB"] = Counter(lumiqKb, Counter::kAvgIterations);
}
BENCHMARK(BM_StartupPair)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
