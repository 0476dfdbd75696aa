// What the stand-in picture files share beyond asset_drawing.h: filled polygons,
// text fitted into a box (one line or several at one size), and a log of every text
// so drawn, which the tests read to hold each text inside its box and its picture.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/pixels.h"

namespace assets {

struct Point {
  int x, y;
};

// A convex or concave polygon, filled by scanlines (pixel centres inside).
void FillPolygon(tq::Surface& s, std::initializer_list<Point> points, uint32_t px);
// An outline `thickness` pixels wide just inside the rectangle.
void Border(tq::Surface& s, tq::PixelRect r, uint32_t px, int thickness);
// A colour from "#RRGGBB", or `fallback` when the text is not one.
uint32_t ParseColour(const std::string& text, uint32_t fallback);
// The same colour lighter (amount > 0) or darker (amount < 0), in steps of 1/255.
uint32_t Shade(uint32_t px, int amount);

enum class Align { Left, Centre, Right };

struct TextStyle {
  uint32_t colour = 0xFFFFFF;
  bool outline = false;  // a dark two-pixel outline (text over pictures)
  int maxPt = 40;
  Align align = Align::Centre;
};

// The text at the largest size up to style.maxPt that fits the box (outline
// included), vertically centred; returns the size used (0 for an empty text).
int FitText(tq::Surface& s, tq::PixelRect box, const std::string& text, const TextStyle& style);
// Lines one above the other at one size, the largest that lets every line fit the
// box; the block is centred vertically. Returns the size used.
int FitLines(tq::Surface& s, tq::PixelRect box, const std::vector<std::string>& lines, const TextStyle& style);
// The lines of a text separated by '/'.
std::vector<std::string> SplitLines(const std::string& text);
// Cell i of a width by height sheet of cellWidth by cellHeight cells laid out in
// rows (the whole sheet where a cell size is 0).
tq::PixelRect SheetCell(int width, int height, int cellWidth, int cellHeight, int i);
// The decimal number in full-width digits ("１２").
std::string WideNumber(int n);

// Every text FitText and FitLines draw, while a log is set: the text, the box it was
// fitted into, where its ink went (outline included), the size used and the
// picture's size.
struct TextRecord {
  std::string text;
  tq::PixelRect box;
  tq::PixelRect drawn;
  int pointSize;
  int pictureWidth, pictureHeight;
};
// Starts (with a list) or stops (nullptr) recording.
void SetTextLog(std::vector<TextRecord>* log);
// Draws a text at a fixed place and size (the top-left of its letters at (x, y), a
// dark two-pixel outline around them if asked) and logs it against `box`, the room
// the drawing meant it to keep to.
void PlaceText(tq::Surface& s, tq::PixelRect box, int x, int y, const std::string& text, int pt, bool bold,
               uint32_t colour, bool outline = false);

}  // namespace assets
