#include "vadrim/board/creature_types.h"

#include <algorithm>
#include <vector>

#include "engine/string_utils.h"
#include "scenario/script_conversion.h"
#include "vadrim/board/creature_movement.h"
#include "vadrim/board/model.h"

namespace {

// The creature types, one row per defined number, as their definition strings read.
// Pictures are cells 0 to 107 of the creature sheet; hit points 0 to 99; gauge
// changes -99 to 80; periods and lifespans up to 20 turns. Movement types by role:
// 0 still (plants, stones, eggs, seals), 5/6/8 wall-followers, 10 sentries pacing
// back and forth, 15 bouncers, 20 wanderers, 21 hoppers, 30 to 33 hunters that eat
// (合体No -1) or merge with the type they chase.
constexpr CreatureTypeRow kCreatureTypes[] = {
    // Route 0, boards 21 and 22: the meadow and the frog pond.
    {1, "跳ね兎", {"BMP=70,■HP=9,■移Ty=5, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=80, 消変形No=0"}},
    {2, "眠り石", {"BMP=71,■HP=8,■移Ty=0, 移頻度=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {5, "小鬼火", {"BMP=72,■HP=3,■移Ty=20, 移頻度=1, 移方向=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=6"}},
    {6, "鬼火", {"BMP=73,■HP=5,■移Ty=20, 移頻度=2", "DP運=-10,DP女=0,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {10, "見張り蛙", {"BMP=60,■HP=5,■移Ty=10, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=11"}},
    {11, "大蛙", {"BMP=61,■HP=8,■移Ty=20, 移頻度=2, 移方向=4", "DP運=0,DP女=5,■消DP運=0, 消DP女=25, 消変形No=0"}},
    {12, "蛙の卵", {"BMP=63,■HP=1,■移Ty=0, 移頻度=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0", "寿命=4, 寿命DP運=0, 寿命DP女=5, 寿命変形No=13"}},
    {13, "おたまじゃくし", {"BMP=64,■HP=2,■移Ty=20, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {15, "からみ糸", {"BMP=62,■HP=4,■移Ty=10, 移頻度=1, 移方向=3", "DP運=0,DP女=-5,■消DP運=0, 消DP女=0, 消変形No=16,■タDP運=0, タDP女=-5, タDP頻度=3"}},
    {16, "ほどけ糸", {"BMP=65,■HP=2,■移Ty=15, 移頻度=1, 移方向=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0"}},
    // Route 1, board 31: the windy hill.
    {20, "風見鳥", {"BMP=74,■HP=5,■移Ty=5, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=21"}},
    {21, "つむじ風", {"BMP=75,■HP=3,■移Ty=6, 移頻度=1, 移方向=4", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {22, "迷い猫", {"BMP=76,■HP=4,■移Ty=20, 移頻度=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=23"}},
    {23, "子猫", {"BMP=77,■HP=2,■移Ty=20, 移頻度=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {24, "石の番人", {"BMP=78,■HP=7,■移Ty=10, 移頻度=2, 移方向=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=0"}},
    // Route 1, board 32: the dunes and the lantern road.
    {30, "砂走り", {"BMP=80,■HP=4,■移Ty=15, 移頻度=1, 移方向=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=32"}},
    {31, "砂虫", {"BMP=81,■HP=6,■移Ty=15, 移頻度=2, 移方向=4", "DP運=-10,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {32, "砂の殻", {"BMP=82,■HP=2,■移Ty=0, 移頻度=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0", "寿命=5, 寿命DP運=0, 寿命DP女=0, 寿命変形No=31"}},
    {33, "月見草", {"BMP=84,■HP=3,■移Ty=0, 移頻度=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=0,■タDP運=0, タDP女=5, タDP頻度=4"}},
    {34, "夜光虫", {"BMP=85,■HP=1,■移Ty=20, 移頻度=1, 移方向=3", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {35, "灯籠鬼", {"BMP=83,■HP=4,■移Ty=15, 移頻度=1, 移方向=3", "DP運=0,DP女=-5,■消DP運=0, 消DP女=0, 消変形No=36", "寿命=10, 寿命DP運=0, 寿命DP女=0, 寿命変形No=37"}},
    {36, "割れ灯籠", {"BMP=86,■HP=2,■移Ty=20, 移頻度=1, 移方向=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {37, "燃え残り", {"BMP=87,■HP=2,■移Ty=20, 移頻度=2, 移方向=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {38, "羽ペン", {"BMP=88,■HP=3,■移Ty=6, 移頻度=1, 移方向=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {39, "インク壺", {"BMP=89,■HP=5,■移Ty=8, 移頻度=1, 移方向=3", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=34"}},
    // Route 1, board 33: the harbour town; chain 1 turns bubbles, leaves and fish into the great bubble.
    {40, "門番", {"BMP=40,■HP=6,■移Ty=10, 移頻度=1, 移方向=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=41"}},
    {41, "門番の影", {"BMP=41,■HP=3,■移Ty=20, 移頻度=2, 移方向=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {42, "鈴鳴り", {"BMP=42,■HP=4,■移Ty=15, 移頻度=1, 移方向=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=43"}},
    {43, "鈴の精", {"BMP=43,■HP=2,■移Ty=20, 移頻度=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {44, "巻き貝", {"BMP=44,■HP=5,■移Ty=8, 移頻度=2, 移方向=2", "DP運=0,DP女=0,■消DP運=0, 消DP女=20, 消変形No=45"}},
    {45, "貝の子", {"BMP=45,■HP=2,■移Ty=20, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {46, "水たまり", {"BMP=46,■HP=3,■移Ty=0, 移頻度=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0,■タDP運=-5, タDP女=0, タDP頻度=5"}},
    {47, "泡", {"BMP=47,■HP=1,■移Ty=20, 移頻度=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {48, "大泡", {"BMP=48,■HP=8,■移Ty=0", "DP運=0,DP女=10,■消DP運=0, 消DP女=40, 消変形No=0"}},
    {49, "川獺", {"BMP=49,■HP=5,■移Ty=5, 移頻度=1, 移方向=4", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {50, "流れ葉", {"BMP=50,■HP=1,■移Ty=15, 移頻度=1, 移方向=2", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {51, "小魚", {"BMP=51,■HP=1,■移Ty=21, 移頻度=1, 移方向=4", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {52, "渦", {"BMP=52,■HP=7,■移Ty=6, 移頻度=1, 移方向=3", "DP運=-10,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {55, "灯台守", {"BMP=55,■HP=9,■移Ty=0, 移頻度=2", "DP運=0,DP女=10,■消DP運=0, 消DP女=30, 消変形No=0"}},
    {56, "霧の子", {"BMP=56,■HP=3,■移Ty=20, 移頻度=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    // Board 0: the practice field; the fox merges with the hare, the nibbler eats the sun sprite.
    {90, "かかし", {"BMP=0,■HP=0,■移Ty=0, 移頻度=0, 移方向=0", "DP運=0,DP女=0,■消DP運=0, 消DP女=0, 消変形No=0,■タDP運=0, タDP女=0, タDP頻度=0", "移ター=0, 食後移Ty=0, 合体No=0,■寿命=0, 寿命DP運=0, 寿命DP女=0, 寿命変形No=0,■変化連鎖=0, 死亡連鎖=0, 合体連鎖=0"}},
    {91, "追いかけ狐", {"BMP=26,■HP=5,■移Ty=30, 移頻度=1, 移方向=2", "DP運=0,DP女=-5,■消DP運=0, 消DP女=10, 消変形No=0", "移ター=92, 食後移Ty=20, 合体No=95"}},
    {92, "逃げ兎", {"BMP=27,■HP=3,■移Ty=20, 移頻度=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {93, "ひなたの精", {"BMP=5,■HP=6,■移Ty=20, 移頻度=1, 移方向=2", "DP運=0,DP女=20,■消DP運=0, 消DP女=20, 消変形No=40,■タDP運=0, タDP女=0, タDP頻度=0 ,■■■合体連鎖=1"}},
    {94, "つまみ食い", {"BMP=2,■HP=2,■移Ty=31, 移頻度=2, 移方向=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=0, 消変形No=0", "移ター=93, 合体No=-1"}},
    {95, "双子狐", {"BMP=28,■HP=8,■移Ty=20, 移頻度=1", "DP運=0,DP女=10,■消DP運=0, 消DP女=30, 消変形No=0", "合体連鎖=2"}},
    // Board 1: the mossy garden.
    {100, "まりも", {"BMP=0,■HP=3,■移Ty=20, 移頻度=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=101"}},
    {101, "大まりも", {"BMP=1,■HP=6,■移Ty=20, 移頻度=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=25, 消変形No=0"}},
    {102, "苔岩", {"BMP=3,■HP=9,■移Ty=0, 移頻度=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=20, 消変形No=103"}},
    {103, "花苔", {"BMP=4,■HP=2,■移Ty=0, 移頻度=1", "DP運=0,DP女=10,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {110, "ころがり実", {"BMP=6,■HP=4,■移Ty=15, 移頻度=1, 移方向=3", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=111"}},
    {111, "割れ実", {"BMP=7,■HP=2,■移Ty=20, 移頻度=1, 移方向=4", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {112, "根っこ", {"BMP=8,■HP=5,■移Ty=10, 移頻度=1, 移方向=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=113"}},
    {113, "若芽", {"BMP=9,■HP=1,■移Ty=0, 移頻度=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=0", "寿命=6, 寿命DP運=0, 寿命DP女=10, 寿命変形No=0"}},
    // Board 2: the silver wood and the hourglass.
    {120, "銀狼", {"BMP=10,■HP=7,■移Ty=5, 移頻度=1, 移方向=1", "DP運=-10,DP女=0,■消DP運=0, 消DP女=25, 消変形No=121"}},
    {121, "銀狼の子", {"BMP=12,■HP=3,■移Ty=20, 移頻度=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {122, "遠吠え", {"BMP=13,■HP=1,■移Ty=0, 移頻度=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=0, 消変形No=0", "寿命=3, 寿命DP運=-5, 寿命DP女=0, 寿命変形No=0"}},
    {125, "鏡蝶", {"BMP=14,■HP=3,■移Ty=6, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=126"}},
    {126, "鏡のかけら", {"BMP=15,■HP=1,■移Ty=20, 移頻度=1, 移方向=3", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {130, "砂時計", {"BMP=16,■HP=6,■移Ty=0, 移頻度=2", "DP運=0,DP女=0,■消DP運=0, 消DP女=20, 消変形No=131,■タDP運=-5, タDP女=0, タDP頻度=4"}},
    {131, "時の砂", {"BMP=17,■HP=2,■移Ty=21, 移頻度=1, 移方向=4", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {135, "鍵守り", {"BMP=18,■HP=5,■移Ty=10, 移頻度=1, 移方向=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0"}},
    // Board 3: the clockwork workshop.
    {140, "歯車", {"BMP=20,■HP=4,■移Ty=15, 移頻度=1, 移方向=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=141"}},
    {141, "大歯車", {"BMP=21,■HP=7,■移Ty=15, 移頻度=2, 移方向=4", "DP運=-10,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {142, "ねじ巻き", {"BMP=22,■HP=4,■移Ty=5, 移頻度=1, 移方向=3", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=143"}},
    {143, "ばね", {"BMP=23,■HP=2,■移Ty=20, 移頻度=1, 移方向=4", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {144, "外れねじ", {"BMP=24,■HP=1,■移Ty=20, 移頻度=1, 移方向=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {145, "振り子", {"BMP=25,■HP=5,■移Ty=10, 移頻度=1, 移方向=4", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=146"}},
    {146, "止まり振り子", {"BMP=29,■HP=2,■移Ty=0, 移頻度=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {147, "からくり鳥", {"BMP=30,■HP=3,■移Ty=20, 移頻度=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=148"}},
    {148, "からくり雛", {"BMP=31,■HP=1,■移Ty=20, 移頻度=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {149, "油差し", {"BMP=32,■HP=2,■移Ty=0, 移頻度=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {150, "蒸気", {"BMP=33,■HP=2,■移Ty=21, 移頻度=1, 移方向=3", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=151"}},
    {151, "蒸気雲", {"BMP=34,■HP=3,■移Ty=20, 移頻度=2, 移方向=4", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0", "寿命=5, 寿命DP運=0, 寿命DP女=0, 寿命変形No=0"}},
    {152, "鉄の門", {"BMP=35,■HP=9,■移Ty=0, 移頻度=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=20, 消変形No=153"}},
    {153, "開いた門", {"BMP=36,■HP=1,■移Ty=0, 移頻度=1", "DP運=0,DP女=10,■消DP運=0, 消DP女=15, 消変形No=0", "寿命=3, 寿命DP運=0, 寿命DP女=5, 寿命変形No=0"}},
    {154, "見回り人形", {"BMP=37,■HP=5,■移Ty=10, 移頻度=1, 移方向=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=155"}},
    {155, "壊れ人形", {"BMP=38,■HP=1,■移Ty=20, 移頻度=1, 移方向=4", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {158, "時計塔の番", {"BMP=39,■HP=9,■移Ty=15, 移頻度=2, 移方向=3", "DP運=-10,DP女=0,■消DP運=0, 消DP女=30, 消変形No=149"}},
    // Board 4: the night forest; the snakes hunt the mice.
    {200, "灯り蛍", {"BMP=53,■HP=2,■移Ty=20, 移頻度=1, 移方向=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=201"}},
    {201, "群れ蛍", {"BMP=54,■HP=4,■移Ty=20, 移頻度=2, 移方向=2", "DP運=0,DP女=10,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {202, "夜鷹", {"BMP=57,■HP=5,■移Ty=5, 移頻度=1, 移方向=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=20, 消変形No=203"}},
    {203, "夜鷹の羽", {"BMP=58,■HP=1,■移Ty=20, 移頻度=1, 移方向=4", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {205, "やぶ蛇", {"BMP=66,■HP=4,■移Ty=30, 移頻度=1", "DP運=-10,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0", "移ター=210,■食後移Ty=0, 合体No=-1"}},
    {206, "大蛇", {"BMP=67,■HP=8,■移Ty=31, 移頻度=2", "DP運=-15,DP女=0,■消DP運=0, 消DP女=30, 消変形No=0", "移ター=212,■食後移Ty=20, 合体No=-1"}},
    {210, "野ねずみ", {"BMP=68,■HP=2,■移Ty=20, 移頻度=1, 移方向=3", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=211"}},
    {211, "子ねずみ", {"BMP=69,■HP=1,■移Ty=20, 移頻度=1, 移方向=4", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {212, "実どろぼう", {"BMP=79,■HP=3,■移Ty=20, 移頻度=1, 移方向=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=213"}},
    {213, "木の実", {"BMP=92,■HP=1,■移Ty=20, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {215, "ふくろう", {"BMP=93,■HP=6,■移Ty=0, 移頻度=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=216"}},
    {216, "目覚めふくろう", {"BMP=94,■HP=4,■移Ty=20, 移頻度=1, 移方向=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0"}},
    // Board 5: the sealed storeroom; breaking the jar (chain 1) lets its spirits out.
    {220, "封じの壺", {"BMP=11,■HP=6,■移Ty=20, 移頻度=1, 移方向=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=0, 消変形No=0 ,■■■死亡連鎖=1"}},
    {221, "壺の精", {"BMP=95,■HP=3,■移Ty=20, 移頻度=1, 移方向=2", "DP運=0,DP女=10,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {222, "割れ壺", {"BMP=96,■HP=1,■移Ty=20, 移頻度=1, 移方向=3", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {223, "壺の影", {"BMP=97,■HP=3,■移Ty=21, 移頻度=1, 移方向=4", "DP運=-10,DP女=0,■消DP運=0, 消DP女=15, 消変形No=224"}},
    {224, "残り香", {"BMP=98,■HP=1,■移Ty=20, 移頻度=1, 移方向=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=0, 消変形No=0", "寿命=3, 寿命DP運=0, 寿命DP女=5, 寿命変形No=0"}},
    {230, "ゆらぎ灯", {"BMP=99,■HP=4,■移Ty=15, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=231"}},
    {231, "灯の芯", {"BMP=100,■HP=1,■移Ty=0, 移頻度=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {235, "扉の番", {"BMP=101,■HP=7,■移Ty=10, 移頻度=1, 移方向=4", "DP運=-10,DP女=0,■消DP運=0, 消DP女=25, 消変形No=236"}},
    {236, "扉の鍵", {"BMP=102,■HP=2,■移Ty=0, 移頻度=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0"}},
    // Board 6: the toy room.
    {240, "紙風船", {"BMP=103,■HP=1,■移Ty=20, 移頻度=1, 移方向=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=241"}},
    {241, "しぼみ風船", {"BMP=104,■HP=1,■移Ty=20, 移頻度=1, 移方向=2", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {242, "奴凧", {"BMP=106,■HP=4,■移Ty=20, 移頻度=2, 移方向=3", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=243"}},
    {243, "糸切れ凧", {"BMP=19,■HP=2,■移Ty=20, 移頻度=1, 移方向=4", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {244, "独楽", {"BMP=59,■HP=3,■移Ty=15, 移頻度=1, 移方向=2", "DP運=0,DP女=0,■消DP運=0, 消DP女=15, 消変形No=246"}},
    {245, "大独楽", {"BMP=90,■HP=6,■移Ty=15, 移頻度=1, 移方向=4", "DP運=-5,DP女=0,■消DP運=0, 消DP女=20, 消変形No=246"}},
    {246, "倒れ独楽", {"BMP=91,■HP=1,■移Ty=20, 移頻度=1, 移方向=3", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {247, "お手玉", {"BMP=105,■HP=3,■移Ty=20, 移頻度=2, 移方向=4", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=248"}},
    {248, "こぼれ豆", {"BMP=107,■HP=1,■移Ty=20, 移頻度=1, 移方向=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {249, "けん玉", {"BMP=70,■HP=3,■移Ty=15, 移頻度=1, 移方向=3", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {250, "竹とんぼ", {"BMP=71,■HP=2,■移Ty=6, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=251"}},
    {251, "落ち竹とんぼ", {"BMP=72,■HP=1,■移Ty=20, 移頻度=1, 移方向=4", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {252, "でんでん太鼓", {"BMP=73,■HP=5,■移Ty=0, 移頻度=2", "DP運=0,DP女=0,■消DP運=0, 消DP女=20, 消変形No=253,■タDP運=0, タDP女=5, タDP頻度=3"}},
    {253, "鳴り太鼓", {"BMP=74,■HP=3,■移Ty=20, 移頻度=1, 移方向=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {254, "羽根つき", {"BMP=75,■HP=3,■移Ty=8, 移頻度=1, 移方向=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=255"}},
    {255, "羽子板", {"BMP=76,■HP=2,■移Ty=0, 移頻度=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {258, "おもちゃ箱", {"BMP=77,■HP=9,■移Ty=0, 移頻度=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=30, 消変形No=240"}},
    // Board 7: the misty marsh; the twin imps seek each other and merge.
    {300, "霧ん子", {"BMP=78,■HP=2,■移Ty=20, 移頻度=2, 移方向=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=301"}},
    {301, "霧", {"BMP=80,■HP=3,■移Ty=20, 移頻度=2, 移方向=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0", "寿命=6, 寿命DP運=0, 寿命DP女=0, 寿命変形No=0"}},
    {303, "沼の精", {"BMP=81,■HP=4,■移Ty=15, 移頻度=1, 移方向=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=304"}},
    {304, "沼の泡", {"BMP=82,■HP=1,■移Ty=21, 移頻度=1, 移方向=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {306, "柳", {"BMP=84,■HP=6,■移Ty=0, 移頻度=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=307"}},
    {307, "枯れ柳", {"BMP=85,■HP=2,■移Ty=0, 移頻度=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {308, "水蛇", {"BMP=86,■HP=5,■移Ty=20, 移頻度=1, 移方向=1", "DP運=-10,DP女=0,■消DP運=0, 消DP女=20, 消変形No=309"}},
    {309, "抜け殻", {"BMP=87,■HP=1,■移Ty=0, 移頻度=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {310, "蛍草", {"BMP=88,■HP=3,■移Ty=0, 移頻度=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0,■タDP運=0, タDP女=5, タDP頻度=5"}},
    {311, "夜の蛾", {"BMP=89,■HP=2,■移Ty=20, 移頻度=2, 移方向=4", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {312, "双子鬼・兄", {"BMP=60,■HP=5,■移Ty=30, 移頻度=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=0", "移ター=313,■合体No=315"}},
    {313, "双子鬼・弟", {"BMP=61,■HP=5,■移Ty=32, 移頻度=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=0", "移ター=312,■合体No=315"}},
    {314, "石灯籠", {"BMP=62,■HP=8,■移Ty=0, 移頻度=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {315, "鬼の親分", {"BMP=63,■HP=12,■移Ty=20, 移頻度=3, 移方向=4", "DP運=-15,DP女=0,■消DP運=0, 消DP女=40, 消変形No=0"}},
    {317, "沼の主", {"BMP=64,■HP=9,■移Ty=5, 移頻度=2, 移方向=2", "DP運=-10,DP女=0,■消DP運=0, 消DP女=30, 消変形No=0"}},
    // Board 8: the starry sky; the prince and the princess meet (chain 1), the eaters hunt.
    {320, "星の王子", {"BMP=90,■HP=4,■移Ty=30, 移頻度=3, 移方向=4", "DP運=0,DP女=0,■消DP運=0, 消DP女=15, 消変形No=0,■■■合体連鎖=1", "移ター=321, 合体No=322"}},
    {321, "星の姫", {"BMP=91,■HP=4,■移Ty=0, 移頻度=3", "DP運=0,DP女=5,■消DP運=0, 消DP女=0, 消変形No=0,■■■合体連鎖=1", "移ター=320, 合体No=322"}},
    {322, "星の二人", {"BMP=92,■HP=10,■移Ty=20, 移頻度=2, 移方向=3", "DP運=0,DP女=10,■消DP運=0, 消DP女=40, 消変形No=0"}},
    {323, "星くず", {"BMP=93,■HP=2,■移Ty=20, 移頻度=2, 移方向=4", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=324"}},
    {324, "流れ星", {"BMP=94,■HP=1,■移Ty=21, 移頻度=1, 移方向=1", "DP運=0,DP女=10,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {325, "星の子", {"BMP=95,■HP=3,■移Ty=20, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {330, "夜喰い", {"BMP=96,■HP=4,■移Ty=30, 移頻度=1", "DP運=-10,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0", "移ター=336,■食後移Ty=20, 合体No=-1"}},
    {331, "影喰い", {"BMP=97,■HP=4,■移Ty=31, 移頻度=2", "DP運=-10,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0", "移ター=335,■食後移Ty=20, 合体No=-1"}},
    {332, "光喰い", {"BMP=98,■HP=5,■移Ty=30, 移頻度=2", "DP運=-10,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0", "移ター=323,■食後移Ty=20, 合体No=-1"}},
    {333, "星喰い", {"BMP=99,■HP=5,■移Ty=31, 移頻度=2", "DP運=-10,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0", "移ター=325,■食後移Ty=20, 合体No=-1"}},
    {335, "月のかけら", {"BMP=100,■HP=2,■移Ty=20, 移頻度=1, 移方向=4", "DP運=0,DP女=10,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {336, "月うさぎ", {"BMP=101,■HP=4,■移Ty=15, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=0"}},
    // Board 9: the mountain pass; the great rock (chain 1) and the old tree (chain 2) hold back their children.
    {340, "大岩", {"BMP=102,■HP=12,■移Ty=0, 移頻度=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0", "死亡連鎖=1"}},
    {341, "岩の子", {"BMP=103,■HP=3,■移Ty=20, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=342"}},
    {342, "小石", {"BMP=104,■HP=1,■移Ty=20, 移頻度=1, 移方向=3", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {343, "苔玉", {"BMP=105,■HP=3,■移Ty=20, 移頻度=2, 移方向=4", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=344"}},
    {344, "砂粒", {"BMP=106,■HP=1,■移Ty=20, 移頻度=1, 移方向=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {345, "古木", {"BMP=107,■HP=12,■移Ty=0, 移頻度=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0", "死亡連鎖=2"}},
    {346, "木霊", {"BMP=20,■HP=3,■移Ty=20, 移頻度=2, 移方向=3", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=347"}},
    {347, "葉っぱ", {"BMP=21,■HP=1,■移Ty=21, 移頻度=1, 移方向=4", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {348, "どんぐり", {"BMP=22,■HP=2,■移Ty=15, 移頻度=1, 移方向=3", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=349"}},
    {349, "芽吹き", {"BMP=23,■HP=1,■移Ty=0, 移頻度=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {350, "見張り石", {"BMP=24,■HP=5,■移Ty=10, 移頻度=1, 移方向=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {351, "山鳥", {"BMP=25,■HP=4,■移Ty=20, 移頻度=2, 移方向=4", "DP運=-5,DP女=0,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {352, "山の主", {"BMP=29,■HP=9,■移Ty=6, 移頻度=2, 移方向=4", "DP運=-15,DP女=0,■消DP運=0, 消DP女=30, 消変形No=0"}},
    // Board 10: the snowfield; the wolf and the eagle merge with their prey.
    {360, "雪玉", {"BMP=30,■HP=3,■移Ty=15, 移頻度=1, 移方向=2", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=361"}},
    {361, "大雪玉", {"BMP=31,■HP=6,■移Ty=15, 移頻度=2, 移方向=4", "DP運=-5,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {362, "雪兎", {"BMP=32,■HP=3,■移Ty=20, 移頻度=1, 移方向=3", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=363"}},
    {363, "白兎", {"BMP=33,■HP=4,■移Ty=20, 移頻度=2, 移方向=4", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {364, "つらら", {"BMP=34,■HP=4,■移Ty=0, 移頻度=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=365"}},
    {365, "落ちつらら", {"BMP=35,■HP=1,■移Ty=21, 移頻度=1, 移方向=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {366, "雪だるま", {"BMP=36,■HP=6,■移Ty=0, 移頻度=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=367"}},
    {367, "溶けだるま", {"BMP=37,■HP=2,■移Ty=0, 移頻度=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0", "寿命=4, 寿命DP運=0, 寿命DP女=5, 寿命変形No=0"}},
    {368, "霜の精", {"BMP=38,■HP=2,■移Ty=20, 移頻度=2, 移方向=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {369, "吹雪", {"BMP=39,■HP=5,■移Ty=21, 移頻度=1, 移方向=2", "DP運=-10,DP女=0,■消DP運=0, 消DP女=15, 消変形No=370"}},
    {370, "粉雪", {"BMP=40,■HP=1,■移Ty=20, 移頻度=2, 移方向=3", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {371, "氷の粒", {"BMP=41,■HP=1,■移Ty=20, 移頻度=1, 移方向=4", "DP運=0,DP女=0,■消DP運=0, 消DP女=5, 消変形No=0"}},
    {372, "氷狐", {"BMP=42,■HP=5,■移Ty=5, 移頻度=1, 移方向=3", "DP運=-5,DP女=0,■消DP運=0, 消DP女=20, 消変形No=373"}},
    {373, "氷狐の子", {"BMP=43,■HP=2,■移Ty=20, 移頻度=2, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {374, "凍り花", {"BMP=44,■HP=2,■移Ty=0, 移頻度=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0,■タDP運=0, タDP女=5, タDP頻度=4"}},
    {375, "雪鹿", {"BMP=45,■HP=5,■移Ty=10, 移頻度=1, 移方向=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=376"}},
    {376, "子鹿", {"BMP=46,■HP=2,■移Ty=20, 移頻度=2, 移方向=1", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {377, "雪狼", {"BMP=47,■HP=6,■移Ty=30, 移頻度=1", "DP運=-10,DP女=0,■消DP運=0, 消DP女=25, 消変形No=0", "移ター=375,■合体No=378"}},
    {378, "狼の群れ主", {"BMP=48,■HP=12,■移Ty=20, 移頻度=3, 移方向=3", "DP運=-15,DP女=0,■消DP運=0, 消DP女=40, 消変形No=0"}},
    {380, "氷の卵", {"BMP=49,■HP=3,■移Ty=0, 移頻度=2", "DP運=0,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0", "寿命=8, 寿命DP運=0, 寿命DP女=0, 寿命変形No=381"}},
    {381, "氷の雛", {"BMP=50,■HP=3,■移Ty=20, 移頻度=1, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {382, "雪鷲", {"BMP=51,■HP=6,■移Ty=33, 移頻度=1", "DP運=-10,DP女=0,■消DP運=0, 消DP女=25, 消変形No=0", "移ター=380,■合体No=383"}},
    {383, "白鷲", {"BMP=52,■HP=10,■移Ty=15, 移頻度=2, 移方向=2", "DP運=-10,DP女=0,■消DP運=0, 消DP女=40, 消変形No=0"}},
    // Board 11: the bell tower; each broken seal fires the next chain, up to the blessing.
    {390, "大鐘", {"BMP=53,■HP=9,■移Ty=0, 移頻度=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {391, "鐘の音", {"BMP=54,■HP=2,■移Ty=20, 移頻度=1, 移方向=4", "DP運=0,DP女=5,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {392, "一の封印", {"BMP=55,■HP=6,■移Ty=0, 移頻度=2", "DP運=-10,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0", "死亡連鎖=2"}},
    {393, "目覚めの光", {"BMP=56,■HP=3,■移Ty=20, 移頻度=2, 移方向=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0"}},
    {394, "二の封印", {"BMP=57,■HP=7,■移Ty=0, 移頻度=2", "DP運=-10,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0", "死亡連鎖=3"}},
    {395, "広がる光", {"BMP=58,■HP=4,■移Ty=20, 移頻度=1, 移方向=4", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {396, "三の封印", {"BMP=65,■HP=8,■移Ty=0, 移頻度=2", "DP運=-10,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0", "死亡連鎖=4"}},
    {397, "満ちる光", {"BMP=66,■HP=5,■移Ty=20, 移頻度=1, 移方向=2", "DP運=0,DP女=10,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {398, "四の封印", {"BMP=67,■HP=9,■移Ty=0, 移頻度=2", "DP運=-15,DP女=0,■消DP運=0, 消DP女=15, 消変形No=0", "死亡連鎖=5"}},
    {399, "最後の光", {"BMP=68,■HP=6,■移Ty=20, 移頻度=2, 移方向=4", "DP運=0,DP女=10,■消DP運=0, 消DP女=25, 消変形No=0", "死亡連鎖=6"}},
    {400, "祝福", {"BMP=59,■HP=1,■移Ty=0, 移頻度=10, 移方向=1", "DP運=0,DP女=20,■消DP運=0, 消DP女=0, 消変形No=0, ■寿命=10"}},
    {402, "竜の卵", {"BMP=106,■HP=8,■移Ty=0, 移頻度=2", "DP運=-5,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {403, "眠れる竜", {"BMP=107,■HP=99,■移Ty=30, 移頻度=2, 移方向=1", "DP運=0,DP女=0,■消DP運=0, 消DP女=0, 消変形No=0", "移ター=402, 合体No=404"}},
    {404, "孵った竜", {"BMP=105,■HP=5,■移Ty=0, 移頻度=1, 移方向=1", "DP運=0,DP女=0,■消DP運=-50, 消DP女=0, 消変形No=0, ■寿命=2,寿命DP運=-99"}},
    {405, "守りの石", {"BMP=69,■HP=9,■移Ty=0, 移頻度=2", "DP運=0,DP女=5,■消DP運=0, 消DP女=20, 消変形No=0"}},
    {406, "影の手", {"BMP=79,■HP=5,■移Ty=30, 移頻度=1", "DP運=-15,DP女=0,■消DP運=0, 消DP女=20, 消変形No=0", "移ター=405,■合体No=407"}},
    {407, "影の塊", {"BMP=92,■HP=10,■移Ty=20, 移頻度=2, 移方向=4", "DP運=-20,DP女=0,■消DP運=0, 消DP女=30, 消変形No=0", "寿命=8, 寿命DP運=-10, 寿命DP女=0, 寿命変形No=408"}},
    {408, "影のしずく", {"BMP=93,■HP=2,■移Ty=21, 移頻度=1, 移方向=1", "DP運=-5,DP女=0,■消DP運=0, 消DP女=10, 消変形No=0"}},
    {409, "灯火", {"BMP=94,■HP=3,■移Ty=0", "DP運=0,DP女=5,■消DP運=0, 消DP女=15, 消変形No=0"}},
};
static_assert(std::size(kCreatureTypes) == 199);

// The keys of the definition strings and the slot field each one fills.
struct KeyRow {
  const char* key;
  int CreatureSlotRecord::* field;
};
constexpr KeyRow kKeys[] = {
    {"BMP", &CreatureSlotRecord::PictureNo},
    {"HP", &CreatureSlotRecord::HitPoints},
    {"移Ty", &CreatureSlotRecord::CreatureMoveType},
    {"移方向", &CreatureSlotRecord::MoveDir},
    {"移頻度", &CreatureSlotRecord::MoveEvery},
    {"DP運", &CreatureSlotRecord::TouchLuck},
    {"DP女", &CreatureSlotRecord::TouchWoman},
    {"消DP運", &CreatureSlotRecord::GoneLuck},
    {"消DP女", &CreatureSlotRecord::GoneWoman},
    {"消変形No", &CreatureSlotRecord::GoneChangeTo},
    {"タDP運", &CreatureSlotRecord::TurnLuck},
    {"タDP女", &CreatureSlotRecord::TurnWoman},
    {"タDP頻度", &CreatureSlotRecord::TurnEvery},
    {"移ター", &CreatureSlotRecord::MoveTarget},
    {"食後移Ty", &CreatureSlotRecord::AfterEatMoveType},
    {"合体No", &CreatureSlotRecord::MergeInto},
    {"寿命", &CreatureSlotRecord::Lifespan},
    {"寿命DP運", &CreatureSlotRecord::EndLuck},
    {"寿命DP女", &CreatureSlotRecord::EndWoman},
    {"寿命変形No", &CreatureSlotRecord::EndChangeTo},
    {"変化連鎖", &CreatureSlotRecord::ChangeChain},
    {"死亡連鎖", &CreatureSlotRecord::DeathChain},
    {"合体連鎖", &CreatureSlotRecord::MergeChain},
};

constexpr int kMaxItems = 99;
constexpr int kLastReadItem = 49;  // items past the 49th are split off but not read

void EraseAll(std::string& text, const std::string& what) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) text.erase(at, what.size());
}

}  // namespace

std::span<const CreatureTypeRow> CreatureTypes() { return kCreatureTypes; }

const CreatureTypeRow* FindCreatureType(int type) {
  const auto* end = std::end(kCreatureTypes);
  const auto* it = std::lower_bound(std::begin(kCreatureTypes), end, type,
                                    [](const CreatureTypeRow& row, int t) { return row.type < t; });
  return it != end && it->type == type ? it : nullptr;
}

void ReadCreatureDefinition(int slot, const std::string& s1, const std::string& s2, const std::string& s3) {
  if (!ValidCreatureSlot(slot)) return;
  std::string text = s1 + "," + s2 + "," + s3 + ",";
  EraseAll(text, "■");
  EraseAll(text, " ");  // the ideographic space stays: it is part of a key or value
  std::vector<std::string> items;
  int count = 0;
  SplitFields(text, ",", kMaxItems, items, count);
  CreatureSlotRecord& c = CreatureSlot[static_cast<size_t>(slot)];
  for (int i = 1; i <= count && i <= kLastReadItem; ++i) {
    const std::string& item = items[static_cast<size_t>(i)];
    const size_t eq = item.find('=');
    const std::string key = eq == std::string::npos ? item : item.substr(0, eq);
    const std::string value = eq == std::string::npos ? std::string() : item.substr(eq + 1);
    for (const KeyRow& row : kKeys) {
      if (key == row.key) c.*row.field = ReadScriptNumber(value);
    }
  }
}

void D50_SetCreature(int type, int slot, int appearTurn) {
  if (!ValidCreatureSlot(slot)) return;
  D50_ClearSlot(1, slot);
  CreatureSlotRecord& c = CreatureSlot[static_cast<size_t>(slot)];
  c.CreatureType = type;
  c.Waiting = 0;
  if (appearTurn > 0) {
    c.AppearTurn = appearTurn;
    c.Waiting = 1;
  }
  const CreatureTypeRow* row = FindCreatureType(type);
  if (row == nullptr) return;
  auto text = [](const char* s) { return s == nullptr ? std::string() : std::string(s); };
  ReadCreatureDefinition(slot, text(row->strings[0]), text(row->strings[1]), text(row->strings[2]));
}
