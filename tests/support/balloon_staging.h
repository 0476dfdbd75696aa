// The staging rule every game's conversation tests hold: when the game waits for a
// click, the current balloon (the topmost) is whole and inside the window, and every
// older balloon still shown is either wholly visible or wholly covered, so a player
// never reads a fragment. Measured from the real stacking of the compositor's
// layers. Also the check that each printed balloon row lies inside its balloon, the
// rules for tails and thought bubbles, and the watch over a whole run
// (BalloonStagingWatch) that looks between the clicks as well: that every line can
// be read, and that a line's hop or shake plays with it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tq {
class HeadlessPlatform;
}

namespace tq::testing {

// How far a thought balloon's nearest bubble may stand from it. At rest every bubble
// set of the three games overlaps its balloon by 3 pixels or more; a gap of a few
// pixels still reads as the chain's end, while a bubble left behind by a move (a
// quarter of the move for the nearest one) or by a balloon drawn again elsewhere
// stands tens of pixels off.
inline constexpr int kChainGapPx = 4;
// How far off the way from a chain's balloon end to its small end a face's eyes and
// mouth may stand for the chain to point at it: a chain three bubbles long points
// only roughly, and a face further aside reads as standing beside the chain's line.
inline constexpr double kChainConeDeg = 35.0;

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

// The thought balloons shown (of `slots`, all when empty) whose bubble chain does not
// lead from the balloon to the thinker: the bubble nearest the balloon stands more
// than kChainGapPx from it; or the face the chain points at (of the shown faces
// whose eyes and mouth lie within kChainConeDeg of the way from the chain's balloon
// end to its small end, the nearest) is another's; or, pointing at none, its small end
// lies further from the thinker's eyes and mouth than its balloon end (by more than
// kChainGapPx). One line each, empty when none.
std::vector<std::string> ThoughtChainFaults(const std::set<int>& slots = {});

// The tails and thought bubbles a player sees while their balloon is closed (its
// layer hidden or of size 0), but for a balloon being opened, whose parts come
// first. A part is a small box filled white or greyed on the layer after its
// balloon's (the scene's own pictures may take a closed slot's numbers); one that
// sticks out from under a picture of the scene in front of it and touches its own
// face and no other is that picture's connector to the face, not a tail. One line
// each, empty when none.
std::vector<std::string> ClosedBalloonPartFaults();

// The balloon texts printed since the last look that stand outside their balloon
// (clear of its bevel frame on the right and at the bottom) or outside the window,
// each described after `where`: one report per balloon, and a text reported once
// (kept in `reported`) is not reported again when greyed. Starts the print
// recording afresh. `boxes` adds layers to look at while they are shown (a game's
// narration and caption box).
std::vector<std::string> BalloonTextsOutside(const std::string& where, std::set<std::string>& reported,
                                             const std::set<int>& boxes = {});

// A conversation run watched as a player sees it: a look every 100 ms of virtual time
// and the look the test takes at each click wait. It notes every script line as it
// starts (through the mode's ExpandMacros hook, which the conversion of every line
// calls), so that a line shown for less than a look is still known. A look that
// finds the screen as the look before reuses its findings.
//
// At the click waits the test asks AtClickWait(); between them the watch itself
// looks for tails and bubbles of closed balloons and for thought chains that stand
// wrong (a chain only while its balloon and bubbles have stood still since the look
// before: a hop or an opening bends the chain on its way).
//
// Every speech or thought line of a face must be read. A balloon shows the line its
// kept text is; the line is the current line while its balloon is whole, inside the
// window, drawn white and of the newest batch (the topmost balloon's line and the
// lines opened with it: a group's queued balloons open together). The line must be
// the current line while the scene waits for a click (at the click-wait mark, or in
// a flip-book that runs until a click ends it), or stay the current line for
// kMurmurMs without a break (a murmur the script runs on past without a click).
class BalloonStagingWatch {
 public:
  static constexpr uint32_t kLookMs = 100;
  static constexpr uint32_t kMurmurMs = 2000;

  // Looks from `first` on. `where` names the line just run for a fault's wording,
  // and is empty while the screen is none to look at (no conversation, or a stage
  // the test does not hold). One watch at a time; it puts the hooks back when it
  // goes.
  //
  // movesWithTheirLine: the game's scripts play a balloon's hop or shake with the
  // line it stresses (the Vadrim game's do), so one that waits for the click is a
  // fault. The Marbrook and Skelvane scripts play it as a beat after the click,
  // before the next line, as their macros are written to be used.
  BalloonStagingWatch(tq::HeadlessPlatform& platform, uint32_t first, std::function<std::string()> where,
                      bool movesWithTheirLine = false);
  ~BalloonStagingWatch();
  BalloonStagingWatch(const BalloonStagingWatch&) = delete;
  BalloonStagingWatch& operator=(const BalloonStagingWatch&) = delete;

  // The look at a click wait, as the player clicks: BalloonStagingFaults,
  // StrayTailFaults, ThoughtChainFaults and ClosedBalloonPartFaults; while the
  // click-wait mark waits (and with movesWithTheirLine), also the hop, shake, bob, jolt, jitter or swing of the
  // topmost balloon that its next lines play only after the click, before any line
  // prints again (a glide only carries a balloon to its new place). Marks the
  // current lines read. One line each, empty when none.
  std::vector<std::string> AtClickWait();

  // After the run: the faults seen between the clicks, one per line just run and
  // fault with how many looks saw it, and every line no player could read, with how
  // long it stayed the current line and what first kept it from being so. A line the
  // run stopped on is not judged.
  std::vector<std::string> Faults();

  // The looks taken between the clicks while the screen was one to look at.
  int Looks() const;

  struct State;

 private:
  std::unique_ptr<State> state_;
};

}  // namespace tq::testing
