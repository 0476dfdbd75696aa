// The staging rule every game's conversation tests hold: when the game waits for a
// click, the current balloon (the topmost) is whole and inside the window, and every
// older balloon still shown is either wholly visible or wholly covered, so a player
// never reads a fragment. Measured from the real stacking of the compositor's
// layers. Also the check that each printed balloon row lies inside its balloon.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace tq::testing {

// The share of a layer's sampled points (every fourth pixel each way) that a
// player sees: layers are opaque, so a point shows the topmost visible layer over
// it. Layers in `ignored` cover nothing.
double VisibleShare(int layer, const std::set<int>& ignored);

// The faults of the balloons shown now, one line each, empty when the staging
// holds. A balloon is a slot's speech balloon whose layer is visible, or a thought
// balloon its slot shows; its own tail or bubbles, its slot's mini pictures and the
// click-wait mark cover nothing. While the click-wait mark waits, also: the newest
// balloon is not drawn greyed (unless the narration window stands over it), and
// every shown face's name strip and eyes and mouth (found by the stand-in pictures'
// colours) and every shown mark lie whole inside the window, under no balloon,
// tail, bubble, mark or the click-wait mark.
std::vector<std::string> BalloonStagingFaults();

// The older balloons shown now that another balloon wholly covers while their own
// tail (or thought bubbles) still shows: the player sees one balloon with two tails,
// one pointing at a face that does not speak it. One line each, empty when none.
std::vector<std::string> StrayTailFaults();

// The balloon texts printed since the last look that stand outside their balloon
// (clear of its bevel frame on the right and at the bottom) or outside the window,
// each described after `where`: one report per balloon, and a text reported once
// (kept in `reported`) is not reported again when greyed. Starts the print
// recording afresh. `boxes` adds layers to look at while they are shown (a game's
// narration and caption box).
std::vector<std::string> BalloonTextsOutside(const std::string& where, std::set<std::string>& reported,
                                             const std::set<int>& boxes = {});

}  // namespace tq::testing
