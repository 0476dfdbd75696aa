// The Vadrim board game's pictures that teach the game: the rules pages, the effect
// banners that leave the middle to the number the game prints, the path tiles and
// item icons (each kind its colour, mark and short word, the die items as die
// faces), the attack buttons with the cells each attack reaches, the pieces, the
// overlays over creatures and the counter badges.
#pragma once

#include <string>

#include "assets/asset_table.h"
#include "platform/pixels.h"

namespace assets {

// Look::Rules. Lines '/' separated: the title, the body lines, the footer. A body
// line may hold two columns split by "||"; a column that starts "[X]" is led by the
// icon of board symbol X, one that starts '*' is a heading; the line "{attacks}"
// draws the three attack buttons.
void DrawRules(tq::Surface& s, const AssetFile& f);
// Look::EffectBanner. "label|sign|text|#RRGGBB": the label on the left, the sign
// just left of the middle, the text ('/' lines) on the right, the middle clear.
void DrawEffectBanner(tq::Surface& s, const AssetFile& f);
// Look::KindTiles. Cells by the board's symbols ('|' separated, row by row): "" the
// plain path, "□" the inner grid, a cell kind (吉, T1, ﾍ0 ...), "封凶" and "封狂"
// sealed, "d0" to "d6" a die face.
void DrawKindTiles(tq::Surface& s, const AssetFile& f);
// Look::AttackButtons. Cells "name/reach/damage", reach 1 or 2 cells or 9 for the
// whole line; the second row is the strengthened look while 力 lasts.
void DrawAttackButtons(tq::Surface& s, const AssetFile& f);
// Look::Token. A round piece with a face: a named piece in its character's face
// colours, any other by the file's number.
void DrawToken(tq::Surface& s, const AssetFile& f);
// Look::Burst. A star burst with its word.
void DrawBurst(tq::Surface& s, const AssetFile& f);
// Look::Badges. One row a cell kind ('|' separated): its tile and word on the left,
// the right part clear for the count the game prints.
void DrawBadges(tq::Surface& s, const AssetFile& f);
// The mark of a board symbol drawn as a tile into the rectangle (the rules pages
// and the badges use it too).
void DrawKindTile(tq::Surface& s, tq::PixelRect r, const std::string& symbol);
// A die face in the rectangle: white, rounded, n pips; 0 a ring where the pips would be.
void DrawDieFace(tq::Surface& s, tq::PixelRect face, int n);

}  // namespace assets
