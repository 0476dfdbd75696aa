#include "scenario/caption_events.h"

#include <string>
#include <vector>

#include "engine/blits.h"
#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/layers.h"
#include "engine/numeric.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "scenario/conversation_scene.h"
#include "scenario/line_execution.h"
#include "scenario/script_conversion.h"
#include "scenario/script_store.h"

namespace {

constexpr int kCaptionFontSize = 24;
constexpr int kMaxCaptionFields = 9;
// Caption row r owns layers 3r (the whole line), 3r + 1 and 3r + 2 (its pieces).
constexpr int kRowLayers = 3;
constexpr int kPiecesPerRow = 2;
// The scratch strip in which a narration line is built over the scene picture.
constexpr int kNarrationStrip = 89;
constexpr int kNarrationSteps = 10;

// The line's text as the conversion left it: its fields joined by "：".
std::string LineText() {
  const int line = ScriptStore.CurrentScriptLine;
  if (line < 0 || line >= kScriptLineCapacity) return {};
  return ScriptStore.ScriptText[static_cast<size_t>(line)];
}

std::vector<std::string> Fields(const std::string& text, int& count) {
  std::vector<std::string> out;
  SplitFields(text, "：", kMaxCaptionFields, out, count);
  return out;
}

std::string WithoutSeparators(std::string text) {
  const std::string sep = "：";
  for (size_t at = text.find(sep); at != std::string::npos; at = text.find(sep, at)) text.erase(at, sep.size());
  return text;
}

// Measures CurrentText with bold and italic off in the text words.
void MeasureCaption(const std::string& text) {
  TextStyle.CurrentText = text;
  TextStyle.TextBold = 0;
  TextStyle.TextItalic = 0;
  MeasureText(0);
}

void Prepare(int layer, int x, int y, int w, int h, int kind) {
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = {x, y, w, h};
  PrepareLayer(kind);
}

void ShowRange(int first, int last, bool shown) {
  for (int layer = first; layer <= last; ++layer) ShowLayer(layer, shown);
}

float Brightness(bool fadeIn, int f, int length) {
  const float share = static_cast<float>(f) / static_cast<float>(length);
  return fadeIn ? share : 1.0f - share;
}

}  // namespace

void CaptionPiecesFrame(int kind) {
  AnimationRunRecord& run = AnimationRun;
  TextStyleRecord& t = TextStyle;
  const ScreenSizeRecord& sc = ScreenSize;
  const bool fadeIn = kind == 20;
  SetFrameLength(0, 0);
  t.TextFontSize = kCaptionFontSize;
  int pause = 500;
  int rows = 1;
  int row = 0;
  run.AnimationLength = 30;
  const int v = LineCode.SubParam;
  if (v >= 1 && v <= 9) pause = 200 * v;
  if (v == 10) run.AnimationLength = 5;
  if (v == 11) run.AnimationLength = 100;
  if (v >= 20 && v <= 99) {
    rows = v / 10;
    row = v % 10 - 1;
  }
  // A units digit of 0 names no row: the caption keeps its timing but draws nowhere,
  // rather than into the layers below row 0.
  const bool drawn = row >= 0;

  const std::string text = LineText();
  int count = 0;
  const std::vector<std::string> pieces = Fields(text, count);
  run.AnimationRepeat = count - 1;
  const int base = kRowLayers * row;
  const int p = run.AnimationSubStep;
  auto rowTop = [&](int h) { return sc.ScreenHeight / 2 - (rows * h) / 2 + row * h; };

  if (p == 0 && run.AnimationFrame == 0) {
    MeasureCaption(WithoutSeparators(text));
    const int h = t.MeasuredHeight + 10;
    if (drawn) {
      Prepare(base, 0, rowTop(h), sc.ScreenWidth, h, kPreparePictureHidden);
      t.TextX = sc.ScreenWidth / 2 - t.MeasuredWidth / 2;
      t.TextY = h / 2 - t.MeasuredHeight / 2;
      GlowText(0, 0, 0, fadeIn ? 0.0f : 1.0f);
    }
    t.LetterCursorX = sc.ScreenWidth / 2 - t.MeasuredWidth / 2;
    run.AnimationFrame = 1;
  }

  // Only the row's two piece layers hold pieces: later fields take their time but
  // show nothing, so they never draw over the next row's layers.
  const bool pieceDrawn = drawn && p < kPiecesPerRow;
  const std::string piece = p >= 0 && p < count ? pieces[static_cast<size_t>(p) + 1] : std::string();
  MeasureCaption(piece);
  const int h = t.MeasuredHeight + 10;
  const int pieceX = t.LetterCursorX;
  const int pieceWidth = t.MeasuredWidth;
  if (pieceDrawn) {
    Prepare(base + 1 + p, pieceX, rowTop(h), pieceWidth, h, kPreparePictureShown);
    t.TextX = 0;
    t.TextY = h / 2 - t.MeasuredHeight / 2;
    GlowText(0, 0, 0, Brightness(fadeIn, run.AnimationFrame, run.AnimationLength));
  }

  run.AnimationFrame += 1;
  if (run.AnimationFrame <= run.AnimationLength) return;
  // A faded-out piece goes as soon as it is done: its last print (brightness 0) is
  // the scheme's full brightness, which would otherwise stay through the pause.
  if (!fadeIn && pieceDrawn) ShowLayer(base + 1 + p, false);
  run.AnimationSubStep = p + 1;
  run.AnimationFrame = 1;
  t.LetterCursorX = pieceX + pieceWidth;
  SetFrameLength(-1, pause);
  if (run.AnimationSubStep <= run.AnimationRepeat) return;
  if (drawn && fadeIn) {
    ShowLayer(base, true);
    ShowRange(base + 1, base + std::min(kPiecesPerRow, run.AnimationRepeat + 1), false);
  }
  FinishScriptAction();
}

void CaptionBlockFrame(int kind) {
  AnimationRunRecord& run = AnimationRun;
  TextStyleRecord& t = TextStyle;
  const ScreenSizeRecord& sc = ScreenSize;
  if (run.AnimationFrame == 0) run.AnimationFrame = 1;
  t.TextFontSize = kCaptionFontSize;
  // Variants outside 1 to 19 take the length of variant 0.
  const int v = LineCode.SubParam;
  run.AnimationLength = v >= 1 && v <= 19 ? 5 * v : 30;
  int count = 0;
  const std::vector<std::string> lines = Fields(LineText(), count);
  const float level = static_cast<float>(run.AnimationFrame) * (1.0f / static_cast<float>(run.AnimationLength));
  for (int j = 0; j < count; ++j) {
    MeasureCaption(lines[static_cast<size_t>(j) + 1]);
    const int h = t.MeasuredHeight + 10;
    Prepare(j, 0, sc.ScreenHeight / 2 - (count * h) / 2 + h * j, sc.ScreenWidth, h, kPreparePictureShown);
    t.TextX = sc.ScreenWidth / 2 - t.MeasuredWidth / 2;
    t.TextY = h / 2 - t.MeasuredHeight / 2;
    GlowText(0, 0, 0, kind == 22 ? level : 1.0f - level);
  }
  run.AnimationFrame += 1;
  if (run.AnimationFrame <= run.AnimationLength) return;
  if (kind == 23) {
    ShowRange(0, count - 1, false);
    // S 1 also clears the whole-line layers of caption rows 0 to n - 1.
    if (LineCode.Speaker == 1) {
      for (int r = 0; r < count; ++r) ShowLayer(kRowLayers * r, false);
    }
  }
  FinishScriptAction();
}

void NarrationLineFrame() {
  AnimationRunRecord& run = AnimationRun;
  TextStyleRecord& t = TextStyle;
  BlitSpecRecord& b = BlitSpec;
  const ScreenSizeRecord& sc = ScreenSize;
  SetFrameLength(-1, 20);
  ConversationScene.EffectText = LineText();
  b.BlitSource = 0;
  t.TextFontSize = LineState.LineFontSize != 0 ? LineState.LineFontSize : kCaptionFontSize;
  // Sub-variant 11 centres the line; any other takes the left-aligned rows of 10.
  int left = 30;
  int gap = 20;
  if (LineCode.Speaker == 11) {
    t.CurrentText = ConversationScene.EffectText;
    MeasureText(0);
    left = sc.ScreenHalfWidth - t.MeasuredWidth / 2;
    gap = 40;
  }
  const int top = sc.ScreenHalfHeight;
  if (run.AnimationFrame == 0) {
    b.BlitWidth = sc.ScreenWidth - left;
    b.BlitHeight = RoundHalfEven(1.3 * t.TextFontSize);
    b.BlitSrcX = left;
    b.BlitSrcY = (gap + t.TextFontSize) * LineCode.SubParam + top;
    t.TextBold = -1;
    t.TextItalic = 0;
    Prepare(kNarrationStrip, 0, 0, b.BlitWidth, b.BlitHeight, kPrepareTextHidden);
    BitBltCopy(0, kNarrationStrip, {b.BlitSrcX, b.BlitSrcY, b.BlitWidth, b.BlitHeight, 0, 0});
    int count = 0;
    const std::vector<std::string> lines = Fields(ConversationScene.EffectText, count);
    for (int j = 0; j < count; ++j) {
      DrawState.CurrentLayer = kNarrationStrip;
      t.CurrentText = lines[static_cast<size_t>(j) + 1];
      t.TextX = 0;
      t.TextY = 30 * j;
      GlowText(1, 0, 0, 1.0f);
      GlowText(0, 0, 0, 1.0f);
    }
  }
  run.AnimationLength = kNarrationSteps;
  AlphaBlendCopy(kNarrationStrip, GameForm, 25 * run.AnimationFrame,
                 {0, 0, b.BlitWidth, b.BlitHeight, b.BlitSrcX, b.BlitSrcY, b.BlitWidth, b.BlitHeight});
  run.AnimationFrame += 1;
  if (run.AnimationFrame > run.AnimationLength) FinishScriptAction();
}

void NarrationFadeBackFrame() {
  AnimationRunRecord& run = AnimationRun;
  BlitSpecRecord& b = BlitSpec;
  const ScreenSizeRecord& sc = ScreenSize;
  SetFrameLength(-1, 20);
  run.AnimationLength = kNarrationSteps;
  // Sub-variant 11 restores the full width; any other leaves the left 30 pixels.
  const int left = LineCode.Speaker == 11 ? 0 : 30;
  const int top = sc.ScreenHalfHeight;
  b.BlitSrcX = left;
  b.BlitSrcY = top;
  b.BlitWidth = sc.ScreenWidth - left;
  b.BlitHeight = sc.ScreenHeight - sc.ScreenHalfHeight;
  AlphaBlendCopy(b.BlitSource, GameForm, 25 * run.AnimationFrame,
                 {left, top, b.BlitWidth, b.BlitHeight, left, top, b.BlitWidth, b.BlitHeight});
  run.AnimationFrame += 1;
  if (run.AnimationFrame > run.AnimationLength) FinishScriptAction();
}
