// The game program: the engine on a real window.
#include <cstdio>

#include "app/register_games.h"
#include "engine/game_window.h"
#include "platform/fonts.h"
#include "platform/paths.h"
#include "platform/sdl/sdl_platform.h"

int main() {
  tq::SdlPlatform platform;
  if (!platform.Open()) return 1;
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
