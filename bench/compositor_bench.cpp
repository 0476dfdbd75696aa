// Costs of composing the window against the plain copy it should approach.
#include <benchmark/benchmark.h>

#include "platform/compositor.h"

namespace {

using tq::Compositor;
using tq::kLayerCount;
using tq::kWindowHeight;
using tq::kWindowWidth;

void StackAllLayers(Compositor& c) {
  for (int i = 0; i < kLayerCount; ++i) {
    c.Place(i, 0, 0, kWindowWidth, kWindowHeight, 0x010101u * static_cast<uint32_t>(i));
    c.SetVisible(i, true);
  }
  c.Compose();
}

// 100 opaque window-sized layers: only the topmost is copied, so this should
// cost about one full-window copy.
void BM_ComposeFullStack(benchmark::State& state) {
  Compositor c;
  StackAllLayers(c);
  for (auto _ : state) {
    c.InvalidateAll();
    benchmark::DoNotOptimize(c.Compose());
    benchmark::DoNotOptimize(c.Frame().Data());
  }
  state.SetBytesProcessed(state.iterations() * int64_t{kWindowWidth} * kWindowHeight * 4);
}
BENCHMARK(BM_ComposeFullStack);

void BM_CopyRectFullWindow(benchmark::State& state) {
  const tq::Surface src(kWindowWidth, kWindowHeight, 0x123456);
  tq::Surface dst(kWindowWidth, kWindowHeight);
  for (auto _ : state) {
    tq::CopyRect(dst, 0, 0, src, 0, 0, kWindowWidth, kWindowHeight);
    benchmark::DoNotOptimize(dst.Data());
  }
  state.SetBytesProcessed(state.iterations() * int64_t{kWindowWidth} * kWindowHeight * 4);
}
BENCHMARK(BM_CopyRectFullWindow);

void BM_ComposeUnchanged(benchmark::State& state) {
  Compositor c;
  StackAllLayers(c);
  for (auto _ : state) benchmark::DoNotOptimize(c.Compose());
}
BENCHMARK(BM_ComposeUnchanged);

}  // namespace
