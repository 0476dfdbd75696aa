// Rock-paper-scissors tables: the closing texts. The signboards, panels and result
// boards carry their own wording in their pictures.
#include "marbrook/minigames/rock_paper_scissors.h"

namespace {

// 0 and 1 the two closing texts of the victory over the third opponent, 2 the defeat's.
constexpr const char* kEndingTexts[] = {
    "こうして地球は救われた……。",
    "感動をありがとう！　そして、さようなら……。",
    "こうして地球は滅亡した……。",
};

}  // namespace

const char* G01_EndingText(int which) {
  return which >= 0 && which <= 2 ? kEndingTexts[which] : "";
}
