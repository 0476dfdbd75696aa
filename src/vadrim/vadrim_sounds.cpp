#include "vadrim/vadrim_sounds.h"

#include <string>

#include "engine/sound_channels.h"
#include "platform/platform.h"

namespace {

// Conversation sounds: the stage scripts' sound and balloon-sound numbers; 40 and
// 41 open balloons.
constexpr VadrimSoundRow kInterSounds[] = {
    {10, "t07_Buwa2.wav", 0.95f},         {11, "t07_Buwa2.wav", 0.90f},
    {25, "Fu40_Pu_Timer.wav", 1.00f},     {30, "Sc30_Sha.wav", 1.00f},
    {40, "Fu40_Pu_Timer.wav", 0.97f},     {41, "Fu41_Pu_Choku.wav", 0.97f},
    {42, "Fu42_Pu_224.wav", 1.00f},       {43, "Fu43_Pu_252.wav", 1.00f},
    {44, "Fu44_Pu_149.wav", 1.00f},       {54, "Fu54_Pokun.wav", 1.00f},
    {55, "Fu55_Po.wav", 1.00f},           {131, "Mi131_Ques.wav", 0.95f},
    {132, "Mi132_!Red.wav", 0.95f},       {133, "Mi133_!Yellow.wav", 0.95f},
    {200, "Sc200_Doshu.wav", 0.98f},      {202, "Sc202_Dozaa.wav", 0.93f},
    {210, "Sc210_Ankoku.wav", 0.95f},     {211, "Sc211_Dooon2.wav", 1.00f},
    {212, "Sc212_teren.wav", 1.00f},
};

// Title and board-game sounds: 1 to 11 the opening, 15 the button hover, 16 to 41
// the title menus and wipes, from 50 up mostly the board game. 90 and 91 play the
// files whose digits are the other number's.
constexpr VadrimSoundRow kGameSounds[] = {
    {1, "t01_Seisaku_Doon.wav", 0.90f},          {2, "t02_Seisaku_Sha.wav", 0.94f},
    {3, "t03_Logo_Pi.wav", 0.85f},               {4, "t03_Logo_Pi.wav", 0.92f},
    {5, "t05_Buwa.wav", 0.95f},                  {6, "t06_Kespa_Fi.wav", 0.95f},
    {7, "t07_Buwa2.wav", 1.00f},                 {8, "t08_Pou.wav", 0.95f},
    {9, "t05_Buwa.wav", 0.90f},                  {10, "t10_Hutari_Sha.wav", 0.95f},
    {11, "t08_Pou.wav", 0.90f},                  {15, "t15_ButMove_Pi.wav", 0.90f},
    {16, "t16_ButClick_Poi.wav", 0.92f},         {17, "t15_ButMove_Pi.wav", 0.95f},
    {20, "t20_Kan_Poi.wav", 0.95f},              {21, "t21_Kettei.wav", 0.95f},
    {22, "t22_Syouten_Pyu.wav", 1.00f},          {23, "t23_Kakudai_Bou.wav", 0.95f},
    {30, "t30_ALLClear_DrumRoll.wav", 0.95f},    {31, "t31_ALLClear_Jaaan.wav", 1.00f},
    {32, "G050_Kan_Buwa1.wav", 0.93f},           {40, "t07_Buwa2.wav", 0.95f},
    {41, "t07_Buwa2.wav", 0.90f},                {50, "G050_Kan_Buwa1.wav", 0.95f},
    {51, "G051_Kan_Buwa2.wav", 0.95f},           {55, "G055_Teki_Pi.wav", 1.00f},
    {56, "G056_Hoi.wav", 0.95f},                 {57, "G057_GO_Hohoi.wav", 0.95f},
    {58, "G055_Teki_Pi.wav", 0.95f},             {59, "G059_Teki_Dobu.wav", 0.90f},
    {60, "G060_Hoi2.wav", 0.90f},                {61, "G056_Hoi.wav", 1.00f},
    {62, "G056_Hoi.wav", 0.95f},                 {65, "G065_Item_Pi_s.wav", 0.90f},
    {66, "G066_Item_Byo.wav", 0.95f},            {71, "G071_Eve_kiti.wav", 0.90f},
    {72, "G072_Eve_Kyou.wav", 0.95f},            {73, "G073_Eve_Item.wav", 0.95f},
    {75, "G075_Eve_Gyaku.wav", 0.92f},           {76, "G076_Eve_Renzoku.wav", 0.95f},
    {77, "G077_Eve_Warp.wav", 0.95f},            {78, "G078_Eve_TimeStop_Kon.wav", 0.97f},
    {79, "G079_Eve_AttUp_Bouunn.wav", 0.95f},    {80, "G080_Warp_Been.wav", 0.85f},
    {81, "G081_Warp_Peen.wav", 0.85f},           {82, "G082_Warp_Hou.wav", 0.95f},
    {85, "G085_Mes_Sha1.wav", 0.95f},            {86, "G086_Mes_Sha2.wav", 0.95f},
    {87, "G087_Mes_Bugubugu.wav", 0.95f},        {88, "G088_Mes_Busyuu.wav", 0.95f},
    {90, "G091_Eve_Huuin_Bomn.wav", 0.95f},      {91, "G090_Eve_Huuin_Bomn_s.wav", 0.95f},
    {92, "G092_Eve_Buun.wav", 0.92f},            {93, "G093_Eve_Pata.wav", 1.00f},
    {94, "G094_Eve_Peen.wav", 0.95f},            {100, "G100_Yaji_Pipi.wav", 1.00f},
    {102, "t21_Kettei.wav", 0.95f},              {105, "G105_Att_Domuu.wav", 0.92f},
    {106, "G106_Att_Juba.wav", 0.94f},           {107, "G107_Pi84.wav", 0.95f},
    {108, "G108_Mini_Piron.wav", 0.92f},         {109, "G109_Mini_Dobusyu.wav", 0.93f},
    {110, "G110_Teki_Puyoyo.wav", 0.95f},        {111, "G111_Teki_Powa.wav", 0.95f},
    {112, "G065_Item_Pi_s.wav", 0.95f},          {115, "G115_Teki_Bujuju.wav", 0.95f},
    {116, "G076_Eve_Renzoku.wav", 0.95f},        {117, "G117_Teki_Po.wav", 0.95f},
    {118, "G065_Item_Pi_s.wav", 0.92f},          {130, "G130_Kan_Buwa3.wav", 0.95f},
    {131, "G080_Warp_Been.wav", 0.90f},          {135, "G051_Kan_Buwa2.wav", 0.95f},
};

static_assert(std::size(kInterSounds) == 19);
static_assert(std::size(kGameSounds) == 72);

enum TableIndex { kInter, kGame };

constexpr VadrimSoundTable kTables[] = {
    {"Kespa_Data/KespaSnd/Inter/", kInterSounds},
    {"Kespa_Data/KespaSnd/", kGameSounds},
};

// A number no table lists plays nothing, as 0 and -1 do: no halt, and no folder
// handed to the sound library as if it were a file.
void PlayFromTable(TableIndex index, int number, int channel, float offset) {
  if (number == 0 || number == -1) return;
  const VadrimSoundTable& table = kTables[index];
  for (const VadrimSoundRow& row : table.rows) {
    if (row.number != number) continue;
    float volume = row.base + offset;
    if (volume > 1.0f) volume = 1.0f;
    PlayEffect(channel, tq::ThePlatform().ProgramFolder() + "/" + table.folder + row.file, volume);
    return;
  }
}

}  // namespace

std::span<const VadrimSoundTable> VadrimSoundTables() { return kTables; }

void D20_PlaySound(int number, int& channel, float& volumeOffset) {
  PlayFromTable(kInter, number, channel, volumeOffset);
}

void D00_PlaySound(int number, int& channel, float& volumeOffset) {
  PlayFromTable(kGame, number, channel, volumeOffset);
}

void PlayScreenSound(int number, int channel) {
  float offset = 0.0f;
  D00_PlaySound(number, channel, offset);
}
