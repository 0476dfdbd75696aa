// Text measuring and printing. Outlines, shadows and glows are made by printing the
// same text several times at small offsets in different colours, the face last.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TextStyleRecord {
  std::string CurrentText;
  std::string WorkText;
  int TextFontSize = 0;  // points
  int LineHeight = 0;
  int OutlineWidth = 0;
  int TextX = 0;
  int TextY = 0;
  int TextBold = 0;    // -1 / 0
  int TextItalic = 0;  // -1 / 0
  int MeasuredWidth = 0;
  int MeasuredHeight = 0;
  uint32_t TextColor = 0;  // colours are 0x00BBGGRR
  uint32_t ShadeColor1 = 0;
  uint32_t ShadeColor2 = 0;
  uint32_t ShadeColor3 = 0;
  uint32_t ShadeColor4 = 0;
  uint32_t ShadeColor5 = 0;
  uint32_t EdgeColor1 = 0;
  uint32_t EdgeColor2 = 0;
  int LetterCursorX = 0;
};
extern TextStyleRecord TextStyle;

void MeasureText(int kind);
void PrintText(int kind, int layer);
void GlowText(int type, int scheme, int value, float brightness);

// One print into a layer: text at the layer's CurrentX/CurrentY in its ForeColor and
// font, with a transparent background. Every printing primitive goes through here.
void LayerPrint(int layer, const std::string& text);

// A print as it was made, for tests that check pass positions and colours.
struct PrintRecord {
  int Layer = 0;
  int X = 0;
  int Y = 0;
  uint32_t Color = 0;  // 0x00BBGGRR
  std::string Text;
};
// Starts (clearing what was kept) or stops keeping a record of every print.
void SetPrintRecording(bool on);
const std::vector<PrintRecord>& RecordedPrints();

void ResetTextState();
