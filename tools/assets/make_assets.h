// Writes the stand-in assets of the asset table into a program folder.
#pragma once

#include <span>
#include <string>

#include "assets/asset_table.h"

namespace assets {

struct GenerateResult {
  int written = 0;
  int refreshed = 0;  // files it wrote before, written again because what draws them changed
  int kept = 0;       // already there: up to date, or not its own (original or user-made files win)
  int failed = 0;
  bool stopped = false;  // a folder could not be written: the rest was not tried
};

// The list, at the top of the program folder, of the files make-assets wrote: per
// line the hash of what drew the file, the hash of the bytes written, and its path.
inline constexpr char kWrittenListName[] = "make-assets-written.txt";

// Writes every file of the table below root that does not exist yet (looked up
// without regard to case), and redraws a file it wrote itself when what draws it
// has changed (the row, the pictures a row copies, or the drawing code). A file it
// did not write, or one changed since it wrote it, is never replaced: without the
// list, or without a line for the file, no file is taken for its own. The same table
// gives the same bytes on every run. A folder that cannot be made or written stops
// the run at its first failure (reported with the reason on standard error).
GenerateResult GenerateAssets(const std::string& root);
GenerateResult GenerateAssets(const std::string& root, std::span<const AssetRow> table);

}  // namespace assets
