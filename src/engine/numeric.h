// Rounding as the original stores real values into its 16-bit words.
#pragma once

#include <cmath>

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 7.5 -> 8, -17.5 -> -18).
inline int RoundHalfEven(double v) {
  if (!std::isfinite(v)) return 0;
  if (v > 2147483647.0) return 2147483647;
  if (v < -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(std::nearbyint(v));  // the default rounding mode is to nearest-even
}
