// A flip-book stage: Marbrook stage 71 in the conversation, 60 virtual seconds with
// a click every 1.5 s, on the build's stand-in pictures. Each iteration is one run.
// Besides the run's time, the counters give the work of the longest frames: the
// CPU time the engine spends between two sleeps of the virtual clock, which must stay
// well inside the 13 ms of a frame for the real window not to stutter.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "app/register_games.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "platform/headless/headless_platform.h"

namespace {

constexpr uint32_t kRunMs = 60000;
constexpr uint32_t kClickMs = 1500;

double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The headless back end, noting the CPU time spent between the clock's steps: a
// sleep ends a frame of a frame loop, an idle wait a timer step (whose handler,
// delivered inside the wait, counts toward the step after it, as a frame's does).
class FrameTimingPlatform : public tq::HeadlessPlatform {
 public:
  void SleepUntil(uint32_t ms) override {
    Note(frames);
    HeadlessPlatform::SleepUntil(ms);
    since_ = ThreadCpuMs();
  }
  void WaitIdle() override {
    Note(steps);
    HeadlessPlatform::WaitIdle();
  }
  // Start-up is not timed: fonts and the first pictures load there.
  void StartTiming() { since_ = ThreadCpuMs(); }
  std::vector<double> frames, steps;

 private:
  void Note(std::vector<double>& into) {
    const double now = ThreadCpuMs();
    if (since_ >= 0) into.push_back(now - since_);
    since_ = now;
  }
  double since_ = -1;
};

// The build folder's stand-ins, linked into a folder of the run's own, so that
// anything the run writes stays out of the build.
std::string ProgramFolder() {
  namespace fs = std::filesystem;
  static const std::string folder = [] {
    const fs::path dir = fs::temp_directory_path() / "thornquill_flipbook_bench";
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    for (const char* top : {"Tanselr_Data", "Kespa_Data", "Sound_Data", "bmp_data"}) {
      const fs::path from = fs::path(THORNQUILL_STAND_INS) / top;
      for (auto it = fs::recursive_directory_iterator(from, ec); !ec && it != fs::recursive_directory_iterator();
           it.increment(ec)) {
        const fs::path to = dir / top / fs::relative(it->path(), from);
        if (it->is_directory()) {
          fs::create_directories(to);
        } else {
          fs::create_hard_link(it->path(), to, ec);
          if (ec) fs::copy_file(it->path(), to, ec);
          ec.clear();
        }
      }
    }
    return dir.string();
  }();
  return folder;
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())))];
}

void BM_FlipBookStage71(benchmark::State& state) {
  const std::string root = ProgramFolder();
  std::vector<double> frames, steps;
  for (auto _ : state) {
    FrameTimingPlatform platform;
    platform.SetProgramFolder(root);
    platform.SetUntil(kRunMs);
    tq::InstallPlatform(&platform);
    ResetAllState();
    RegisterGames();
    SetStartMode(kModeMarbrook);
    SeedRandom(1);
    for (uint32_t t = kClickMs; t <= kRunMs; t += kClickMs) platform.AddInput({t, tq::ScriptedInput::Click, 460, 345});
    // Before the first tick: the conversation's entry from another screen, at stage 71.
    platform.At(1, [] { SceneCursor = {10, 0, 10, 71, 0}; });
    try {
      FormLoad();
      platform.StartTiming();
      for (;;) platform.WaitIdle();
    } catch (const tq::ProgramExit&) {
    } catch (const tq::RunLimitReached&) {
    }
    tq::InstallPlatform(nullptr);
    if (SceneCursor.StageNumber != 71) state.SkipWithError("the run left stage 71");
    frames.insert(frames.end(), platform.frames.begin(), platform.frames.end());
    steps.insert(steps.end(), platform.steps.begin(), platform.steps.end());
  }
  auto perRun = [](double n) { return benchmark::Counter(n, benchmark::Counter::kAvgIterations); };
  state.counters["frames"] = perRun(static_cast<double>(frames.size()));
  state.counters["frame_p99_ms"] = Percentile(frames, 0.99);
  state.counters["frame_worst_ms"] = Percentile(frames, 1.0);
  state.counters["frames_over_13ms"] =
      perRun(static_cast<double>(std::count_if(frames.begin(), frames.end(), [](double ms) { return ms > 13; })));
  state.counters["timer_step_worst_ms"] = Percentile(steps, 1.0);
}
BENCHMARK(BM_FlipBookStage71)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
