// Launch to first painted frame, and peak resident memory, of the Lumiq
// window against a bare window of the same size with one line edit. Both run
// the same probe binary, so loading costs the same on both sides. Each pair
// runs on Qt's offscreen platform, and where `make bench` provides them, on
// an X server (LUMIQ_X11_DISPLAY) and as a native Wayland client
// (WAYLAND_DISPLAY).
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Launch {
  double seconds = 0;
  long peakKb = -1;
};

// Where a pair runs: the platform the probe is given, and the variable that
// names its display (none for offscreen); DISPLAY takes that display.
struct Platform {
  const char* name;
  const char* display;
};
constexpr std::array<Platform, 3> kPlatforms = {{
    {"offscreen", nullptr},
    {"xcb", "LUMIQ_X11_DISPLAY"},
    {"wayland", "WAYLAND_DISPLAY"},
}};

// This process's environment, with the probe's platform and display.
std::vector<std::string> ProbeEnvironment(const Platform& platform) {
  std::vector<std::string> variables;
  for (char** variable = environ; *variable != nullptr; ++variable) {
    const std::string entry = *variable;
    if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("DISPLAY=", 0) != 0) {
      variables.push_back(entry);
    }
  }
  variables.push_back(std::string("QT_QPA_PLATFORM=") + platform.name);
  if (platform.display != nullptr && std::string(platform.name) == "xcb") {
    variables.push_back(std::string("DISPLAY=") + std::getenv(platform.display));
  }
  return variables;
}

Launch LaunchProbe(const char* mode, const std::vector<std::string>& environment) {
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
  std::vector<char*> envp;
  for (const std::string& variable : environment)
    envp.push_back(const_cast<char*>(variable.c_str()));
  envp.push_back(nullptr);
  const int spawned = posix_spawn(&pid, probe, &actions, nullptr, argv, envp.data());
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
    // Timed to the line; Qt 6.4's Wayland client now and then hangs as it
    // quits, which is no part of the start.
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
  }
  close(out[0]);
  return launch;
}

// Each iteration launches both, one after the other, so that load on a
// shared machine falls on both sides alike.
void BM_StartupPair(benchmark::State& state) {
  const Platform& platform = kPlatforms[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(platform.name);
  if (platform.display != nullptr && std::getenv(platform.display) == nullptr) {
    state.SkipWithError("no display for this platform (make bench provides one)");
    return;
  }
  const std::vector<std::string> environment = ProbeEnvironment(platform);
  double bareSeconds = 0, lumiqSeconds = 0, bareKb = 0, lumiqKb = 0;
  for (auto _ : state) {
    const Launch bare = LaunchProbe("baseline", environment);
    const Launch lumiq = LaunchProbe("lumiq", environment);
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
BENCHMARK(BM_StartupPair)
    ->DenseRange(0, kPlatforms.size() - 1)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
