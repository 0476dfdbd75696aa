#include "vadrim/vadrim_pictures.h"

#include <vector>

#include "engine/layers.h"
#include "platform/platform.h"

namespace {

constexpr const char* kPictureRoot = "Kespa_Data/KespaCG/";
constexpr const char* kExtraRoot = "Kespa_Data/KespaETC/";

// Sub-folders by kind range; kinds outside every range have none.
struct FolderRow {
  int first, last;
  const char* folder;
};
constexpr FolderRow kFolders[] = {
    {20, 29, "Back/"}, {30, 49, "Face/"}, {70, 109, "Game/"}, {110, 199, "Event/"},
};

// The extras' picture show keeps its pictures apart, under another extension.
bool IsExtraKind(int kind) { return kind >= 15 && kind <= 17; }

// How the number enters a name: not at all, as NN or NNN, or the kind's own number.
enum class Form { kFixed, kTwo, kThree, kKindLess30, kKindLess60 };

// Name = word + name + number part + suffix; the word is a heroine's name word.
struct NameRow {
  int kind;
  Form form;
  const char* word;
  const char* name;
  const char* suffix = "";
};

// Names by kind, in the catalogue's order.
constexpr NameRow kNames[] = {
    // Title and menus.
    {1, Form::kFixed, "", "Logo1"},
    {10, Form::kTwo, "", "Title0-"},
    {11, Form::kTwo, "", "Title"},
    {12, Form::kTwo, "", "StageSelect"},
    {13, Form::kTwo, "", "CGSelect"},
    {14, Form::kTwo, "", "AllClear"},
    {15, Form::kTwo, "", "ACM_"},
    {16, Form::kFixed, "", "Kan00"},
    {17, Form::kFixed, "", "Ti"},
    // Place backgrounds.
    {20, Form::kFixed, "", "Orvel全景"},
    {21, Form::kFixed, "", "海岸B"},
    {22, Form::kFixed, "", "左側B"},
    {23, Form::kFixed, "", "真ん中"},
    {24, Form::kFixed, "", "右側"},
    {25, Form::kFixed, "", "Event_01"},
    {26, Form::kFixed, "", "Event_05"},
    // Faces.
    {30, Form::kKindLess30, "", "O-Face_"},
    {31, Form::kKindLess30, "", "O-Face_"},
    {32, Form::kKindLess30, "", "O-Face_"},
    {33, Form::kKindLess30, "", "O-Face_"},
    {34, Form::kKindLess30, "", "O-Face_"},
    {35, Form::kKindLess30, "", "O-Face_"},
    {36, Form::kKindLess30, "", "O-Face_"},
    {37, Form::kKindLess30, "", "O-Face_"},
    {38, Form::kKindLess30, "", "O-Face_"},
    {39, Form::kKindLess30, "", "O-Face_"},
    {40, Form::kFixed, kHeroineA, "s200"},
    {41, Form::kFixed, kHeroineC, "s200"},
    {42, Form::kFixed, kHeroineD, "s200"},
    {43, Form::kFixed, kHeroineB, "s200"},
    {44, Form::kKindLess30, "", "O-Face_"},
    {45, Form::kKindLess30, "", "O-Face_"},
    {46, Form::kKindLess30, "", "O-Face_"},
    {47, Form::kKindLess30, "", "O-Face_"},
    {48, Form::kKindLess30, "", "O-Face_"},
    {49, Form::kKindLess30, "", "O-Face_"},
    // Select screens.
    {50, Form::kFixed, "", "SelectA2"},
    {51, Form::kFixed, "", "SelectG1"},
    {52, Form::kFixed, "", "SelectG2"},
    {53, Form::kFixed, "", "SelectG3"},
    {54, Form::kFixed, "", "SelectO01_50B"},
    {55, Form::kFixed, "", "SelectO02_50"},
    {56, Form::kFixed, "", "SelectO03_50B"},
    {57, Form::kFixed, "", "SelectB2"},
    // Staff roll.
    {60, Form::kKindLess60, "", "Staff"},
    {61, Form::kKindLess60, "", "Staff"},
    {62, Form::kKindLess60, "", "Staff"},
    {63, Form::kKindLess60, "", "Staff"},
    {64, Form::kKindLess60, "", "Staff"},
    {65, Form::kKindLess60, "", "Staff"},
    {66, Form::kKindLess60, "", "Staff"},
    {67, Form::kKindLess60, "", "Staff"},
    {68, Form::kKindLess60, "", "Staff"},
    {69, Form::kKindLess60, "", "Staff"},
    // The board game.
    {70, Form::kFixed, "", "Map05"},
    {71, Form::kTwo, "", "Houkou_"},
    {72, Form::kFixed, "", "com03_110"},
    {73, Form::kFixed, "", "dice01"},
    {74, Form::kFixed, "", "Para00c"},
    {75, Form::kTwo, "", "ItemBack"},
    {76, Form::kFixed, "", "Turn01"},
    {77, Form::kFixed, "", "Item"},
    {78, Form::kFixed, "", "Mes01C"},
    {79, Form::kFixed, "", "Teki01"},
    {80, Form::kFixed, "", "Attack00"},
    {81, Form::kFixed, "", "Kan_GAME START"},
    {82, Form::kTwo, "", "Kan_STAGE_"},
    {83, Form::kFixed, "", "Button00"},
    {84, Form::kTwo, "", "EventKan"},
    {85, Form::kFixed, "", "Kan_GO_s60"},
    {86, Form::kFixed, "", "Kan_GAMEOVERb"},
    {87, Form::kFixed, "", "Kan_STAGECLEAR"},
    {88, Form::kTwo, "", "Mes10-"},
    {89, Form::kTwo, "", "Koma70_"},
    {90, Form::kTwo, "", "Mini", "_s96"},
    {91, Form::kFixed, "", "Kan_CONTINUE"},
    {92, Form::kTwo, "", "EventMini"},
    {93, Form::kFixed, "", "Kan_Stop_550"},
    {94, Form::kTwo, "", "Manual_"},
    {95, Form::kFixed, "", "Retry_Kan"},
    {96, Form::kFixed, "", "Retry_But"},
    {97, Form::kFixed, "", "Para_Turn01"},
    {98, Form::kFixed, "", "Para_Attack01"},
    {99, Form::kTwo, "", "Kan_Mes"},
    {100, Form::kFixed, "", "ItemBack02_445c"},
    {101, Form::kFixed, "", "ItemKan01"},
    {102, Form::kThree, "", "EventKan"},
    {103, Form::kFixed, "", "BatSelect_s250"},
    // Event pictures of the stories.
    {110, Form::kFixed, kHeroineA, "00e"},
    {111, Form::kFixed, kHeroineA, "01e"},
    {112, Form::kFixed, kHeroineA, "02f"},
    {120, Form::kFixed, kHeroineB, "00e"},
    {121, Form::kFixed, kHeroineB, "01e"},
    {122, Form::kFixed, kHeroineB, "02m"},
    {123, Form::kFixed, kHeroineB, "03f"},
    {130, Form::kFixed, kHeroineC, "00"},
    {131, Form::kFixed, kHeroineC, "01"},
    {132, Form::kFixed, kHeroineC, "02"},
    {139, Form::kFixed, kHeroineC, "09a"},
    {140, Form::kFixed, kHeroineD, "00g"},
    {141, Form::kFixed, kHeroineD, "01"},
    {142, Form::kFixed, kHeroineD, "02m2"},
    {149, Form::kFixed, kHeroineD, "09a"},
    {150, Form::kFixed, kHeroinePair, "00"},
    {151, Form::kFixed, kHeroinePair, "01"},
    {152, Form::kFixed, kHeroinePair, "02m"},
    {160, Form::kFixed, kHeroineC, "03a8m"},
    {161, Form::kFixed, kHeroineC, "03b8m"},
    {162, Form::kFixed, kHeroineC, "04a8m"},
    {163, Form::kFixed, kHeroineC, "04b8m"},
    {165, Form::kFixed, kHeroineD, "03a8m"},
    {166, Form::kFixed, kHeroineD, "03b8m"},
    {167, Form::kFixed, kHeroineD, "04a8m"},
    {168, Form::kFixed, kHeroineD, "04b8m"},
    {170, Form::kFixed, kHeroineC, "Omake920"},
};
static_assert(std::size(kNames) == 115);

// The number's decimal text when it has one or two characters, "0"-padded to two;
// "" for a longer text.
std::string TwoPart(int number) {
  const std::string text = std::to_string(number);
  if (text.size() > 2) return "";
  return text.size() == 1 ? "0" + text : text;
}

// The number's text when it has exactly three characters, else "".
std::string ThreePart(int number) {
  const std::string text = std::to_string(number);
  return text.size() == 3 ? text : "";
}

const char* FolderOf(int kind) {
  for (const FolderRow& row : kFolders) {
    if (kind >= row.first && kind <= row.last) return row.folder;
  }
  return "";
}

const NameRow* NameOf(int kind) {
  for (const NameRow& row : kNames) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

std::string BuildName(const NameRow& row, int kind, int number) {
  std::string name = std::string(row.word) + row.name;
  switch (row.form) {
    case Form::kFixed: break;
    case Form::kTwo: name += TwoPart(number); break;
    case Form::kThree: name += ThreePart(number); break;
    case Form::kKindLess30: name += TwoPart(kind - 30); break;
    case Form::kKindLess60: name += TwoPart(kind - 60); break;
  }
  return name + row.suffix;
}

std::vector<VadrimPictureKind> AllKinds() {
  std::vector<VadrimPictureKind> kinds;
  for (const NameRow& row : kNames) {
    const char* part = row.form == Form::kTwo ? "NN" : (row.form == Form::kThree ? "NNN" : "");
    kinds.push_back({row.kind, part});
  }
  return kinds;
}

}  // namespace

std::string VadrimPicturePath(int kind, int number) {
  if (kind == 0) return "";
  const NameRow* row = NameOf(kind);
  const std::string name = row == nullptr ? "" : BuildName(*row, kind, number);
  if (IsExtraKind(kind)) return std::string(kExtraRoot) + name + ".dat";
  return std::string(kPictureRoot) + FolderOf(kind) + name + ".jpg";
}

std::span<const VadrimPictureKind> VadrimPictureKinds() {
  static const std::vector<VadrimPictureKind> kinds = AllKinds();
  return kinds;
}

void D00_LoadPicture(int target, int kind, int number) {
  const std::string relative = VadrimPicturePath(kind, number);
  // A path that ends in its extension alone names no picture of the catalogue.
  const bool named = !relative.empty() && relative.back() != '/' &&
                     relative.find("/.") == std::string::npos;
  LoadPictureIntoTarget(target, named ? tq::ThePlatform().ProgramFolder() + "/" + relative : "");
}
