#include "scenario/cross_fades.h"

#include <string>
#include <vector>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "scenario/animation_dispatch.h"
#include "scenario/conversation_scene.h"

namespace {

constexpr int kPictureLayer = 0;
constexpr int kWorkLayer = 1;
constexpr int kKeptLayer = 50;     // the "clean" screen the text blocks fade over
constexpr int kScratchLayer = 51;  // one text block is composed here
constexpr int kAreaWidth = 640;
constexpr int kAreaHeight = 480;
constexpr int kBlockHeight = 100;
constexpr int kLineStep = 30;
constexpr int kMaxLines = 9;

bool IsDrawable(int d) { return d == GameForm || ValidLayer(d); }

// The codes after the first fade read the kept screen; before any fade has kept one
// the cleared layer 50 stands in, so nothing reads an unset drawable.
int KeptScreen() {
  if (!IsDrawable(BlitSpec.BlitSource)) BlitSpec.BlitSource = kKeptLayer;
  return BlitSpec.BlitSource;
}

void EndAfter(int lastFrame) {
  if (++AnimationRun.AnimationFrame > lastFrame) Wait(0, 0);
}

void FadeInPicture() {
  AnimationRunRecord& a = AnimationRun;
  BlitSpecRecord& b = BlitSpec;
  SetFrameLength(kAnimFadeInPicture, 0);
  a.AnimationLength = 10;
  if (a.AnimationFrame == 0) {
    b.BlitWork = kWorkLayer;
    b.BlitSource = kPictureLayer;
    b.BlitTarget = GameForm;
  }
  const tq::Surface& picture = LayerImage(kPictureLayer);
  b.BlitSrcX = 0;
  b.BlitSrcY = 0;
  b.BlitWidth = picture.Width();
  b.BlitHeight = picture.Height();
  b.BlitDestX = kAreaWidth - b.BlitWidth;
  b.BlitDestY = kAreaHeight - b.BlitHeight;
  const int w = b.BlitWidth;
  const int h = b.BlitHeight;
  // The work layer holds the whole picture, whatever size it was left at.
  const tq::Surface& work = LayerImage(kWorkLayer);
  if (work.Width() < w || work.Height() < h) {
    GetLayerRect(kRectIntoTarget, kWorkLayer);
    MoveLayer(kWorkLayer, DrawState.TargetRect.X, DrawState.TargetRect.Y, std::max(w, work.Width()),
              std::max(h, work.Height()));
  }
  SetLayerPicture(kWorkLayer, tq::Surface());
  AlphaBlendCopy(kPictureLayer, kWorkLayer, (255 / 10) * a.AnimationFrame, {0, 0, w, h, 0, 0, w, h});
  BitBltCopy(kWorkLayer, GameForm, {0, 0, w, h, b.BlitDestX, b.BlitDestY});
  if (++a.AnimationFrame <= a.AnimationLength) return;
  DrawState.CurrentLayer = kKeptLayer;
  DrawState.CurrentRect = {kAreaWidth, 0, kAreaWidth, kAreaHeight};
  PrepareLayer(kPreparePictureShown);
  BitBltCopy(GameForm, kKeptLayer, {0, 0, kAreaWidth, kAreaHeight, 0, 0});
  b.BlitSource = kKeptLayer;
  Wait(0, 0);
}

void FadeToKept() {
  AnimationRunRecord& a = AnimationRun;
  SetFrameLength(kAnimFadeInPicture, 0);
  if (a.AnimationFrame == 0) {
    DrawState.CurrentLayer = kKeptLayer;
    DrawState.CurrentRect = {0, 0, kAreaWidth, kAreaHeight};
    PrepareLayer(kPreparePictureHidden);
    BlitSpec.BlitSource = kKeptLayer;
  }
  a.AnimationLength = 8;
  AlphaBlendCopy(KeptScreen(), GameForm, 31 * a.AnimationFrame,
                 {0, 0, kAreaWidth, kAreaHeight, 0, 0, kAreaWidth, kAreaHeight});
  EndAfter(a.AnimationLength);
}

// Codes 1215 (at line position EffectTextCode) and 1217 (centred in the area).
void TextBlock(bool centred) {
  AnimationRunRecord& a = AnimationRun;
  BlitSpecRecord& b = BlitSpec;
  SetFrameLength(kAnimTextBlock, 0);
  const int top = centred ? 190 : kLineStep * ConversationScene.EffectTextCode;
  if (a.AnimationFrame == 0) {
    b.BlitWidth = kAreaWidth;
    b.BlitHeight = kBlockHeight;
    b.BlitSrcX = 0;
    b.BlitSrcY = top;
    TextStyleRecord& t = TextStyle;
    t.TextFontSize = 16;
    t.TextBold = -1;
    t.TextItalic = 0;
    DrawState.CurrentLayer = kScratchLayer;
    DrawState.CurrentRect = {0, 0, kAreaWidth, kBlockHeight};
    PrepareLayer(kPrepareTextHidden);
    BitBltCopy(KeptScreen(), kScratchLayer, {0, top, kAreaWidth, kBlockHeight, 0, 0});
    std::vector<std::string> lines;
    int count = 0;
    SplitFields(ConversationScene.EffectText, "：", kMaxLines, lines, count);
    for (int i = 1; i <= count && i <= kMaxLines; ++i) {
      t.CurrentText = lines[static_cast<size_t>(i)];
      if (centred) {
        MeasureText(0);
        t.TextX = kAreaWidth / 2 - t.MeasuredWidth / 2;
        t.TextY = kBlockHeight / 2 - t.MeasuredHeight / 2 + kLineStep * (i - 1);
      } else {
        t.TextX = 0;
        t.TextY = kLineStep * (i - 1);
      }
      DrawState.CurrentLayer = kScratchLayer;
      GlowText(1, 0, 0, 1.0f);
      GlowText(0, 0, 0, 1.0f);
    }
  }
  a.AnimationLength = 10;
  AlphaBlendCopy(kScratchLayer, GameForm, 25 * a.AnimationFrame,
                 {0, 0, kAreaWidth, kBlockHeight, 0, top, kAreaWidth, kBlockHeight});
  EndAfter(a.AnimationLength);
}

void FadeTextOut() {
  AnimationRunRecord& a = AnimationRun;
  BlitSpecRecord& b = BlitSpec;
  SetFrameLength(kAnimTextBlock, 0);
  b.BlitSrcX = 0;
  b.BlitSrcY = 0;
  a.AnimationLength = 10;
  AlphaBlendCopy(KeptScreen(), GameForm, 25 * a.AnimationFrame,
                 {0, 0, b.BlitWidth, b.BlitHeight, 0, 0, b.BlitWidth, b.BlitHeight});
  EndAfter(a.AnimationLength);
}

}  // namespace

void LineEffectTick() {
  switch (FrameClock.AnimationCode) {
    case kAnimFadeInPicture: FadeInPicture(); break;
    case kAnimFadeToKept: FadeToKept(); break;
    case kAnimTextBlock: TextBlock(false); break;
    case kAnimFadeTextOut: FadeTextOut(); break;
    case kAnimCentredTextBlock: TextBlock(true); break;
    default:
      // Nothing starts the other codes of the range; one that did would never end.
      Wait(0, 0);
      break;
  }
}
