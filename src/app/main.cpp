// The game program: the engine on a real window.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/register_games.h"
#include "engine/game_window.h"
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

}  // namespace

int main(int argc, char** argv) {
  std::string mode;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--mode") == 0 && i + 1 < argc) {
      mode = argv[++i];
    } else {
      std::fputs(kUsage, std::strcmp(argv[i], "--help") == 0 ? stdout : stderr);
      return std::strcmp(argv[i], "--help") == 0 ? 0 : 2;
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
