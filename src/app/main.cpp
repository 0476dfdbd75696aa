// The game program: the engine on a real window.
#include <cstdio>
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
