#include "assets/make_assets.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assets/asset_drawing.h"
#include "assets/asset_table.h"
#include "assets/asset_writers.h"
#include "engine/drawing_fixture.h"
#include "engine/game_window.h"
#include "engine/picture_catalogue.h"
#include "engine/sound_channels.h"
#include "platform/paths.h"
#include "platform/pictures.h"
#include "scenario/scene_sounds.h"
#include "support/test_folders.h"
#include "vadrim/vadrim_pictures.h"
#include "vadrim/vadrim_sounds.h"

namespace {

using drawing_test::DrawingTest;

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The program's own paths ("<folder>\bmp_data\...") found on disk.
std::string OnDisk(const std::string& gamePath) { return tq::ResolvePath(gamePath); }

bool Exists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(std::filesystem::u8path(path), ec);
}

// Loads a sound as the sound back ends do (content decides the format, whatever
// the name says); false when SDL_mixer cannot read it.
bool MixerLoads(const std::string& path) {
  static bool opened = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) == 0;
  if (!opened) return false;
  Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
  const bool ok = chunk != nullptr && chunk->alen > 0;
  if (chunk != nullptr) Mix_FreeChunk(chunk);
  return ok;
}

class MakeAssetsTest : public DrawingTest {
 protected:
  void SetUp() override {
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    Boot("Skelvane２");
  }
  // The path of the picture a catalogue call loads, without the layer business.
  std::string Catalogue(int number) { return OnDisk(CataloguePicturePath(number)); }
  std::string Face(int number) { return OnDisk(FacePicturePath(number)); }
  // The file a sound-table call hands to the sound library.
  std::string SkelvaneSound(int number) {
    GameConfig.Settings[2] = 9;
    int channel = 5;
    float offset = 0.0f;
    SkelvaneSoundTable(number, channel, offset);
    return h_->Platform().Recorder().Loaded(5);
  }
  tq::Surface Load(const std::string& path) {
    tq::Surface s;
    tq::LoadPictureFile(path, s);
    return s;
  }
};

TEST(AssetTableTest, NumberListsAndNames) {
  EXPECT_EQ(assets::ParseNumbers(""), std::vector<int>{0});
  EXPECT_EQ(assets::ParseNumbers("0-2,7,10-11"), (std::vector<int>{0, 1, 2, 7, 10, 11}));
  struct Case {
    const char* pattern;
    int number;
    const char* name;
  } cases[] = {
      {"Title/T00_{nn}.JPG", 3, "Title/T00_03.JPG"},
      {"Event/Event05-{nn}.JPG", 3, "Event/Event05-03.JPG"},
      {"G01/G1_Kan0{n+3}.JPG", 2, "G01/G1_Kan05.JPG"},
      {"G01/G1_Title{n}.JPG", 3, "G01/G1_Title3.JPG"},
      {"G01/G1_TGu{nn}-x2.JPG", 1, "G01/G1_TGu01-x2.JPG"},
      {"G08/ADV2_CG_{nnn}.JPG", 7, "G08/ADV2_CG_007.JPG"},
      {"TanselrVoice/Voice_{n}.MP3", 1234, "TanselrVoice/Voice_1234.MP3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(assets::BuildAssetPath(c.pattern, c.number), c.name);
  }
}

TEST(AssetTableTest, EveryRowIsWhole) {
  for (const assets::AssetRow& row : assets::AssetTable()) {
    SCOPED_TRACE(row.path);
    if (assets::IsPicture(row.look)) {
      EXPECT_GT(row.width, 0);
      EXPECT_GT(row.height, 0);
      if (row.look == assets::Look::Sheet || row.look == assets::Look::Icons) {
        EXPECT_GT(row.cellWidth, 0);
        EXPECT_LE(row.cellWidth * row.states, row.width) << "the cells fit the picture";
        EXPECT_LE(row.cellHeight, row.height);
      }
    }
    EXPECT_EQ(std::string(row.path).find('\\'), std::string::npos) << "paths below the program folder use '/'";
  }
  // make-assets knows the files it wrote by name: two rows drawing one file would
  // redraw it in turn at every run.
  std::set<std::string> names;
  for (const assets::AssetFile& f : assets::ExpandAssets()) {
    std::string folded = f.path;
    std::transform(folded.begin(), folded.end(), folded.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_TRUE(names.insert(folded).second) << f.path << " is named twice";
  }
}

TEST(AssetTableTest, TheSameEntryGivesTheSameBytes) {
  const std::vector<assets::AssetFile> files = assets::ExpandAssets();
  for (size_t i : {size_t{1}, size_t{100}, files.size() / 2, files.size() - 1}) {
    const assets::AssetFile& f = files[i];
    SCOPED_TRACE(f.path);
    if (assets::IsPicture(f.row->look)) {
      EXPECT_EQ(assets::EncodeBmp(assets::DrawPicture(f)), assets::EncodeBmp(assets::DrawPicture(f)));
    } else {
      EXPECT_EQ(assets::EncodeWav(assets::SynthesizeSound(f)), assets::EncodeWav(assets::SynthesizeSound(f)));
    }
  }
}

// One generation serves every check of what the games ask for: it takes seconds.
TEST_F(MakeAssetsTest, EveryNamedFileIsThereAndLoads) {
  // A user's own face, under other letter case, must win over the stand-in.
  const std::string userFace = Root() + "/BMP_DATA/face/隊員a01_S250X176_0.bmp";
  std::filesystem::create_directories(std::filesystem::u8path(Root() + "/BMP_DATA/face"));
  std::ofstream(userFace, std::ios::binary) << "mine";

  const assets::GenerateResult first = assets::GenerateAssets(Root());
  EXPECT_EQ(first.failed, 0);
  EXPECT_GT(first.written, 4000);
  EXPECT_EQ(ReadBytes(userFace), (std::vector<uint8_t>{'m', 'i', 'n', 'e'})) << "never overwritten";
  EXPECT_FALSE(Exists(Root() + "/bmp_data/Face/隊員A01_s250x176_0.BMP")) << "no second copy beside it";

  const assets::GenerateResult again = assets::GenerateAssets(Root());
  EXPECT_EQ(again.written, 0) << "a second run keeps everything";
  EXPECT_EQ(again.refreshed, 0) << "and redraws nothing: what draws each file hashes alike every run";

  // The Skelvane picture catalogue and face loader: every number, at the size the
  // screens rely on (0 where they only place the picture).
  struct PictureCase {
    int number;
    bool face;
    int width, height;
  } pictures[] = {
      {50, false, 920, 690},  {100, false, 250, 176}, {110, false, 250, 175}, {120, false, 0, 0},
      {130, false, 250, 176}, {140, false, 250, 176}, {1000, false, 512, 384}, {1001, false, 512, 177},
      {1002, false, 512, 177}, {1003, false, 512, 177}, {1004, false, 160, 70}, {1005, false, 160, 70},
      {1006, false, 0, 0},    {1020, false, 375, 120}, {1021, false, 920, 600}, {1022, false, 225, 100},
      {1100, false, 920, 690}, {1101, false, 920, 600}, {1102, false, 0, 0},  {1103, false, 240, 200},
      {1104, false, 80, 50},  {10, true, 250, 176},   {40, true, 130, 130},   {50, true, 60, 60},
      {51, true, 60, 60},     {60, true, 60, 60},     {100, true, 250, 175},
  };
  for (const PictureCase& c : pictures) {
    SCOPED_TRACE(c.number);
    const std::string path = c.face ? Face(c.number) : Catalogue(c.number);
    ASSERT_TRUE(Exists(path)) << path;
    if (path == userFace) continue;
    const tq::Surface s = Load(path);
    EXPECT_FALSE(s.Empty());
    if (c.width > 0) {
      EXPECT_EQ(s.Width(), c.width);
    }
    if (c.height > 0) {
      EXPECT_EQ(s.Height(), c.height);
    }
  }
  for (int n = 1010; n <= 1018; ++n) EXPECT_TRUE(Exists(Catalogue(n))) << n;
  for (int n : {110, 120, 130, 140, 1000, 1006, 1010, 1018}) EXPECT_TRUE(Exists(Face(n))) << n;

  // The click-wait mark every mode shows.
  DrawState.CurrentLayer = 20;
  LoadClickWaitPicture(1, 34, 0);
  EXPECT_GT(LayerImage(20).Width(), 0);

  // The Skelvane sounds, voices and music.
  std::set<int> numbers = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 20, 21, 22, 23, 24, 25,
                           26, 27, 28, 30, 40, 41, 42, 43, 44, 45, 50, 52, 53, 54, 55, 56, 57, 58, 70,
                           100, 101, 102, 131, 132, 133, 1000, 1500, 1999};
  for (int n : numbers) {
    SCOPED_TRACE(n);
    const std::string path = SkelvaneSound(n);
    EXPECT_TRUE(Exists(path)) << path;
  }
  EXPECT_TRUE(MixerLoads(SkelvaneSound(1234)));
  PlayScriptMusic(0);
  const std::string music = h_->Platform().Recorder().Loaded(100);
  EXPECT_TRUE(Exists(music)) << music;
  EXPECT_TRUE(MixerLoads(music)) << "WAV data under the .MP3 name: SDL_mixer decides by content";

  // The Vadrim picture catalogue: every kind it names, at the numbers its screens
  // ask for (the kinds that do not use the number at 0).
  const std::map<int, std::vector<int>> vadrimNumbers = {
      {10, {0, 1, 2}}, {11, {1, 2, 3, 9, 10, 20, 21, 30, 44, 45, 99}}, {12, {1, 11}}, {13, {2, 11}},
      {14, {0, 1, 2, 10, 20, 21, 22}}, {15, {0, 9}}, {71, {1, 2}}, {75, {0, 13}}, {82, {1, 17}},
      {84, {1, 15}}, {88, {0, 5}}, {89, {0, 4}}, {90, {1, 7}}, {92, {0, 9}}, {94, {1, 4}},
      {99, {0, 2, 10, 29}}, {102, {100, 151, 25}},
  };
  for (const VadrimPictureKind& k : VadrimPictureKinds()) {
    const auto listed = vadrimNumbers.find(k.kind);
    EXPECT_EQ(listed != vadrimNumbers.end(), k.numberPart[0] != '\0') << k.kind;
    for (int n : listed == vadrimNumbers.end() ? std::vector<int>{0} : listed->second) {
      SCOPED_TRACE("Vadrim picture " + std::to_string(k.kind) + ", " + std::to_string(n));
      const std::string path = OnDisk(Root() + "/" + VadrimPicturePath(k.kind, n));
      ASSERT_TRUE(Exists(path)) << path;
      EXPECT_FALSE(Load(path).Empty());
    }
  }
  // The Vadrim sound tables: every number plays a file that is there.
  for (const VadrimSoundTable& table : VadrimSoundTables()) {
    const bool conversation = std::string(table.folder).find("Inter") != std::string::npos;
    for (const VadrimSoundRow& row : table.rows) {
      SCOPED_TRACE("Vadrim sound " + std::to_string(row.number));
      GameConfig.Settings[2] = 9;
      int channel = 6;
      float offset = 0.0f;
      (conversation ? D20_PlaySound : D00_PlaySound)(row.number, channel, offset);
      const std::string path = h_->Platform().Recorder().Loaded(6);
      EXPECT_TRUE(Exists(path)) << path;
    }
  }

  // Every entry of the table (the Marbrook catalogue's names among them): there,
  // and pictures at their size; every sound kind loads through SDL_mixer.
  std::set<assets::Look> soundKinds;
  for (const assets::AssetFile& f : assets::ExpandAssets()) {
    SCOPED_TRACE(f.path);
    const std::string path = tq::ResolvePath(Root() + "/" + f.path);
    ASSERT_TRUE(Exists(path));
    if (assets::IsPicture(f.row->look)) {
      if (path == userFace) continue;
      const tq::Surface s = Load(path);
      EXPECT_EQ(s.Width(), f.row->width);
      EXPECT_EQ(s.Height(), f.row->height);
    } else if (soundKinds.insert(f.row->look).second || f.path.find(".MP3") != std::string::npos) {
      if (f.number % 97 == 0 || f.number == 0) {
        EXPECT_TRUE(MixerLoads(path));
      }
    }
  }
  EXPECT_EQ(soundKinds.size(), 3u);
}

}  // namespace

// A folder that cannot be written fails every file alike: one line with the reason,
// not one line a file.
TEST(MakeAssetsFolderTest, AFolderThatCannotBeWrittenStopsAtTheFirstFailureWithTheReason) {
  const std::filesystem::path blocker =
      std::filesystem::temp_directory_path() / ("tq-make-assets-" + std::to_string(::getpid()));
  std::ofstream(blocker) << "a file where the folder should be";
  testing::internal::CaptureStderr();
  const assets::GenerateResult r = assets::GenerateAssets((blocker / "game").string());
  const std::string report = testing::internal::GetCapturedStderr();
  std::filesystem::remove(blocker);
  EXPECT_TRUE(r.stopped);
  EXPECT_EQ(r.failed, 1);
  EXPECT_EQ(r.written, 0);
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
  EXPECT_NE(report.find("make-assets: cannot make the folder " + blocker.string()), std::string::npos) << report;
  EXPECT_NE(report.find("directory"), std::string::npos) << report;  // the reason
}

namespace {

// The writer's own rows in a folder of their own, changed between runs as an edit
// of the table would change them.
class MakeAssetsRefreshTest : public testing::Test {
 protected:
  std::string At(const std::string& path) const { return (root_ / path).string(); }
  assets::GenerateResult Run(const std::vector<assets::AssetRow>& rows) {
    return assets::GenerateAssets(root_.string(), rows);
  }
  static std::vector<uint8_t> Drawn(const assets::AssetRow& row) {
    return assets::EncodeBmp(assets::DrawPicture(assets::ExpandAssets({&row, 1}).front()));
  }
  static std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
  static std::vector<assets::AssetRow> Rows(std::initializer_list<const char*> paths, const char* caption) {
    std::vector<assets::AssetRow> rows;
    for (const char* path : paths) rows.push_back({path, "", assets::Look::Scene, 48, 32, 0, 0, 1, caption});
    return rows;
  }
  // Every name in the folder and below it: no temporary file is left.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root_)) {
      names.insert(std::filesystem::relative(e.path(), root_).generic_string());
    }
    return names;
  }

  const std::filesystem::path root_ = tq::testing::FreshTestFolder("make-assets");
};

TEST_F(MakeAssetsRefreshTest, AChangedRowRedrawsTheFileItWroteAndNoOtherFile) {
  std::filesystem::create_directories(At("Pics"));
  std::ofstream(At("Pics/Hand.BMP"), std::ios::binary) << "placed by hand";
  std::vector<assets::AssetRow> rows = Rows({"Pics/Ours.BMP", "Pics/Hand.BMP", "Pics/Replaced.BMP"}, "前");
  const assets::GenerateResult first = Run(rows);
  EXPECT_EQ(first.written, 2);
  EXPECT_EQ(first.kept, 1);
  const std::vector<uint8_t> before = ReadBytes(At("Pics/Ours.BMP"));
  EXPECT_EQ(before, Drawn(rows[0]));
  std::ofstream(At("Pics/Replaced.BMP"), std::ios::binary | std::ios::trunc) << "the user's own";

  for (assets::AssetRow& row : rows) row.shows = "後";
  const assets::GenerateResult second = Run(rows);
  EXPECT_EQ(second.refreshed, 1);
  EXPECT_EQ(second.written, 0);
  EXPECT_EQ(second.kept, 2);
  EXPECT_EQ(second.failed, 0);
  EXPECT_EQ(ReadBytes(At("Pics/Ours.BMP")), Drawn(rows[0])) << "the new picture";
  EXPECT_NE(ReadBytes(At("Pics/Ours.BMP")), before);
  EXPECT_EQ(ReadBytes(At("Pics/Hand.BMP")), Bytes("placed by hand"));
  EXPECT_EQ(ReadBytes(At("Pics/Replaced.BMP")), Bytes("the user's own"));

  // The same rows again: nothing to redraw. Changed again: the user's file is still theirs.
  EXPECT_EQ(Run(rows).refreshed, 0);
  for (assets::AssetRow& row : rows) row.width = 40;
  EXPECT_EQ(Run(rows).refreshed, 1);
  EXPECT_EQ(ReadBytes(At("Pics/Ours.BMP")), Drawn(rows[0]));
  EXPECT_EQ(ReadBytes(At("Pics/Replaced.BMP")), Bytes("the user's own"));
  EXPECT_EQ(Names(), (std::set<std::string>{"Pics", "Pics/Hand.BMP", "Pics/Ours.BMP", "Pics/Replaced.BMP",
                                            assets::kWrittenListName}));
}

// Only an intact line of the list proves a file the writer's: a damaged or missing
// list leaves the files as they are.
TEST_F(MakeAssetsRefreshTest, OnlyAFileOnAnIntactLineOfTheListIsReplaced) {
  std::vector<assets::AssetRow> rows = Rows({"Listed.BMP", "WrongHash.BMP", "Malformed.BMP"}, "前");
  Run(rows);
  const std::vector<uint8_t> wrongHashBefore = ReadBytes(At("WrongHash.BMP"));
  const std::vector<uint8_t> malformedBefore = ReadBytes(At("Malformed.BMP"));
  // The list as make-assets wrote it, one line a file, each "<row> <bytes> <path>".
  std::map<std::string, std::string> lines;
  std::ifstream in(At(assets::kWrittenListName));
  for (std::string line; std::getline(in, line);) {
    if (line.size() > 34 && line[0] != '#') lines[line.substr(34)] = line;
  }
  ASSERT_EQ(lines.size(), 3u);
  std::string wrongHash = lines["WrongHash.BMP"];
  wrongHash[20] = wrongHash[20] == '0' ? '1' : '0';  // well formed, but not the bytes written
  std::string malformed = lines["Malformed.BMP"];
  malformed[16] = '\t';
  std::ofstream(At(assets::kWrittenListName), std::ios::binary | std::ios::trunc)
      << "garbage\n\n"
      << std::string(40, '\xff') << "\n"
      << wrongHash << "\n"
      << malformed << "\n"
      << lines["Listed.BMP"].substr(0, 30) << "\n"
      << lines["Listed.BMP"] << "\n";

  for (assets::AssetRow& row : rows) row.shows = "後";
  const assets::GenerateResult damaged = Run(rows);
  EXPECT_EQ(damaged.refreshed, 1);
  EXPECT_EQ(damaged.failed, 0);
  EXPECT_EQ(ReadBytes(At("Listed.BMP")), Drawn(rows[0]));
  EXPECT_EQ(ReadBytes(At("WrongHash.BMP")), wrongHashBefore);
  EXPECT_EQ(ReadBytes(At("Malformed.BMP")), malformedBefore);

  // The list written afresh is sound; without any list, nothing is the writer's.
  for (assets::AssetRow& row : rows) row.shows = "横";
  EXPECT_EQ(Run(rows).refreshed, 1);
  EXPECT_EQ(ReadBytes(At("Listed.BMP")), Drawn(rows[0]));
  const std::vector<uint8_t> last = ReadBytes(At("Listed.BMP"));
  std::filesystem::remove(At(assets::kWrittenListName));
  for (assets::AssetRow& row : rows) row.shows = "縦";
  const assets::GenerateResult unlisted = Run(rows);
  EXPECT_EQ(unlisted.refreshed, 0);
  EXPECT_EQ(unlisted.kept, 3);
  EXPECT_EQ(ReadBytes(At("Listed.BMP")), last);
  EXPECT_EQ(ReadBytes(At("WrongHash.BMP")), wrongHashBefore);
}

}  // namespace
