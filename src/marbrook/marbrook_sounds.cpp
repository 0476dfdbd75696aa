#include "marbrook/marbrook_sounds.h"

#include "engine/sound_channels.h"
#include "platform/platform.h"
#include "scenario/auto_reading.h"

namespace {

constexpr const char* kSoundRoot = "Tanselr_Data/TanselrSnd/";

// Title and menu sounds. The short voice clips 10, 100 to 104, 106, 107, 110 and 111
// and the two duel pieces of the music table have names of this system's own.
constexpr MarbrookSoundRow kTitleSounds[] = {
    {1, "t01_Seisaku_Doon.wav", 0.90f},
    {2, "t02_Seisaku_Sha.wav", 0.94f},
    {3, "t03_Logo_Pi.wav", 0.85f},
    {5, "TV_私たちは日々01.wav", 1.0f},
    {10, "TV_Marbrook01.wav", 1.0f},
    {15, "t15_ButMove_Pi.wav", 0.90f},
    {16, "t16_ButClick_Poi.wav", 0.92f},
    {21, "t21_Kettei.wav", 0.95f},
    {22, "t22_Syouten_Pyu.wav", 1.0f},
    {25, "t25_pyo112.wav", 0.95f},
    {26, "t26_pyo133.wav", 0.85f},
    {30, "t30_Boun.wav", 1.0f},
    {31, "t31_Shun126.wav", 1.0f},
    {32, "t32_Pyon.wav", 1.0f},
    {33, "t33_Kan_Buwa2.wav", 1.0f},
    {34, "t34_Sa.wav", 1.0f},
    {35, "t35_Eve_Huuin_Bomn_s.wav", 1.0f},
    {36, "t36_Teki_Pi.wav", 1.0f},
    {50, "G050_Kan_Buwa1.wav", 0.95f},
    {100, "VT_はじめから1.wav", 1.0f},
    {101, "VT_つづきから1.wav", 1.0f},
    {102, "VT_おまけ1.wav", 1.0f},
    {103, "VT_設定1.wav", 0.90f},
    {104, "VT_おわり1.wav", 0.90f},
    {105, "VT_戻る1.wav", 1.0f},
    {106, "VT_章選択1.wav", 0.90f},
    {107, "VT_ギャラリー1.wav", 0.90f},
    {110, "VP_ようこそ.wav", 0.95f},
    {111, "VP_またね.wav", 0.93f},
    {115, "VP_私のお話です.wav", 0.92f},
    {116, "VT_私のお話です.wav", 0.95f},
};

// Conversation sounds; voices 1000 to 9999 are built from the number.
constexpr MarbrookSoundRow kInterSounds[] = {
    {10, "t07_Buwa2.wav", 0.95f},         {11, "t07_Buwa2.wav", 0.90f},
    {25, "Fu40_Pu_Timer.wav", 1.0f},      {30, "Sc30_Sha.wav", 1.0f},
    {40, "Fu40_Pu_Timer.wav", 0.97f},     {41, "Fu41_Pu_Choku.wav", 0.97f},
    {42, "Fu42_Pu_224.wav", 1.0f},        {43, "Fu43_Pu_252.wav", 1.0f},
    {44, "Fu44_Pu_149.wav", 1.0f},        {54, "Fu54_Pokun.wav", 1.0f},
    {55, "Fu55_Po.wav", 1.0f},            {56, "Fu56_ohgoe.wav", 1.0f},
    {57, "Fu57_ohgoe_Max.wav", 1.0f},     {131, "Mi131_Ques.wav", 0.95f},
    {132, "Mi132_!Red.wav", 0.95f},       {133, "Mi133_!Yellow.wav", 0.95f},
    {200, "Sc200_Bun.wav", 0.90f},        {201, "Sc200_Doshu.wav", 0.98f},
    {202, "Sc202_Dozaa.wav", 0.93f},      {250, "G00_Att00.wav", 0.95f},
};

// Mini-game sounds.
constexpr MarbrookSoundRow kGameSounds[] = {
    {10, "G00_Att00.wav", 0.95f},
    {11, "G00_Att01.wav", 0.95f},
    {12, "G00_カンバン.wav", 0.90f},
    {13, "G00_コマンド.wav", 0.95f},
    {14, "G00_防御.wav", 0.85f},
    {15, "G00_画面切替.wav", 0.95f},
    {16, "G00_カーソル.wav", 0.90f},
    {200, "G02a_タイトル落下.wav", 1.0f},
    {201, "G02a_スライド表示A.wav", 1.0f},
    {202, "G02a_決定.wav", 1.0f},
    {203, "G02a_スライド表示B.wav", 1.0f},
    {205, "G02a_誕生.wav", 1.0f},
    {206, "G02a_サイコロ.wav", 1.0f},
    {207, "G02a_移動.wav", 1.0f},
    {208, "G02a_メッセージ.wav", 1.0f},
    {209, "G02a_クリア.wav", 1.0f},
    {220, "G02b_白板切替え.wav", 1.0f},
    {221, "G02b_セレクト板.wav", 1.0f},
    {222, "G02b_選択Sub.wav", 1.0f},
    {223, "G02b_決定.wav", 1.0f},
    {224, "G02b_移動.wav", 1.0f},
    {225, "G02b_サイコロ.wav", 1.0f},
    {226, "G02b_カンバン.wav", 1.0f},
    {229, "G02b_クリア.wav", 1.0f},
    {300, "G03_正解.wav", 1.0f},
    {301, "G03_選択.wav", 1.0f},
    {302, "G03_カンバン.wav", 1.0f},
    {303, "G03_決定.wav", 1.0f},
    {304, "G03_めくる.wav", 1.0f},
    {305, "G03_残消滅.wav", 1.0f},
    {308, "G03_クリア.wav", 1.0f},
    {309, "G03_ゲームオーバー.wav", 1.0f},
    {400, "G04_画面クリック.wav", 1.0f},
    {401, "G04_コマ決定.wav", 0.95f},
    {402, "G04_コマ選択.wav", 0.90f},
    {403, "G04_BETボタン.wav", 0.95f},
    {404, "G04_コマ決定.wav", 0.95f},
    {405, "G03_決定.wav", 1.0f},
    {406, "G04_所持金増える.wav", 0.90f},
    {407, "G04_10万超えた.wav", 0.90f},
    {408, "G04_ゲームクリア.wav", 1.0f},
    {409, "G04_ゲームオーバー.wav", 0.95f},
    {500, "G05_攻撃.wav", 1.0f},
    {501, "G05_ダメージ.wav", 1.0f},
    {510, "G05_表示1.wav", 1.0f},
    {511, "G05_メス.wav", 1.0f},
    {512, "G05_表示2.wav", 1.0f},
    {513, "G05_移動.wav", 1.0f},
};

// Rock-paper-scissors sounds.
constexpr MarbrookSoundRow kRpsSounds[] = {
    {9, "G1_タイトル3_ざんっ.wav", 1.0f},     {10, "G1_タイトル1_ぶわ.wav", 1.0f},
    {11, "G1_看板1_ぶっ.wav", 1.0f},          {12, "G1_登場_ぴょ.wav", 1.0f},
    {13, "G1_看板2_しゃっ.wav", 1.0f},        {15, "G1_敵_ぶわ.wav", 1.0f},
    {16, "G1_点滅_ふぃ.wav", 1.0f},           {17, "G1_メス_ぼうっ.wav", 1.0f},
    {18, "G1_看板3_ぶわ.wav", 1.0f},          {20, "G1_選択_ぴょ.wav", 1.0f},
    {21, "G1_メス_ぴゅ.wav", 1.0f},           {25, "G1_攻撃_ぼしゅ.wav", 1.0f},
    {31, "G1_分裂_ぶわ.wav", 1.0f},           {32, "G1_増殖_ぶわ.wav", 1.0f},
    {33, "G1_ワープ_ぶぶわー.wav", 1.0f},     {35, "G1_分裂_ぶわ.wav", 1.0f},
    {36, "G1_分裂_ぶわ.wav", 1.0f},           {37, "G1_ラスボス登場.wav", 1.0f},
    {38, "G1_スローカウント_ぷ.wav", 1.0f},   {39, "G1_ハート1_ぷぃ.wav", 1.0f},
    {40, "G1_×印_ぶぶー.wav", 1.0f},          {41, "G1_爆発_ちゅばーん.wav", 1.0f},
    {42, "G1_シェイク音_ぽわ.wav", 1.0f},     {43, "G1_メス_ぴゅ.wav", 1.0f},
    {44, "G1_ポローン.wav", 1.0f},            {90, "G1_タイトル1_ぶわ.wav", 1.0f},
    {91, "G1_クリア消滅_ビイーン.wav", 1.0f}, {95, "G1_看板3_ぶわ.wav", 1.0f},
};

// The mini-games' music by code.
constexpr MarbrookSoundRow kMusic[] = {
    {10, "G0_BGM00_last_duel.mp3", 1.0f},
    {11, "G0_BGM01_last_duel_final.mp3", 1.0f},
    {100, "G1a_BGM00_time_trial.mp3", 1.0f},
    {101, "G1a_BGM01_idling.mp3", 1.0f},
    {110, "G1b_BGM00_lightness.mp3", 1.0f},
    {111, "G1b_BGM01_pureness.mp3", 1.0f},
    {120, "G1c_BGM00_being_blue_earth.mp3", 1.0f},
    {121, "G1c_BGM01_excited2.mp3", 1.0f},
    {200, "G2_BGM00_ending.mp3", 1.0f},
    {201, "G2_BGM01_opening.mp3", 1.0f},
    {202, "G2_BGM02_tukinosizuku.mp3", 1.0f},
    {210, "G2b_BGM00_the_time_flows_slowly.mp3", 1.0f},
    {211, "G2b_BGM01_yumemiruyoru.mp3", 1.0f},
    {212, "G2b_BGM02_french_cafe.mp3", 1.0f},
    {300, "G3_BGM00_refreshing_wind.mp3", 1.0f},
    {301, "G3_BGM01_weather_report.mp3", 1.0f},
    {302, "G3_BGM02_tomorrow.mp3", 1.0f},
    {303, "G3_BGM03_night.mp3", 1.0f},
    {400, "G4_BGM00_reggae.mp3", 1.0f},
    {401, "G4_BGM01_brightness.mp3", 1.0f},
    {402, "G4_BGM02_dance80.mp3", 1.0f},
    {500, "G5_BGM00_symphony7.mp3", 1.0f},
    {501, "G5_BGM01_menuettm.mp3", 1.0f},
    {502, "G5_BGM02_nocturne.mp3", 1.0f},
    {503, "G5_BGM03_strain.mp3", 1.0f},
};

static_assert(std::size(kTitleSounds) == 31);
static_assert(std::size(kInterSounds) == 20);
static_assert(std::size(kGameSounds) == 48);
static_assert(std::size(kRpsSounds) == 28);
static_assert(std::size(kMusic) == 25);

enum TableIndex { kTitle, kInter, kGame, kRps, kMusicTable };

constexpr MarbrookSoundTable kTables[] = {
    {"TanselrTitle/", kTitleSounds}, {"TanselrInter/", kInterSounds}, {"TanselrGame/", kGameSounds},
    {"TanselrGame/G01/", kRpsSounds}, {"Music/", kMusic},
};

const MarbrookSoundRow* Find(std::span<const MarbrookSoundRow> rows, int number) {
  for (const MarbrookSoundRow& row : rows) {
    if (row.number == number) return &row;
  }
  return nullptr;
}

std::string UnderProgram(const std::string& relative) { return tq::ThePlatform().ProgramFolder() + "/" + relative; }

std::string SoundPath(const MarbrookSoundTable& table, const char* file) {
  return UnderProgram(std::string(kSoundRoot) + table.folder + file);
}

float Volume(float base, float offset) {
  float v = base + offset;
  return v > 1.0f ? 1.0f : v;
}

// A number no table lists plays nothing, as 0 and -1 do.
void PlayFromTable(TableIndex index, int number, int channel, float offset) {
  if (number == 0 || number == -1) return;
  const MarbrookSoundTable& table = kTables[index];
  const MarbrookSoundRow* row = Find(table.rows, number);
  if (row == nullptr) return;
  PlayEffect(channel, SoundPath(table, row->file), Volume(row->base, offset));
}

}  // namespace

std::span<const MarbrookSoundTable> MarbrookSoundTables() { return kTables; }

std::string MarbrookVoicePath(int number) {
  return std::string(kSoundRoot) + "TanselrVoice/Voice_" + std::to_string(number) + ".MP3";
}

void C01_PlaySound(int number, int& channel, float& volumeOffset) {
  PlayFromTable(kTitle, number, channel, volumeOffset);
}

void TitleSound(int number, int channel, float volumeOffset) { C01_PlaySound(number, channel, volumeOffset); }

void GameSound(int number, int channel, float volumeOffset) { C40_PlaySound(number, channel, volumeOffset); }

void C15_PlaySound(int number, int& channel, float& volumeOffset) {
  if (number == 8) return;
  if (number >= 1000 && number <= 9999) {
    SoundState.SoundFileKind = 1;
    channel = kMarbrookVoiceChannel;
    VoiceSettings.VoiceChannel = kMarbrookVoiceChannel;
    PlayVoice(kMarbrookVoiceChannel, UnderProgram(MarbrookVoicePath(number)), Volume(1.0f, volumeOffset));
    return;
  }
  PlayFromTable(kInter, number, channel, volumeOffset);
}

void C40_PlaySound(int number, int& channel, float& volumeOffset) {
  PlayFromTable(kGame, number, channel, volumeOffset);
}

void G01_PlaySound(int number, int& channel, float& volumeOffset) {
  PlayFromTable(kRps, number, channel, volumeOffset);
}

void C15_PlayMusic(int code) {
  const MarbrookSoundTable& table = kTables[kMusicTable];
  const MarbrookSoundRow* row = Find(table.rows, code);
  if (row == nullptr) return;
  tq::ThePlatform().Sound().STReadMP3File(MusicChannel, SoundPath(table, row->file), 0);
  ApplyMusicVolume();
  PlayChannel(MusicChannel, -1);
}

void C01_ClickSound() {
  int channel = 0;
  float offset = -0.05f;
  C01_PlaySound(50, channel, offset);
}

void C45_StopVoice() {
  tq::SoundLibrary& library = tq::ThePlatform().Sound();
  if (library.STNumPlaying(VoiceSettings.VoiceChannel) >= 1) {
    library.STStop(VoiceSettings.VoiceChannel, 1);
    VoiceSettings.VoiceChannel = 0;
  }
}
