// The game program: the engine on a real window.
#include <cstdio>
#include <cstdlib>

#include "app/register_games.h"
#include "engine/game_window.h"
#include "platform/fonts.h"
#include "platform/paths.h"
#include "platform/sdl/sdl_platform.h"

namespace {

// A game nobody can see would run on silently; the invisible driver is for a user
// who asked for it by name.
bool RunsUnseen(const tq::SdlPlatform& platform) {
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  return platform.DisplayIsInvisible() && (asked == nullptr || *asked == '\0');
}

}  // namespace

int main() {
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
