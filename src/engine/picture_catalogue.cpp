#include "engine/picture_catalogue.h"

#include "engine/layers.h"
#include "engine/modes.h"
#include "platform/platform.h"

namespace {

struct Entry {
  int number;
  const char* folder;
  const char* name;
};

// The names the original left open (the opening picture 50, the opening's four
// backgrounds 1100 to 1103 and face 10) are this system's own.
const Entry kCatalogue[] = {
    {50, "Event\\", "Opening00"},
    {100, "Face\\", "整備02_s250x176_0"},
    {110, "Face\\", "通信01_高さ調整1_s250x175"},
    {120, "Face\\", "隊員A01_s250x176_0"},
    {130, "Face\\", "ルーキー01_s250x176_0"},
    {140, "Face\\", "曹長01_s250x176_0"},
    {1000, "Event\\", "ぐちぱ飛ぶ_(x256→x512)_1"},
    {1001, "Event\\", "地球01_(512X177)_0"},
    {1002, "Event\\", "再び危機01_(512x177)_0仮"},
    {1003, "Event\\", "瓦礫00_(512x177)_0仮"},
    {1004, "Event\\", "都市破壊03_ビル(160x70→x4)_0"},
    {1005, "Event\\", "都市破壊03_破壊(160x70→x4)_0"},
    {1006, "Event\\", "都市上空03_(s800→s640)_6B"},
    {1010, "Event\\", "都市破壊04_(s800→s640)_No00"},
    {1011, "Event\\", "都市破壊04_(s800→s640)_No01b"},
    {1012, "Event\\", "都市破壊04_(s800→s640)_No02"},
    {1013, "Event\\", "都市破壊04_(s800→s640)_No03b"},
    {1014, "Event\\", "都市破壊04_(s800→s640)_No04"},
    {1015, "Event\\", "都市破壊04_(s800→s640)_No05b"},
    {1016, "Event\\", "都市破壊04_(s800→s640)_No06"},
    {1017, "Event\\", "都市破壊04_(s800→s640)_No07b"},
    {1018, "Event\\", "都市破壊04_(s800→s640)_No08"},
    {1020, "Event\\", "SkelvaneカードA"},
    {1021, "Event\\", "Title01_(s800_16Bit)"},
    {1022, "Event\\", "Skelvane１用CG1"},
    {1100, "Back\\", "Back_Map00"},
    {1101, "Back\\", "Back_Base00_Before"},
    {1102, "Back\\", "Back_Base00_After"},
    {1103, "Back\\", "Back_Base00_Parts"},
    {1104, "Event\\", "Skelvane１_カード裏_横(80x50)_1"},
};

// Face numbers that differ from the catalogue; the rest of the faces (110 to 140)
// and the event pictures (1000 to 1006, 1010 to 1018) are the catalogue's.
const Entry kFaces[] = {
    {10, "Face\\", "Face_Player00"},
    {40, "Face\\", "顔_店の主人(s130)_決定"},
    {50, "", "asetobi_60L"},
    {51, "", "asetobi_60R"},
    {60, "", "asehiya_60"},
    {100, "Face\\", "整備01_高さ調整2_s250x175"},
};

const Entry* Find(const Entry* table, size_t count, int number) {
  for (size_t i = 0; i < count; ++i) {
    if (table[i].number == number) return &table[i];
  }
  return nullptr;
}

std::string PicturePath(const std::string& folder, const std::string& name) {
  return tq::ThePlatform().ProgramFolder() + "\\bmp_data\\" + folder + name + ".BMP";
}

bool FaceSharesCatalogue(int number) {
  return (number >= 110 && number <= 140) || (number >= 1000 && number <= 1006) ||
         (number >= 1010 && number <= 1018);
}

constexpr int kClickWaitKind = 34;

}  // namespace

// A number a table does not list names no file: it loads an empty picture, as number
// 0 does, and no nameless file is looked for or reported missing.
std::string CataloguePicturePath(int number) {
  const Entry* e = Find(kCatalogue, std::size(kCatalogue), number);
  return e != nullptr ? PicturePath(e->folder, e->name) : "";
}

std::string FacePicturePath(int number) {
  const Entry* e = Find(kFaces, std::size(kFaces), number);
  if (e == nullptr && FaceSharesCatalogue(number)) e = Find(kCatalogue, std::size(kCatalogue), number);
  return e != nullptr ? PicturePath(e->folder, e->name) : "";
}

void LoadCataloguePicture(int target, int number, int /*unused*/) {
  LoadPictureIntoTarget(target, CataloguePicturePath(number));
}

void LoadFacePicture(int number) {
  if (CurrentModeId() == ModeId::Marbrook) {
    auto* marbrook = ModeHooksFor(ModeId::Marbrook).LoadPictureByKind;
    if (marbrook == nullptr) marbrook = CrossingHooks.MarbrookLoadPicture;
    if (marbrook != nullptr) marbrook(1, number, 0);
    return;
  }
  if (number == 0) return;
  LoadPictureIntoTarget(1, FacePicturePath(number));
}

void LoadClickWaitPicture(int target, int kind, int /*number*/) {
  if (kind == 0) {
    LoadPictureIntoTarget(target, "");
  } else if (kind == kClickWaitKind) {
    LoadPictureIntoTarget(target, tq::ThePlatform().ProgramFolder() + "\\Tanselr_Data\\TanselrCG\\ETC\\ClickWait_Fs16.JPG");
  }
}
