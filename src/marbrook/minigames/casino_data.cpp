// The casino's tables: number panel colours, reel strips and the slot pay table.
#include <span>

#include "marbrook/minigames/casino.h"

namespace {

// Number panels: kind, layer offset (and panel picture), the three shade colours.
constexpr NumberPanelStyle kPanels[] = {
    {0, 0, {255, 255, 180}, {200, 200, 140}, {150, 150, 80}},  // credits
    {1, 1, {255, 180, 255}, {200, 140, 200}, {150, 80, 150}},  // bet
    {2, 2, {180, 255, 255}, {140, 200, 200}, {80, 150, 150}},  // hand total
    {5, 3, {255, 180, 180}, {200, 140, 140}, {150, 80, 80}},   // multiplier
    {6, 4, {255, 180, 180}, {200, 140, 140}, {150, 80, 80}},   // win
};

// Reel strips, reels 0 to 2. Free play: honest strips of 21 positions.
constexpr const char* kFreeStrips[] = {
    "7,5,8,1,7,3,7,2,5,4,1,5,1,8,3,2,4,3,5,8,2",
    "4,3,2,5,6,7,3,8,2,8,5,4,8,2,4,1,6,3,4,2,3",
    "2,1,6,3,4,6,2,5,4,7,3,1,5,8,1,4,6,8,5,7,8",
};
// Story: 22 positions; the right reel's last fifteen are all 5.
constexpr const char* kStoryStrips[] = {
    "5,4,6,2,4,3,6,2,5,4,6,4,3,6,4,1,3,5,1,2,1,3",
    "3,6,5,4,1,1,1,2,2,2,3,3,3,4,4,4,5,5,5,7,7,7",
    "1,2,3,4,6,7,8,5,5,5,5,5,5,5,5,5,5,5,5,5,5,5",
};
static_assert(std::size(kFreeStrips) == kReelCount && std::size(kStoryStrips) == kReelCount);

// Three equal symbols 1 to 8; three 8s pay nothing.
constexpr int kTriplePay[] = {400, 500, 300, 200, 100, 999, 777, 0};

}  // namespace

std::span<const NumberPanelStyle> NumberPanelStyles() { return kPanels; }

std::span<const char* const> ReelStripTexts(int mode) {
  if (mode == 1) return kStoryStrips;
  return kFreeStrips;
}

int TripleSymbolPay(int symbol) {
  if (symbol < 1 || symbol > static_cast<int>(std::size(kTriplePay))) return 0;
  return kTriplePay[symbol - 1];
}
