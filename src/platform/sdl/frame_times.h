// How long the window's frames take to make, for the measuring tools: with
// THORNQUILL_FRAME_TIMES=FILE in the environment, the game writes to FILE
//   start-up <ms>                             the time to the first frame shown
//   slow <ms since start> <frame ms>          for each later frame over kSlowFrameMs
//   frames <count> longest <ms> over13 <n> over40 <n>   every ten seconds and at the end
// A frame is the work between two presents, the waits for the next frame or event
// left out, so a frame that stalls on a file shows and an idle spell does not. The
// start-up (the window, the fonts, the first pictures) is not one of the frames.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace tq {

inline constexpr double kSlowFrameMs = 13.0;

class FrameTimes {
 public:
  // clock: microseconds, steady.
  FrameTimes(std::FILE* out, std::function<int64_t()> clock);
  ~FrameTimes();
  // The one the environment asks for, or none.
  static std::unique_ptr<FrameTimes> FromEnvironment(std::function<int64_t()> clock);

  void WaitBegins();
  void WaitEnds();
  void FrameShown();

 private:
  void WriteSummary();

  std::FILE* out_;
  std::function<int64_t()> clock_;
  int64_t busySince_;
  int64_t busy_ = 0;
  bool waiting_ = false;
  bool started_ = false;
  int64_t frames_ = 0;
  int64_t longest_ = 0;
  int64_t over13_ = 0;
  int64_t over40_ = 0;
  int64_t summaryAt_;
};

}  // namespace tq
