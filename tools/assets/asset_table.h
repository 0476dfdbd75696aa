// The one table of every file the games name: where it lies below the program
// folder, which numbers it comes in, its size and the cells the screens cut from
// it, and what it shows. make-assets draws and synthesizes a stand-in for each
// entry; a game that names new files adds rows here, not code.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace assets {

enum class Look {
  // pictures
  Scene,   // a background or event picture: a simple scene, its label in a corner
  Face,    // a character's face; the number varies the expression; "name@x,y,w,h" puts
           // the name where the screens leave the face uncovered (else bottom left)
  Title,   // a title or logo picture with the game's name
  Sheet,   // a sheet of captioned buttons, cut into cells (see AssetRow)
  Icons,   // a strip of small glyph cells
  Mark,    // the click-wait mark
  Panel,   // a framed panel with its caption inside a margin (signboards, banners,
           // pieces); "{n}" in the caption is the file's number
  CardTable,  // a plain card table; with a cell size, a column of life icons (the
              // row's glyph) 3 px in from the left, stacked from the bottom edge
  Label,   // a framed panel with a small caption in its top-left corner, or at
           // "caption@x,y,w,h" where the number the game prints leaves room (number panels)
  Buttons, // captioned buttons in one row, the pressed look one row down; "text@w" sets a width
  Card,    // a playing card face: the number is the card, suit number / 13, rank number % 13
  CardBack,
  Reels,   // reel symbols side by side, each its own colour and sign
  Table,   // a game backdrop: 0 the slot machine, 1 the card table
  Place,   // places drawn as places from recipes, one or a sheet (see place_pictures.h)
  Tiles,   // captioned cells in rows, each caption its own colour (board squares, messages)
  RpgMap,  // a role-playing game map, drawn from the game's own grid (see rpg_pictures.h)
  RpgPart, // a role-playing game part picture, by number
  BoardTiles,  // board tiles in rows: each cell its caption's colour and its caption ('|'
           // separated, row by row); an empty caption leaves a plain cell
  Creatures,  // a creature per cell, each its own colour, shape and glyph
  Gauges,  // gauge faces side by side: each its glyph small at the top, its middle
           // left clear for the value the game prints
  Dice,    // die faces side by side, face n showing n pips (0 a blank face); the caption
           // gives the first face (0 or 1)
  Settings,  // the Marbrook settings screen: three captioned bars of ten slots and three
             // captioned switches where the screen lights them (captions '|' separated)
  Notice,  // a banner or notice: a title over its lines, or rows of them (panel_pictures.h)
  Heads,   // a framed panel with captions where the screens leave room (panel_pictures.h)
  Thumbs,  // thumbnails: small copies of other pictures of the table (panel_pictures.h)
  Rules,   // a rules page of the board game (board_pictures.h, as the following)
  EffectBanner,   // an effect banner, the middle clear for the number the game prints
  KindTiles,      // path tiles and item icons by the board's symbols
  AttackButtons,  // the attack buttons with the cells each attack reaches
  Token,   // a round piece with a face
  Burst,   // a star burst with a word (overlays over creatures)
  Badges,  // counter badges: a kind's tile and word, the count's place clear
  Pieces,  // pieces on a ground, which a screen cuts out and assembles (panel_pictures.h)
  Craft,   // rescue craft seen from behind as they climb, one a cell on the night sky,
           // each numbered by its caption's code point (none past the caption's end)
  Exhaust, // the flame under a climbing craft, one a cell, longer cell by cell
  // sounds
  Effect,  // a short synthesized effect; the number chooses chime, click, whoosh or thud
  Voice,   // speech-like blips, longer or shorter by number
  Music,   // a few seconds of a looping tune per number
};

struct AssetRow {
  // Below the program folder, '/'-separated, matched without regard to case. The
  // tokens {nn} and {nnn} take the number zero-padded to two and three digits,
  // {n} the number in decimal, {n+3} the number plus 3.
  const char* path;
  // The numbers the games ask for: "" for a fixed name, else a list like "0-5,7,10".
  const char* numbers;
  Look look;
  int width = 0;   // pictures only
  int height = 0;
  // Sheets: the cell the screens cut, laid out in rows; `states` groups of cells
  // side by side (normal, then disabled or highlighted). Icons: the glyph cell.
  int cellWidth = 0;
  int cellHeight = 0;
  int states = 1;
  // What it shows: a caption, or the captions of a sheet's cells separated by '|'.
  const char* shows = "";
};

struct AssetFile {
  std::string path;  // below the program folder, '/'-separated
  const AssetRow* row = nullptr;
  int number = 0;
};

std::span<const AssetRow> AssetTable();
// Every file of the table, one per row and number, in table order.
std::vector<AssetFile> ExpandAssets();
// The same for another table (a test's own rows).
std::vector<AssetFile> ExpandAssets(std::span<const AssetRow> table);
// The numbers of a list such as "0-5,7" (empty list: the single number 0).
std::vector<int> ParseNumbers(const char* list);
// The row's path with the number put into its tokens.
std::string BuildAssetPath(const char* pattern, int number);

}  // namespace assets
