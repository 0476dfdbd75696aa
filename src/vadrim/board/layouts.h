// The board game's seventeen boards (0, 1 to 11, 21, 22, 31 to 33) and the board
// load, D50_LoadBoard.
//
// A board is one row string per grid row, top to bottom; a row holds one cell per
// column, each cell a text followed by "■", and each cell text three fields
// separated by ",":
//   path cell:  its number "00" to "19", the side facing the inner grid (上 右 下 左,
//               anything else 0), its kind symbol (吉 幸 凶 狂 具 選 逆 連 ワ 止 力 封 タ
//               攻 T1 T2 T3 L1 L2 ﾍ0 ﾍ1 ﾍ2 with the half-width ﾍ; anything else 0);
//   inner cell: a negative number, the creature slot, the creature type.
// Blank fields are written " ", "　" or "無". A cell's place comes only from its
// position in the text.
#pragma once

#include <span>

// The kind code of a path-cell symbol, compared exactly ("T2 " is not T2); 0 for
// any other text.
int CellKindCode(const char* symbol);

// Builds the board BoardState.BoardNumber names: the per-board settings, the path
// cells 0 to PathLast, the starting creatures on the grid, the waiting creatures
// and the spawn-table entries. Slots and the spawn table must be empty (D50_Reset(1)
// runs first). A board number outside the table sets only the defaults.
void D50_LoadBoard();

// The row strings of a board (empty for a number outside the table).
std::span<const char* const> BoardRowStrings(int board);
// The board numbers that have a layout, in table order.
std::span<const int> BoardNumbers();
