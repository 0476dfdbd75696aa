#include "platform/sdl/frame_times.h"

#include <algorithm>
#include <cstdlib>

namespace tq {

namespace {
constexpr int64_t kSummaryEveryUs = 10'000'000;
}

FrameTimes::FrameTimes(std::FILE* out, std::function<int64_t()> clock)
    : out_(out), clock_(std::move(clock)), busySince_(clock_()), summaryAt_(busySince_ + kSummaryEveryUs) {}

FrameTimes::~FrameTimes() {
  WriteSummary();
  std::fclose(out_);
}

std::unique_ptr<FrameTimes> FrameTimes::FromEnvironment(std::function<int64_t()> clock) {
  const char* path = std::getenv("THORNQUILL_FRAME_TIMES");
  if (path == nullptr || *path == '\0') return nullptr;
  std::FILE* out = std::fopen(path, "w");
  if (out == nullptr) {
    std::fprintf(stderr, "thornquill: cannot write frame times to %s\n", path);
    return nullptr;
  }
  return std::make_unique<FrameTimes>(out, std::move(clock));
}

void FrameTimes::WaitBegins() {
  if (waiting_) return;
  busy_ += clock_() - busySince_;
  waiting_ = true;
}

void FrameTimes::WaitEnds() {
  if (!waiting_) return;
  busySince_ = clock_();
  waiting_ = false;
}

void FrameTimes::FrameShown() {
  const int64_t now = clock_();
  const int64_t frame = busy_ + (waiting_ ? 0 : now - busySince_);
  busy_ = 0;
  busySince_ = now;
  if (!started_) {
    started_ = true;
    std::fprintf(out_, "start-up %.1f\n", frame / 1000.0);
    summaryAt_ = now + kSummaryEveryUs;
    return;
  }
  ++frames_;
  longest_ = std::max(longest_, frame);
  if (frame > static_cast<int64_t>(kSlowFrameMs * 1000)) ++over13_;
  if (frame > 40'000) ++over40_;
  if (frame > static_cast<int64_t>(kSlowFrameMs * 1000)) {
    std::fprintf(out_, "slow %lld %.1f\n", static_cast<long long>(now / 1000), frame / 1000.0);
  }
  if (now >= summaryAt_) {
    WriteSummary();
    summaryAt_ = now + kSummaryEveryUs;
  }
}

void FrameTimes::WriteSummary() {
  std::fprintf(out_, "frames %lld longest %.1f over13 %lld over40 %lld\n", static_cast<long long>(frames_),
               longest_ / 1000.0, static_cast<long long>(over13_), static_cast<long long>(over40_));
  std::fflush(out_);
}

}  // namespace tq
