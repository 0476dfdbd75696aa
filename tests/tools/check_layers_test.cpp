// tools/check-layers over the includes of src/: the tree as it is passes, and a copy
// of it with one planted include fails exactly when that include climbs a layer or
// crosses between games, naming the file and the line.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/save_files.h"

namespace {

namespace fs = std::filesystem;

struct CheckRun {
  int status = -1;
  std::string output;
};

class CheckLayersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("thornquill-layers-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  CheckRun Check(const fs::path& root) const {
    const fs::path out = dir_ / "output.txt";
    const std::string command = std::string("bash '") + THORNQUILL_SOURCE + "/tools/check-layers' '" +
                                root.string() + "' > '" + out.string() + "' 2>&1";
    CheckRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.output = tq::testing::ReadFileBytes(out.string());
    return run;
  }

  // A fresh copy of src/ with `include` planted as the second line of `file`.
  fs::path PlantedCopy(const std::string& file, const std::string& include) const {
    const fs::path root = dir_ / "tree";
    fs::remove_all(root);
    fs::create_directories(root);
    fs::copy(fs::path(THORNQUILL_SOURCE) / "src", root / "src", fs::copy_options::recursive);
    const fs::path target = root / file;
    std::string text = tq::testing::ReadFileBytes(target.string());
    const size_t firstLineEnd = text.find('\n') + 1;
    text.insert(firstLineEnd, "#include \"" + include + "\"\n");
    std::ofstream(target, std::ios::binary | std::ios::trunc) << text;
    return root;
  }

  fs::path dir_;
};

TEST_F(CheckLayersTest, TheTreeKeepsItsLayers) {
  const CheckRun run = Check(THORNQUILL_SOURCE);
  EXPECT_EQ(run.status, 0) << run.output;
}

struct PlantCase {
  const char* name;
  const char* file;
  const char* include;
  bool fails;
};

TEST_F(CheckLayersTest, APlantedIncludeFailsWhenItClimbsOrCrossesGames) {
  const PlantCase cases[] = {
      {"the engine climbs to the scenario engine", "src/engine/frame_model.cpp", "scenario/auto_reading.h", true},
      {"the platform climbs to the engine", "src/platform/pixels.cpp", "engine/layers.h", true},
      {"the scenario engine climbs to a game", "src/scenario/script_store.cpp", "vadrim/vadrim_save.h", true},
      {"the shared layer climbs to a game", "src/games/timed_effects.cpp", "marbrook/marbrook_sounds.h", true},
      {"a climb by a relative path", "src/engine/layers.h", "../scenario/script_store.h", true},
      {"Vadrim crosses to Marbrook", "src/vadrim/vadrim_save.cpp", "marbrook/save_file.h", true},
      {"a mini-game crosses to Vadrim", "src/marbrook/minigames/rpg.cpp", "vadrim/board_screen.h", true},
      {"Skelvane crosses to Marbrook by a relative path", "src/skelvane/title_screen.cpp",
       "../marbrook/marbrook_mode.h", true},
      {"a game includes the shared layer", "src/skelvane/title_screen.cpp", "games/mode_state.h", false},
      {"a mini-game includes its own game", "src/marbrook/minigames/rpg.cpp", "marbrook/marbrook_sounds.h", false},
      {"the shared layer includes the scenario engine", "src/games/timed_effects.cpp", "scenario/script_store.h",
       false},
      {"the program includes every layer", "src/app/register_games.cpp", "vadrim/board_screen.h", false},
  };
  for (const PlantCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CheckRun run = Check(PlantedCopy(c.file, c.include));
    if (c.fails) {
      EXPECT_EQ(run.status, 1) << run.output;
      EXPECT_NE(run.output.find(std::string(c.file) + ":2: "), std::string::npos) << run.output;
      EXPECT_NE(run.output.find(c.include), std::string::npos) << run.output;
    } else {
      EXPECT_EQ(run.status, 0) << run.output;
    }
  }
}

TEST_F(CheckLayersTest, ASourceFolderOfNoLayerFails) {
  const fs::path root = PlantedCopy("src/engine/layers.h", "engine/numeric.h");
  fs::create_directories(root / "src" / "extras");
  std::ofstream(root / "src" / "extras" / "thing.cpp") << "#include \"engine/layers.h\"\n";
  const CheckRun run = Check(root);
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("src/extras/thing.cpp: src/extras is in no layer"), std::string::npos) << run.output;
}

}  // namespace
