#include "marbrook/marbrook_pictures.h"

#include <array>
#include <vector>

#include "engine/layers.h"
#include "platform/platform.h"

namespace {

constexpr const char* kPictureRoot = "Tanselr_Data/TanselrCG/";

// Sub-folders by kind range, in the catalogue's order.
struct FolderRow {
  int first, last;
  const char* folder;
};
constexpr FolderRow kFolders[] = {
    {5, 6, "Title/"},        {30, 99, "ETC/"},      {100, 199, "Event/"},  {200, 219, "G_face/"},
    {220, 299, "O_face/"},   {300, 399, "Z_face/"}, {1000, 1199, "G01/"},  {1200, 1219, "G02/"},
    {1220, 1239, "G03/"},    {1240, 1249, "G09/"},  {1250, 1269, "G05/"},  {1270, 1299, "G06/"},
    {1300, 1309, "G07/"},    {1400, 1499, "G08/"},  {1500, 1599, "EroMachi/"},
};

// How a name is built: a fixed name, or a prefix followed by the number.
enum class Form { kFixed, kTwoDigit, kThreeDigit, kPlain, kTwoDigitSuffix, kKanPlusThree };

struct NameRow {
  int kind;
  Form form;
  const char* name;  // the fixed name, or the prefix
  const char* suffix = "";
};

// Names by kind, in the catalogue's order.
constexpr NameRow kNames[] = {
    {5, Form::kTwoDigit, "T00_"},
    {6, Form::kTwoDigit, "Sys_"},
    {30, Form::kFixed, "Back00a"},
    {31, Form::kFixed, "00Face_10L"},
    {32, Form::kFixed, "Back01_920"},
    {33, Form::kFixed, "BackMain00"},
    {34, Form::kFixed, "ClickWait_Fs16"},
    {35, Form::kFixed, "Back02"},
    {36, Form::kFixed, "Back03"},
    {50, Form::kFixed, "asetobi_60L"},
    {51, Form::kFixed, "asetobi_60R"},
    {60, Form::kFixed, "asehiya_60"},
    {200, Form::kFixed, "00Face_01"},
    {201, Form::kFixed, "00Face_02"},
    {202, Form::kFixed, "00Face_04"},
    {204, Form::kFixed, "01Face_09"},
    {205, Form::kFixed, "01Face_06"},
    {206, Form::kFixed, "01Face_02"},
    {207, Form::kFixed, "01Face_05"},
    {208, Form::kFixed, "01Face_08"},
    {209, Form::kFixed, "01Face_01"},
    {210, Form::kFixed, "02Face_00"},
    {211, Form::kFixed, "02Face_01"},
    {213, Form::kFixed, "02Face_03"},
    {220, Form::kFixed, "OFace_A00b"},
    {221, Form::kFixed, "OFace_A01"},
    {222, Form::kFixed, "OFace_A01re"},
    {223, Form::kFixed, "OFace_A00s"},
    {224, Form::kFixed, "OFace_A02s"},
    {225, Form::kFixed, "OFace_A00bre"},
    {226, Form::kFixed, "OFace_A02re"},
    {227, Form::kFixed, "OFace_A03"},
    {228, Form::kFixed, "OFace_A02"},
    {229, Form::kFixed, "OFace_A04"},
    {230, Form::kFixed, "OFace_B00_280"},
    {231, Form::kFixed, "OFace_B01"},
    {232, Form::kFixed, "OFace_B01re"},
    {233, Form::kFixed, "OFace_B00_196"},
    {234, Form::kFixed, "OFace_B02_02"},
    {235, Form::kFixed, "OFace_B02_03"},
    {240, Form::kFixed, "OFace_C00_270"},
    {241, Form::kFixed, "OFace_C01"},
    {242, Form::kFixed, "OFace_C01re"},
    {243, Form::kFixed, "OFace_C00s"},
    {244, Form::kFixed, "OFace_C02s"},
    {245, Form::kFixed, "OFace_C02re"},
    {246, Form::kFixed, "OFace_C03"},
    {247, Form::kFixed, "OFace_C02"},
    {248, Form::kFixed, "OFace_C04b"},
    {250, Form::kFixed, "OFace_D00"},
    {260, Form::kFixed, "OFace_E00"},
    {270, Form::kFixed, "OFace_F00"},
    {271, Form::kFixed, "OFace_F01"},
    {272, Form::kFixed, "OFace_F00re"},
    {273, Form::kFixed, "OFace_F01re"},
    {274, Form::kFixed, "OFace_F02"},
    {275, Form::kFixed, "OFace_F03"},
    {276, Form::kFixed, "OFace_F04"},
    {280, Form::kFixed, "OFace_G00x"},
    {290, Form::kTwoDigit, "OFace_X"},
    {300, Form::kTwoDigit, "ZFace_A"},
    {301, Form::kTwoDigit, "ZFace_B"},
    {302, Form::kTwoDigit, "ZFace_C"},
    {310, Form::kTwoDigit, "Staff_"},
    {1000, Form::kFixed, "GAMECLEAR"},
    {1001, Form::kFixed, "GAMEOVER"},
    {1100, Form::kPlain, "G1_Title"},
    {1101, Form::kTwoDigit, "G1_Back"},
    {1102, Form::kTwoDigit, "G1_Kan"},
    {1105, Form::kTwoDigit, "G1_Mes"},
    {1106, Form::kKanPlusThree, "G1_Kan0"},
    {1107, Form::kTwoDigit, "G1_Ren"},
    {1109, Form::kFixed, "G1_Kan01_120"},
    {1110, Form::kTwoDigit, "G1_PGu"},
    {1111, Form::kTwoDigit, "G1_TGu"},
    {1112, Form::kTwoDigitSuffix, "G1_TGu", "-x2"},
    {1113, Form::kTwoDigitSuffix, "G1_TGu", "-x3"},
    {1121, Form::kTwoDigit, "G1_Sen1_"},
    {1122, Form::kTwoDigit, "G1_Sen2_"},
    {1123, Form::kTwoDigit, "G1_Sen3_"},
    {1130, Form::kTwoDigit, "G1_Heart"},
    {1200, Form::kTwoDigit, "G2_Title"},
    {1210, Form::kTwoDigit, "G2_EASY"},
    {1211, Form::kFixed, "Sai_s300"},
    {1212, Form::kFixed, "GOAL_2760"},
    {1213, Form::kFixed, "CLEAR"},
    {1214, Form::kTwoDigit, "G2_HARD"},
    {1215, Form::kFixed, "GAMEOVER"},
    {1220, Form::kFixed, "G3_Title00"},
    {1221, Form::kFixed, "G3_Button00"},
    {1222, Form::kFixed, "G3_Masu"},
    {1223, Form::kFixed, "G3_Back"},
    {1224, Form::kFixed, "G3_You"},
    {1225, Form::kFixed, "G3_CPU"},
    {1226, Form::kTwoDigit, "G3_Kanban"},
    {1227, Form::kFixed, "G3_Sai_H250"},
    {1228, Form::kFixed, "G3_MesH300"},
    {1229, Form::kFixed, "G3_CLEAR"},
    {1230, Form::kTwoDigit, "G3_Syukai"},
    {1240, Form::kFixed, "ADV_Title"},
    {1241, Form::kFixed, "ADV_Main"},
    {1242, Form::kFixed, "ADV_Logo02"},
    {1250, Form::kFixed, "BO_Title"},
    {1251, Form::kFixed, "BO_Back00"},
    {1252, Form::kTwoDigit, "BO_Kanban"},
    {1253, Form::kTwoDigit, "BO_Zan"},
    {1254, Form::kFixed, "BO_GAMEOVER"},
    {1255, Form::kFixed, "BO_GAMECLEAR"},
    {1256, Form::kFixed, "BO_Select"},
    {1260, Form::kFixed, "BO_s300SideA"},
    {1261, Form::kFixed, "BO_s300SideB"},
    {1262, Form::kFixed, "BO_s150SideA"},
    {1263, Form::kFixed, "BO_s150SideB"},
    {1264, Form::kFixed, "BO_s51SideA"},
    {1265, Form::kFixed, "BO_s51SideB"},
    {1270, Form::kTwoDigit, "Ca_Panel"},
    {1271, Form::kTwoDigit, "Ca_GameBack"},
    {1272, Form::kTwoDigit, "Ca_Kanban"},
    {1273, Form::kFixed, "Ca_BET"},
    {1274, Form::kFixed, "Ca_BET_Button"},
    {1275, Form::kFixed, "Ca_Goukei"},
    {1276, Form::kTwoDigit, "Ca_GameRule"},
    {1277, Form::kFixed, "Ca_Bai_s320"},
    {1278, Form::kTwoDigit, "Ca_SysKanban"},
    {1279, Form::kFixed, "Ca_SYS_Button"},
    {1280, Form::kFixed, "Ca_CardA00_s210"},
    {1281, Form::kFixed, "Ca_CardB_s210"},
    {1282, Form::kFixed, "Ca_CardA01_s210"},
    {1283, Form::kTwoDigit, "Card"},
    {1285, Form::kFixed, "SL_Reel"},
    {1286, Form::kFixed, "SL_BET_Button"},
    {1287, Form::kFixed, "SL_Bar"},
    {1288, Form::kFixed, "SL_Line"},
    {1289, Form::kTwoDigit, "SL_Panel"},
    {1290, Form::kTwoDigit, "G6_Title"},
    {1291, Form::kFixed, "G6_Select"},
    {1292, Form::kFixed, "G6_GO"},
    {1300, Form::kTwoDigit, "RPG_Map"},
    {1301, Form::kTwoDigit, "RPG_Parts"},
    {1400, Form::kThreeDigit, "ADV2_CG_"},
    {1401, Form::kTwoDigit, "BotuCG_"},
    {1500, Form::kTwoDigit, "EroMachi_"},
};

// The number with leading zeros to at least `width` characters; a longer number
// keeps all its digits, so numbers above 99 still name distinct files.
std::string Padded(int number, size_t width) {
  std::string digits = std::to_string(number);
  return digits.size() >= width ? digits : std::string(width - digits.size(), '0') + digits;
}

const FolderRow* FolderOf(int kind) {
  for (const FolderRow& row : kFolders) {
    if (kind >= row.first && kind <= row.last) return &row;
  }
  return nullptr;
}

const NameRow* NameOf(int kind) {
  for (const NameRow& row : kNames) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

std::string BuildName(const NameRow& row, int number) {
  switch (row.form) {
    case Form::kFixed: return row.name;
    case Form::kTwoDigit: return row.name + Padded(number, 2);
    case Form::kThreeDigit: return row.name + Padded(number, 3);
    case Form::kPlain: return row.name + std::to_string(number);
    case Form::kTwoDigitSuffix: return row.name + Padded(number, 2) + row.suffix;
    case Form::kKanPlusThree: return row.name + std::to_string(number + 3);
  }
  return "";
}

bool IsEventKind(int kind) { return kind >= 100 && kind <= 199; }

std::vector<MarbrookPictureKind> AllKinds() {
  std::vector<MarbrookPictureKind> kinds;
  for (const NameRow& row : kNames) {
    if (row.kind >= 100) break;
    kinds.push_back({row.kind, row.form != Form::kFixed});
  }
  for (int kind = 100; kind <= 199; ++kind) kinds.push_back({kind, true});
  for (const NameRow& row : kNames) {
    if (row.kind >= 100) kinds.push_back({row.kind, row.form != Form::kFixed});
  }
  return kinds;
}

}  // namespace

std::string MarbrookPicturePath(int kind, int number) {
  const FolderRow* folder = FolderOf(kind);
  if (folder == nullptr) return "";
  std::string name;
  if (IsEventKind(kind)) {
    name = "Event" + Padded(kind - 100, 2) + "-" + Padded(number, 2);
  } else if (const NameRow* row = NameOf(kind)) {
    name = BuildName(*row, number);
  } else {
    return "";
  }
  return std::string(kPictureRoot) + folder->folder + name + ".JPG";
}

std::span<const MarbrookPictureKind> MarbrookPictureKinds() {
  static const std::vector<MarbrookPictureKind> kinds = AllKinds();
  return kinds;
}

void C00_LoadPicture(int target, int kind, int number) {
  const std::string relative = kind == 0 ? "" : MarbrookPicturePath(kind, number);
  LoadPictureIntoTarget(target, relative.empty() ? "" : tq::ThePlatform().ProgramFolder() + "/" + relative);
}
