// One scripted input, one millisecond from now, for the screen tests that drive a
// scene click by click.
#pragma once

#include "support/engine_harness.h"

namespace tq::testing {

inline void FeedInput(EngineHarness& h, tq::ScriptedInput::Kind kind, int x, int y, int key = 0) {
  tq::ScriptedInput in;
  in.at = h.Now() + 1;
  in.kind = kind;
  in.x = x;
  in.y = y;
  in.key = key;
  h.Platform().AddInput(in);
}

}  // namespace tq::testing
