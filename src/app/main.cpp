// The game program: the engine on a real window.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "app/register_games.h"
#include "engine/game_window.h"
#include "engine/modes.h"
#include "platform/fonts.h"
#include "platform/paths.h"
#include "platform/sdl/sdl_platform.h"

namespace {

constexpr const char* kUsage =
    "usage: thornquill [--mode WORD]\n"
    "  --mode WORD  the game to start: Marbrook (the default), Vadrimの or Skelvane２\n";

// A game nobody can see would run on silently; the invisible driver is for a user
// who asked for it by name.
bool RunsUnseen(const tq::SdlPlatform& platform) {
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  return platform.DisplayIsInvisible() && (asked == nullptr || *asked == '\0');
}

// A wrong command line is named before the usage, so the user sees what to fix.
int Fail(const std::string& message) {
  std::fprintf(stderr, "thornquill: %s\n", message.c_str());
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
  // Layer buffers of a window's size come and go as screens change. After the first
  // is freed, glibc would raise its threshold for giving a block its own mapping and
  // keep later ones on the heap, which seldom goes back to the system; fixed at its
  // usual value, each large buffer is mapped alone and given back when freed.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
  std::string mode;
  bool modeGiven = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg == "--mode") {
      // One game per window: a second word would silently win over the first.
      if (modeGiven) return Fail("--mode given twice");
      modeGiven = true;
      if (i + 1 >= argc) return Fail("--mode needs a word");
      mode = argv[++i];
      // Any other word starts a mode with no game in it: an empty window.
      if (mode != kModeMarbrook && mode != kModeVadrim && mode != kModeSkelvane) {
        return Fail("unknown mode word " + mode);
      }
    } else {
      return Fail("unknown option " + arg);
    }
  }
  SetStartMode(mode.c_str());
  tq::SdlPlatform platform;
  if (!platform.Open()) return 1;
  if (RunsUnseen(platform)) {
    std::fprintf(stderr, "thornquill: no display found; thornquill-headless runs the game without one\n");
    return 1;
  }
  tq::InstallPlatform(&platform);
  platform.SetProgramFolder(tq::ExecutableFolder());
  RegisterGames();
  int status = 0;
  try {
    FormLoad();
    for (;;) platform.WaitIdle();
  } catch (const tq::ProgramExit& exit) {
    status = exit.status;
  }
  tq::ReleaseFonts();
  return status;
}
