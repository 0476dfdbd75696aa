// make-assets PROGRAM_FOLDER: writes the stand-in pictures and sounds the games name
// into the program folder's asset folders, keeping every file already there but the
// ones it wrote itself and whose drawing has changed since.
#include <cstdio>
#include <string>

#include "assets/make_assets.h"
#include "platform/fonts.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::string(argv[1]) == "--help") {
    std::fprintf(stderr, "usage: make-assets PROGRAM_FOLDER\n");
    return argc == 2 ? 0 : 2;
  }
  const assets::GenerateResult r = assets::GenerateAssets(argv[1]);
  tq::ReleaseFonts();
  if (r.written > 0 || r.refreshed > 0 || r.failed > 0) {
    std::printf("make-assets: %d written, %d refreshed, %d kept, %d failed%s\n", r.written, r.refreshed, r.kept,
                r.failed, r.stopped ? "; stopped at the first folder that could not be written" : "");
  }
  return r.failed == 0 ? 0 : 1;
}
