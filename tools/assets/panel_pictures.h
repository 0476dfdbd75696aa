// Pictures that carry words: notices and banners (a title over one or two lines),
// panels with captions where the screens leave room, and the stage gallery's
// thumbnails, which are small copies of the pictures their stages show.
#pragma once

#include <string>
#include <vector>

#include "assets/asset_table.h"
#include "platform/pixels.h"

namespace assets {

// Look::Notice. The row's cells (one, or rows of cellWidth by cellHeight) are '|'
// separated; a cell is "title/line/line", optionally after a colour "#RRGGBB ".
// "{n}" stands for the file's number and "{n%10}" for its last digit (full-width).
void DrawNotice(tq::Surface& s, const AssetFile& f);
// Look::Heads. A framed panel, its captions "text@x,y,w,h" each fitted into its
// place, where the screens that copy cells onto the panel leave room.
void DrawHeads(tq::Surface& s, const AssetFile& f);
// Look::Thumbs. Cells of cellWidth by cellHeight, `states` groups side by side (plain,
// highlighted); cell i holds "path:caption": the table's picture at that path,
// shrunk, with the caption in a strip at its foot; an empty entry a blank cell.
void DrawThumbs(tq::Surface& s, const AssetFile& f);
// The table paths of the pictures a Look::Thumbs row copies, so a change to one of
// them redraws the thumbnails too.
std::vector<std::string> ThumbSources(const AssetRow& row);

// Look::Pieces. "#RRGGBB|text@x,y,w,h|...": the ground in that colour and on it each
// piece, framed, its caption (if any) fitted inside; where a screen builds the picture from
// its pieces over a ground of that colour, the finished picture shows what was built.
void DrawPieces(tq::Surface& s, const AssetFile& f);

}  // namespace assets
