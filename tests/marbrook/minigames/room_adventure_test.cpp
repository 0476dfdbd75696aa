// Room adventure (scene 56): the answers of both lands as (room, command, flags)
// cases, the message window's pieces, the keys, and whole runs from the entry to the
// ending and stage 90, twice in one session.
#include "marbrook/minigames/room_adventure.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/frame_model.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "games/screen_buttons.h"
#include "platform/platform.h"
#include "support/engine_harness.h"
#include "support/scene_input.h"

namespace {


// What one answer leaves: the messages in order, the room, and whether it moved.
struct AnswerResult {
  std::vector<std::string> texts;
  std::vector<int> codes;
  int room = 0;
  int moved = 0;
  bool operator==(const AnswerResult&) const = default;
};
std::ostream& operator<<(std::ostream& os, const AnswerResult& r) {
  os << "room " << r.room << " moved " << r.moved << ":";
  for (size_t i = 0; i < r.texts.size(); ++i) os << " [" << r.codes[i] << "] " << r.texts[i];
  return os;
}

// Answers `command` in `room` through the room tables as the answer frame does.
AnswerResult Ask(int room, int command) {
  RoomAdventureState.Room = room;
  RoomAdventureState.G06Command = command;
  RoomAdventureState.MessageCursor = 0;
  RoomAdventureState.Moved = 0;
  RoomAdventureState.MovePrefix = "→";
  G06_RoomsEarth();
  AnswerResult r;
  for (int i = 0; i < RoomAdventureState.MessageCursor; ++i) {
    r.texts.push_back(RoomAdventureState.MessageTexts[static_cast<size_t>(i)]);
    r.codes.push_back(RoomAdventureState.MessageCodes[static_cast<size_t>(i)]);
  }
  r.room = RoomAdventureState.Room;
  r.moved = RoomAdventureState.Moved;
  return r;
}

class RoomAnswersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRoomAdventureState();
    RoomAdventureState.DefaultReplies[4] = "とくに変わったところはありません。";
    RoomAdventureState.DefaultReplies[5] = "ここから見える範囲には誰もいません。";
    RoomAdventureState.DefaultReplies[6] = "とくに必要性を感じません。";
  }
};

TEST_F(RoomAnswersTest, AnswersFollowTheRoomAndItsFlags) {
  struct Case {
    const char* name;
    int room, command;
    std::vector<std::pair<int, int>> roomFlags, itemFlags;  // (index, value)
    std::vector<std::string> first;  // the first message(s) expected; none: no message at all
    int room2, moved;
    std::vector<std::pair<int, int>> flagsAfter;  // room flags after
  };
  const Case cases[] = {
      {"the shut door refuses north", 1, kG06North, {}, {}, {"北には移動できません。"}, 1, 0, {}},
      {"the key opens the door", 1, kG06Use, {}, {{0, 1}}, {"鍵を使って扉を開けました。"}, 1, 0, {{1, 1}}},
      {"use without the key: default reply", 1, kG06Use, {}, {}, {"とくに必要性を感じません。"}, 1, 0, {}},
      {"the open door cannot be opened twice", 1, kG06Use, {{1, 1}}, {{0, 1}}, {"とくに必要性を感じません。"}, 1, 0, {}},
      {"the open door leads north", 1, kG06North, {{1, 1}}, {}, {}, 3, -1, {}},
      {"talking at the window before the key", 2, kG06Talk, {}, {}, {"とくに必要性を感じません。"}, 2, 0, {}},
      {"an examine without an answer", 0, kG06Examine, {}, {}, {"あなたが閉じこめられている部屋の隅です。"}, 0, 0, {}},
      {"a talk without an answer", 0, kG06Talk, {}, {}, {"ここから見える範囲には誰もいません。"}, 0, 0, {}},
      {"the arrival puts the direction line first", 4, kG06Arrive, {}, {}, {"→林の中です。"}, 4, 0, {}},
      {"the town's arrival has no direction line", 23, kG06Arrive, {}, {}, {"町があります。"}, 23, 0, {}},
      {"the villagers block the way east", 5, kG06East, {}, {}, {"村人が道をふさいでいて東に進めません。"}, 5, 0, {}},
      {"in disguise the way east is open", 5, kG06East, {}, {{1, 1}}, {}, 12, -1, {}},
      {"the giant monster before the town asks", 28, kG06Talk, {}, {}, {"「私は悪い魔物だ……」"}, 28, 0, {}},
      {"the dead monster's mountain is silent once thanked", 28, kG06Talk, {{23, 5}, {28, 10}}, {}, {}, 28, 0, {}},
      {"the poison kills the giant monster", 28, kG06Use, {{23, 1}, {28, 2}}, {{3, 1}},
       {"「おお、これを飲めば、私は死ぬことができるのか。ありがとう」", "巨大な魔物は、毒を飲み、息絶えました。"}, 28, 0, {{28, 10}}},
      {"the fairy gives the cloth after the dark cave", 13, kG06Talk, {{13, 2}, {16, 1}}, {},
       {"「洞窟の中が暗くて見えないのですか？　では私のこの光る布きれを持ってゆくと良いでしょう」", "光る布きれをもらいました。"}, 13, 0, {}},
      {"the fairy without the dark cave", 13, kG06Talk, {{13, 2}}, {}, {"「どうか、もう二度と同じあやまちを繰り返さないでください」"}, 13, 0, {}},
      {"any command in the dark cave marks it visited", 16, kG06Examine, {}, {}, {"何かの気配があります。"}, 16, 0, {{16, 1}}},
      {"the torii leads to the desert", 31, kG06North, {}, {}, {}, 40, -1, {}},
      {"the temple stays shut before the plate is used", 52, kG06North, {}, {{4, 1}},
       {"大神殿の入口は固く閉ざされていて、中には入れません。"}, 52, 0, {}},
      {"examining the temple with the plate still says shut", 52, kG06Examine, {}, {{4, 1}},
       {"大神殿の入口は固く閉ざされています。力ずくでは開きそうにもありません。"}, 52, 0, {}},
      {"the plate opens the temple", 52, kG06Use, {}, {{4, 1}},
       {"砂漠で拾った小さな板は、大神殿に入るためのキーカードでした。キーカードを使って大神殿の入口を開けました。"}, 52, 0, {{52, 1}}},
      {"the open temple leads north", 52, kG06North, {{52, 1}}, {}, {}, 53, -1, {}},
      {"the riddle before the king's burial", 47, kG06Talk, {}, {}, {"「お前は魔物でもあるようだが、人間でもあるようだ。人間を通すわけにはいかん」"}, 47, 0, {}},
      {"the station before the colony", 60, kG06Use, {}, {},
       {"キーカードを使って中に入り込みました。：長い間使用されておらず、中は廃墟のようになっています。"}, 60, 0, {}},
      {"the station after the wave is stopped", 60, kG06Use, {{62, 2}}, {}, {"もう宇宙ステーションには用はありません。"}, 60, 0, {}},
      {"the planet before the colony leaves", 65, kG06Talk, {{62, 4}}, {}, {"ここから見える範囲には誰もいません。"}, 65, 0, {}},
      {"the planet's last act", 65, kG06Talk, {{62, 5}}, {}, {"どこからか声がします。"}, 66, 0, {{62, 6}}},
      {"the black hole keeps the player", 66, kG06West, {}, {}, {"もう逃げる道はありません。"}, 66, 0, {}},
      {"a move into space uses the room's exit", 61, kG06North, {}, {}, {}, 60, -1, {}},
      {"no room there", 57, kG06Examine, {}, {}, {}, 57, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    for (auto [i, v] : c.roomFlags) RoomAdventureState.RoomFlags[static_cast<size_t>(i)] = v;
    for (auto [i, v] : c.itemFlags) RoomAdventureState.ItemFlags[static_cast<size_t>(i)] = v;
    const AnswerResult r = Ask(c.room, c.command);
    ASSERT_GE(r.texts.size(), c.first.size()) << r;
    if (c.first.empty()) {
      EXPECT_TRUE(r.texts.empty()) << r;  // a move, or nothing to say
    }
    for (size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(r.texts[i], c.first[i]) << r;
    EXPECT_EQ(r.room, c.room2);
    EXPECT_EQ(r.moved, c.moved);
    for (auto [i, v] : c.flagsAfter) EXPECT_EQ(RoomAdventureState.RoomFlags[static_cast<size_t>(i)], v) << "flag " << i;
  }
}

TEST_F(RoomAnswersTest, SequencesCarryTheirPictureCodesAndEndWithTheEnding) {
  RoomAdventureState.RoomFlags[62] = 5;
  const AnswerResult planet = Ask(65, kG06Talk);
  ASSERT_EQ(planet.texts.size(), 29u);
  EXPECT_EQ(planet.codes[8], 15);
  EXPECT_EQ(planet.codes[11], 17);
  const AnswerResult end = Ask(66, kG06North);
  ASSERT_EQ(end.texts.size(), 22u);
  EXPECT_EQ(end.codes.back(), 90);
  EXPECT_EQ(end.texts.back(), "");
  EXPECT_EQ(G06_RoomPictureOf(66), 98);
}

TEST(RoomWindowTest, LinesAreCutInto27CharacterPieces) {
  const std::string c27 = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひ";
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> pieces;
  };
  const Case cases[] = {
      {"a short line", "北に移動しました。", {"北に移動しました。"}},
      {"two lines", "北に移動しました。：林の中です。", {"北に移動しました。", "林の中です。"}},
      {"27 characters take two pieces", c27, {c27, ""}},
      {"28 characters", c27 + "ふ", {c27, "ふ"}},
      {"an empty text", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(G06_WindowPieces(c.text, 27), c.pieces);
  }
}

class RoomAdventureTest : public tq::testing::ScreenTest {
 protected:
  void Boot() {
    ScreenTest::Boot(kModeMarbrook);
    SetAfterInput(tq::testing::AfterInput::kRunToLoopEnd, 3000);
    Enter();
  }
  // As the story and the chapter menu enter it.
  void Enter() {
    h_->EnterScreen(56, 0, 0, tq::testing::EntryTick::kNow);
    Settle();
  }
  // Past the window picture and the help, to the first room.
  void ToFirstRoom() {
    Click(5, 5);
    Click(5, 5);
    ASSERT_EQ(SceneCursor.SceneState, 10);
  }
  // One command by key, its whole queue clicked through.
  void Command(int command) {
    static const int kKeyOf[] = {tq::kKeyUp, tq::kKeyRight, tq::kKeyDown, tq::kKeyLeft,
                                 tq::kKeyPad0 + 1, tq::kKeyPad0 + 2, tq::kKeyPad0 + 3};
    Key(kKeyOf[command]);
    for (int i = 0; i < 120 && SceneCursor.SceneCode == 56 && SceneCursor.SceneState == 20; ++i) Click(5, 5);
  }
};

// The shortest way through both lands, as commands (0 N, 1 E, 2 S, 3 W, 4 examine,
// 5 talk, 6 use).
const int kWalkthrough[] = {
    // the cell, the village, the young dragon
    1, 1, 4, 3, 6, 0, 0, 1, 0, 0, 0, 1, 5, 3, 2, 2, 2,
    // the fairy, the dark cave, the cloth, the guardian
    1, 0, 5, 5, 2, 1, 1, 0, 2, 3, 3, 0, 5, 2, 1, 1, 0, 5, 5, 5,
    // the town, the giant monster, the poison, the torii
    0, 0, 0, 0, 3, 5, 3, 3, 3, 5, 5, 1, 1, 1, 0, 0, 5, 2, 2, 3, 3, 3, 6, 3, 3, 0, 0,
    // the desert: the king, the plate, the riddle, the temple, the ship
    0, 0, 1, 1, 5, 3, 3, 3, 0, 3, 5, 0, 6, 0, 5, 0, 6,
    // space: the colony, the station, the fuel, the planet, the black hole
    2, 2, 5, 0, 0, 6, 2, 2, 5, 1, 4, 3, 5, 2, 2, 5, 0,
};

TEST_F(RoomAdventureTest, EachVisitStartsAfreshAndEndsAtStage90) {
  Boot();
  for (int visit = 1; visit <= 2; ++visit) {
    SCOPED_TRACE(visit);
    ToFirstRoom();
    EXPECT_EQ(RoomAdventureState.Room, 0);
    for (int f : RoomAdventureState.RoomFlags) ASSERT_EQ(f, 0);
    for (int command : kWalkthrough) {
      ASSERT_EQ(SceneCursor.SceneCode, 56);
      Command(command);
    }
    EXPECT_EQ(RoomAdventureState.Room, 66);
    ASSERT_EQ(SceneCursor.SceneState, 30);
    EXPECT_EQ(RoomAdventureState.RoomFlags[62], 6);
    Click(5, 5);  // the ending picture; the next click leaves
    EXPECT_EQ(SceneCursor.SceneCode, kConversationScene);
    EXPECT_EQ(SceneCursor.StageNumber, 90);
    Enter();  // played again from the chapter menu
  }
}

TEST_F(RoomAdventureTest, KeysAndButtons) {
  Boot();
  ToFirstRoom();
  Key(tq::kKeyEnter);  // an advance key in state 10 does nothing
  EXPECT_EQ(SceneCursor.SceneState, 10);
  Key(tq::kKeyPad0 + 4);  // no command: no empty fourth button
  EXPECT_EQ(SceneCursor.SceneState, 10);
  EXPECT_FALSE(tq::testing::LayerVisible(RoomAdventureState.G06ButtonFirstBox + 7));
  Click(845, 310);  // the east button
  EXPECT_EQ(RoomAdventureState.Room, 1);
  EXPECT_EQ(RoomAdventureState.MessageTexts[0], "東に移動しました。：扉があります。");
  EXPECT_EQ(SceneCursor.SceneState, 10);
  Key(tq::kKeyPad0 + 1);  // examine
  EXPECT_EQ(RoomAdventureState.MessageTexts[0], "扉には鍵がかかっています。");
  Key(tq::kKeyUp);  // north is shut
  EXPECT_EQ(RoomAdventureState.MessageTexts[0], "北には移動できません。");
  EXPECT_EQ(RoomAdventureState.Room, 1);
}

}  // namespace
