// The game program on a machine without a display.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/save_files.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string err;
};

// Runs the game with no display to be found and the given environment settings.
Outcome RunGame(const std::string& environment, const std::string& args = "") {
  const fs::path err = fs::temp_directory_path() / ("tq-display-" + std::to_string(::getpid()) + ".err");
  const std::string command = "env -u SDL_VIDEODRIVER -u WAYLAND_DISPLAY DISPLAY= SDL_AUDIODRIVER=dummy " +
                              environment + " '" + THORNQUILL_GAME + "' " + args + " 2>'" + err.string() + "' >/dev/null";
  Outcome out;
  int raw = std::system(command.c_str());
  out.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  out.err = tq::testing::ReadFileBytes(err.string());
  fs::remove(err);
  return out;
}

TEST(DisplayTest, WithoutADisplayTheGameSaysSoAndStops) {
  Outcome out = RunGame("");
  EXPECT_EQ(out.status, 1);
  const std::string line = "thornquill: no display found; thornquill-headless runs the game without one\n";
  EXPECT_NE(out.err.find(line), std::string::npos) << out.err;
}

TEST(DisplayTest, AnInvisibleDriverAskedForByNameRuns) {
  // SDL ends the game as a close request on SIGTERM; the game must have run till then.
  Outcome out = RunGame("SDL_VIDEODRIVER=dummy timeout --preserve-status -s TERM 2");
  EXPECT_EQ(out.status, 0) << out.err;
  EXPECT_EQ(out.err.find("no display"), std::string::npos) << out.err;
}

TEST(DisplayTest, AWrongCommandLineIsNamedBeforeTheUsage) {
  const struct {
    const char* args;
    const char* line;
  } cases[] = {
      {"--bogus", "thornquill: unknown option --bogus\n"},
      {"--mode Nonsense", "thornquill: unknown mode word Nonsense\n"},
      {"--mode", "thornquill: --mode needs a word\n"},
      {"--mode Marbrook --mode 'Vadrimの'", "thornquill: --mode given twice\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    Outcome out = RunGame("", c.args);
    EXPECT_EQ(out.status, 2);
    EXPECT_EQ(out.err.rfind(c.line, 0), 0u) << out.err;
    EXPECT_NE(out.err.find("usage: thornquill"), std::string::npos) << out.err;
  }
}

}  // namespace
