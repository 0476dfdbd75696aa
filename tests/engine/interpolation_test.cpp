#include "engine/interpolation.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct Case {
  const char* name;
  int start, end, frame, length;
  NoFrames noFrames;
  int rounded;
};

TEST(InterpolateTest, RoundedPositions) {
  constexpr NoFrames kEnd = NoFrames::kEnd;
  constexpr NoFrames kOne = NoFrames::kOneFrame;
  const Case cases[] = {
      {"frame 0 is the start", 393, 349, 0, 10, kEnd, 393},
      {"the last frame is the end", 393, 349, 10, 10, kOne, 349},
      {"the end though 1/49 x 49 falls short of 1 in double", 0, 1, 49, 49, kOne, 1},
      {"halfway, half to even", 0, 5, 1, 2, kOne, 2},
      {"halfway, half to even, upwards", 0, 7, 1, 2, kOne, 4},
      {"negative span: -1.5 rounds away from zero", 0, -3, 1, 2, kOne, -2},
      {"negative span: -2.5 rounds to even", 0, -5, 1, 2, kOne, -2},
      {"negative span: -4.67 is -5, not truncated to -4", 0, -7, 2, 3, kOne, -5},
      {"backwards from a start: 6.5 rounds to even", 10, 3, 1, 2, kOne, 6},
      // (D / L) x F, not D x F / L: 29 / 14 x 7 is just above 14.5, 15 / 22 x 11 just below 7.5.
      {"divided before multiplied, above the half", 0, 29, 7, 14, kOne, 15},
      {"divided before multiplied, below the half", 0, 15, 11, 22, kOne, 7},
      {"divided before multiplied, negative", 0, -29, 7, 14, kOne, -15},
      {"ends far apart do not overflow", INT_MIN, INT_MAX, 1, 2, kOne, 0},
      {"length 0, kEnd: the end at frame 0", 10, 20, 0, 0, kEnd, 20},
      {"length 0, kEnd: the end at any frame", 10, 20, 7, 0, kEnd, 20},
      {"length 0, kOneFrame: frame 0 is the start", 10, 20, 0, 0, kOne, 10},
      {"length 0, kOneFrame: frame 1 is the end", 10, 20, 1, 0, kOne, 20},
      {"negative length, kOneFrame: one frame", 10, 20, 1, -4, kOne, 20},
      {"negative length, kEnd: the formula runs", 0, 10, 1, -2, kEnd, -5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(InterpolateRounded(c.start, c.end, c.frame, c.length, c.noFrames), c.rounded);
  }
}

// The real value is what the stretching copies take; it is exact at the start and
// at a length-0 end.
TEST(InterpolateTest, RealValues) {
  EXPECT_EQ(Interpolate(-800, 50, 0, 8, NoFrames::kEnd), -800.0);
  EXPECT_EQ(Interpolate(10, 200, 3, 0, NoFrames::kEnd), 200.0);
  EXPECT_EQ(Interpolate(0, 5, 1, 2, NoFrames::kOneFrame), 2.5);
  EXPECT_EQ(Interpolate(0, -5, 1, 2, NoFrames::kOneFrame), -2.5);
  EXPECT_EQ(Interpolate(0, 15, 11, 22, NoFrames::kOneFrame), 15.0 / 22.0 * 11.0);
  // A share of the way multiplies the span by the share: a hop's quarter of 50
  // pixels is a half exactly, which then rounds to even.
  EXPECT_EQ(InterpolateAt(-50, 0, 3.0 / 12), -37.5);
  EXPECT_EQ(RoundHalfEven(InterpolateAt(-50, 0, 3.0 / 12)), -38);
  EXPECT_EQ(InterpolateAt(7, 7, 0.9), 7.0);
}

}  // namespace
