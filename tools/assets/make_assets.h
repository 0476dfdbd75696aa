// Writes the stand-in assets of the asset table into a program folder.
#pragma once

#include <string>

namespace assets {

struct GenerateResult {
  int written = 0;
  int kept = 0;    // already there (original or user-made files win)
  int failed = 0;
  bool stopped = false;  // a folder could not be written: the rest was not tried
};

// Writes every file of the table below root that does not exist yet (looked up
// without regard to case); never replaces a file. The same table gives the same
// bytes on every run. A folder that cannot be made or written stops the run at its
// first failure (reported with the reason on standard error).
GenerateResult GenerateAssets(const std::string& root);

}  // namespace assets
