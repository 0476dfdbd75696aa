// The special events of the Skelvane scripts ("[特殊イベ]", AnimationCode 1600 +
// "Ev種"): hand-made animations that move, paint and replace picture layers and end
// their line with FinishScriptAction. One frame per call of SpecialEventTick.
//
//   0 background scroll, 1 three caption bars, 2 bars close, 4 framed window grows,
//   5 band reveal, 6 band reveal with flying pieces           scene_events.cpp
//   7 march, 8 group window, 9 group window closes            scene_events_march.cpp
//   11 to 14 the opening titles                               scene_events_titles.cpp
//
// A code of the range without an event ends its line at once.
#pragma once

#include <cstdint>
#include <initializer_list>

struct SpecialEventRecord {
  int SpecialEventY = 0;  // event 5: the source row just below the revealed band
};
extern SpecialEventRecord SpecialEvent;

void SpecialEventTick();
// The grey whose components are factor x 255, rounded half to even.
uint32_t GreyColour(float factor);
// On CurrentLayer over CurrentRect's size: kind 100 four shaded lines along edge
// `count` (1 top, 2 left, 3 right, 4 bottom); kind 10 a panel in EdgeColor1 with
// `count` outlines in EdgeColor2. Other kinds draw nothing.
void BevelLines(int kind, int count);
// Gives CurrentLayer the sheet cell of that number (an unlisted number gives nothing).
void SheetCell(int cell);
// (sheet, x, y, width, height): as ClipCellToLayer on CurrentLayer.
void ClipCellToPicture(std::initializer_list<int> values);

void ResetSpecialEventState();

// Shared by the event files.
namespace special_events {
// Layer n prepared (cleared, black, borderless) at (x, y, w, h), shown or hidden.
void PrepareAt(int layer, int x, int y, int w, int h, bool shown);
// Moves a layer and keeps its size.
void MoveTo(int layer, int x, int y);
// The layer's rectangle into CurrentRect (and returns it by the fields).
void ReadRect(int layer);
// Slot k: layer CurrentLayer from its place; the end point is set here too.
void MarkSlot(int slot, int endX, int endY);
// Slot k: layer CurrentLayer from (startX, startY) to (endX, endY).
void SetSlot(int slot, int startX, int startY, int endX, int endY);
void StepSlot(int slot, int curve);
void SetWindowBackColour(uint32_t colour);
// side := side - by; at 0 or below it becomes 0 and StepDoneCount counts it.
void ShrinkSide(int& side, int by);
void Finish();
void March();
void GroupWindow();
void GroupWindowCloses();
void PictureRounds();
void LetterTiles();
void RisingSprites();
void TitleBuildUp();
}  // namespace special_events
