// What a layer's buffer costs as the layer changes size: the time of a balloon that
// grows a row or a step a frame and of a layer shrunk and cleared, and beside it the
// buffer moves (a new buffer, the kept rows copied over), the pages faulted in (the
// cost of memory given back and taken again, which varies most between machines)
// and the bytes held after.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdint>

#include "platform/compositor.h"
#include "platform/pixels.h"

namespace {

using tq::Surface;

// Counts the frames on which the surface's pixels moved to another buffer.
struct MoveCounter {
  const Surface& s;
  const uint32_t* last = s.Data();
  int moves = 0;
  void Frame() {
    if (s.Data() != last) ++moves;
    last = s.Data();
  }
};

double HeldBytes(const Surface& s) { return static_cast<double>(s.Capacity() * sizeof(uint32_t)); }

// Page faults of the process so far.
double PageFaults() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_minflt + u.ru_majflt);
}

// Page faults per iteration since `since`.
benchmark::Counter FaultsPerIteration(double since) {
  return benchmark::Counter(PageFaults() - since, benchmark::Counter::kAvgIterations);
}

// A wipe or a slow balloon: 400 pixels wide, one row more each frame for N frames,
// then closed (sized to nothing) before the next opens.
void BM_GrowOneRowAFrame(benchmark::State& state) {
  const int frames = static_cast<int>(state.range(0));
  Surface s;
  int64_t moves = 0;
  const double faults = PageFaults();
  for (auto _ : state) {
    MoveCounter counter{s};
    for (int h = 1; h <= frames; ++h) {
      s.ResizeKeeping(400, h, 0x123456);
      counter.Frame();
    }
    benchmark::DoNotOptimize(s.Data());
    moves += counter.moves;
    s.ResizeKeeping(0, 0, 0);
  }
  state.counters["moves_per_open"] = static_cast<double>(moves) / static_cast<double>(state.iterations());
  state.counters["held_closed_bytes"] = HeldBytes(s);
  state.counters["faults_per_open"] = FaultsPerIteration(faults);
}
BENCHMARK(BM_GrowOneRowAFrame)->ArgName("frames")->Arg(100)->Arg(600)->Unit(benchmark::kMicrosecond);

// A text balloon as it opens: a tenth of its size more each frame for ten frames,
// then erased a fifth at a time, as the balloon animations size their layers.
void BM_BalloonOpensAndCloses(benchmark::State& state) {
  constexpr int kW = 620, kH = 180;
  Surface s;
  int64_t moves = 0;
  const double faults = PageFaults();
  for (auto _ : state) {
    MoveCounter counter{s};
    for (int f = 1; f <= 10; ++f) {
      s.ResizeKeeping(kW * f / 10, kH * f / 10, 0x202020);
      counter.Frame();
    }
    for (int f = 4; f >= 0; --f) {
      s.ResizeKeeping(kW * f / 5, kH * f / 5, 0x202020);
      counter.Frame();
    }
    benchmark::DoNotOptimize(s.Data());
    moves += counter.moves;
  }
  state.counters["moves_per_open"] = static_cast<double>(moves) / static_cast<double>(state.iterations());
  state.counters["held_closed_bytes"] = HeldBytes(s);
  state.counters["faults_per_open"] = FaultsPerIteration(faults);
}
BENCHMARK(BM_BalloonOpensAndCloses)->Unit(benchmark::kMicrosecond);

// A layer that held a whole-window picture, then shrunk to a small panel, then
// cleared to nothing, as a stage's pictures come and go.
void BM_ShrinkAndClear(benchmark::State& state) {
  Surface s;
  double heldShrunk = 0, heldCleared = 0;
  const double faults = PageFaults();
  for (auto _ : state) {
    s.Reset(tq::kWindowWidth, tq::kWindowHeight, 0x112233);
    s.ResizeKeeping(120, 80, 0);
    heldShrunk = HeldBytes(s);
    s.Reset(0, 0);
    heldCleared = HeldBytes(s);
    benchmark::DoNotOptimize(s.Data());
  }
  state.counters["held_shrunk_bytes"] = heldShrunk;
  state.counters["held_cleared_bytes"] = heldCleared;
  state.counters["faults_per_cycle"] = FaultsPerIteration(faults);
}
BENCHMARK(BM_ShrinkAndClear)->Unit(benchmark::kMicrosecond);

}  // namespace
