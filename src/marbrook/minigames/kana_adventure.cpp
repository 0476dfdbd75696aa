#include "marbrook/minigames/kana_adventure.h"

#include "engine/frame_model.h"
#include "engine/game_window.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/text.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_pictures.h"
#include "games/screen_buttons.h"
#include "marbrook/minigames/room_adventure.h"
#include "platform/platform.h"

KanaAdventureStateRecord KanaAdventureState;

namespace {

constexpr int kSceneCode = 59;

enum : int {  // SceneState
  kStart = 0,
  kTitle = 1,
  kNewGame = 5,
  kReady = 6,
  kPlaying = 10,
  kEnding1 = 20,
  kEnding2 = 21,
  kEnding3 = 22,
  kEndingOver = 25,
  kAllClear = 26,
  kLeaving = 27,
};

enum : int { kTitlePicture = 1240, kPlacesPicture = 1241, kLogoPicture = 1242 };
constexpr int kPlacesSheet = 0;
constexpr int kButtonModePlay = 10;
constexpr int kButtonHeight = 28;
constexpr int kTextSize = 18;
constexpr int kButtonCount = 7;
constexpr int kRevealed = 2;  // the button that examining reveals
constexpr int kFirstCompass = 3;
// G09Location of the two halves of ending 2 and 3.
constexpr int kEndingFirstHalf = 10;
constexpr int kEndingSecondHalf = 11;

// What a compass button or the revealed button leads to.
enum : int { kNo = -1, kEnd1 = 101, kEnd2 = 102, kEnd3 = 103, kDeath1 = 201, kDeath2 = 202, kDeath3 = 203 };

struct Exit {
  int to;  // a place, kNo or an ending
  const char* arrival;
};
struct PlaceRow {
  int picture;
  const char* look;
  const char* examine;
  const char* examine2;
  Exit exits[4];  // N, E, S, W
  const char* revealed;  // caption of button 2, or nullptr
  int revealedAction;
};

// The eight places, in place order.
constexpr PlaceRow kPlaces[] = {
    {0, "ﾐｺﾞﾄﾅ ﾌｳｹｲﾃﾞｽ", "ﾄｸﾆ ｶﾜｯﾀﾄｺﾛﾊ ｱﾘﾏｾﾝ", "", {{1, "ﾓﾘﾉ ﾃﾏｴﾃﾞｽ"}, {kEnd1, ""}, {kNo, ""}, {kNo, ""}}, nullptr, 0},
    {1, "ﾐﾁﾊ ﾓﾘﾉﾅｶﾍﾄ ﾂﾂﾞｲﾃｲﾏｽ", "ﾄｸﾆ ｶﾜｯﾀﾄｺﾛﾊ ｱﾘﾏｾﾝ", "",
     {{2, "ﾓﾘﾆ ﾊｲﾘﾏｼﾀ"}, {kNo, ""}, {0, "ｻｲｼｮﾉ ﾊﾞｼｮﾃﾞｽ"}, {kNo, ""}}, nullptr, 0},
    {2, "ﾐﾁｶﾞ 4ﾎｳｺｳﾆ ﾜｶﾚﾃｲﾏｽ", "ﾄｸﾆ ｶﾜｯﾀﾄｺﾛﾊ ｱﾘﾏｾﾝ", "",
     {{5, "ﾓﾘﾉ ｵｸﾃﾞｽ"}, {3, "ｲｹｶﾞ ｱﾘﾏｽ"}, {1, "ﾓﾘｶﾗ ﾃﾞﾏｼﾀ"}, {4, "ｲｷﾄﾞﾏﾘ ﾃﾞｽ"}}, nullptr, 0},
    {5, "ｽｺｼ ﾆｺﾞｯﾀ ｷﾚｲﾅ ﾐｽﾞﾃﾞｽ", "ｲｹｦ ｵﾖｹﾞﾊﾞ", "ｻﾗﾆ ｵｸﾍﾄ ｽｽﾒｿｳﾃﾞｽ",
     {{kNo, ""}, {kNo, ""}, {kNo, ""}, {2, "ｼﾞｭｳｼﾞﾛﾆ ﾓﾄﾞﾘﾏｼﾀ"}}, "ｵﾖｸﾞ", kDeath1},
    {4, "ﾐﾁｶﾞ ﾄｷﾞﾚﾃｲﾏｽ", "ﾑﾘｦ ｽﾚﾊﾞ", "ｻﾗﾆ ｵｸﾍﾄ ｽｽﾒｿｳﾃﾞｽ",
     {{kNo, ""}, {2, "ｼﾞｭｳｼﾞﾛﾆ ﾓﾄﾞﾘﾏｼﾀ"}, {kNo, ""}, {kNo, ""}}, "ｵｸﾍｽｽﾑ", kDeath2},
    {3, "ﾐﾁｶﾞ 4ﾎｳｺｳﾆ ﾜｶﾚﾃｲﾏｽ", "ﾄｸﾆ ｶﾜｯﾀﾄｺﾛﾊ ｱﾘﾏｾﾝ", "",
     {{7, "ｱﾅｶﾞ ｱﾘﾏｽ"}, {kEnd3, ""}, {2, "ｻｲｼｮﾉ ｼﾞｭｳｼﾞﾛﾃﾞｽ"}, {6, "UFOｶﾞ ｱﾘﾏｽ"}}, nullptr, 0},
    {8, "ﾐｺﾞﾄﾅ UFOﾃﾞｽ", "UFOﾉ ｲﾘｸﾞﾁﾆﾊ", "ｶｷﾞﾊ ｶｶｯﾃｲﾅｲﾖｳﾃﾞｽ",
     {{kNo, ""}, {5, "ｼﾞｭｳｼﾞﾛﾆ ﾓﾄﾞﾘﾏｼﾀ"}, {kNo, ""}, {kNo, ""}}, "UFOﾆﾉﾙ", kEnd2},
    {6, "ﾄﾃﾓ ﾌｶｲ ｱﾅﾃﾞｽ", "ｱﾅｦ ﾄﾋﾞｺｴﾚﾊﾞ", "ｻﾗﾆ ｵｸﾍﾄ ｽｽﾒｿｳﾃﾞｽ",
     {{kNo, ""}, {kNo, ""}, {5, "ｼﾞｭｳｼﾞﾛﾆ ﾓﾄﾞﾘﾏｼﾀ"}, {kNo, ""}}, "ﾄﾋﾞｺｴﾙ", kDeath3},
};

constexpr const char* kMoved[] = {"ｷﾀﾆ ｲﾄﾞｳ ｼﾏｼﾀ", "ﾋｶﾞｼﾆ ｲﾄﾞｳ ｼﾏｼﾀ", "ﾐﾅﾐﾆ ｲﾄﾞｳ ｼﾏｼﾀ", "ﾆｼﾆ ｲﾄﾞｳ ｼﾏｼﾀ"};
constexpr const char* kRefused[] = {"ｷﾀﾆﾊ ｲﾄﾞｳ ﾃﾞｷﾏｾﾝ", "ﾋｶﾞｼﾆﾊ ｲﾄﾞｳ ﾃﾞｷﾏｾﾝ", "ﾐﾅﾐﾆﾊ ｲﾄﾞｳ ﾃﾞｷﾏｾﾝ",
                                  "ﾆｼﾆﾊ ｲﾄﾞｳ ﾃﾞｷﾏｾﾝ"};
constexpr const char* kDeathLines[] = {"ｱﾅﾀﾊ ｲｹﾃﾞｵﾎﾞﾚﾃ ｼﾝﾃﾞｼﾏｲﾏｼﾀ ･･･", "ｱﾅﾀﾊ ﾐﾁﾆﾏﾖｯﾃ ｼﾝﾃﾞｼﾏｲﾏｼﾀ ･･･",
                                     "ｱﾅﾀﾊ ｱﾅﾆｵﾁﾃ ｼﾝﾃﾞｼﾏｲﾏｼﾀ ･･･"};
constexpr const char* kCompassCaptions[] = {"N", "E", "S", "W"};
// Around (770, 370): N, E, S, W.
constexpr int kCompassAt[4][2] = {{745, 317}, {790, 356}, {745, 395}, {700, 356}};

// The steps of endings 2 and 3 after their first screen: the middle screen's two lines.
struct EndingHalf {
  const char* first;
  const char* second;
};
constexpr EndingHalf kMiddleScreens[] = {
    {"ｱﾅﾀﾊﾌﾞｼﾞ ﾁｷｭｳｶﾗ ﾀﾞｯｼｭﾂｼﾃ", "ｶｾｲﾆ ﾓﾄﾞﾙｺﾄｶﾞ ﾃﾞｷﾏｼﾀ !!"},
    {"ｱﾅﾀﾊ ﾅｶﾏﾉ ｸｻﾀﾁﾄ", "ｽｴﾅｶﾞｸ ｼｱﾜｾﾆ ｸﾗｼﾏｼﾀﾄｻ !!"},
};
constexpr const char* kHappyEnd[] = {"", "-- HAPPY END --  (ｴﾝﾃﾞｨﾝｸﾞNo.1)", "-- HAPPY END --  (ｴﾝﾃﾞｨﾝｸﾞNo.2)",
                                     "-- HAPPY END --  (ｴﾝﾃﾞｨﾝｸﾞNo.3)"};

bool Shown(int layer) { return ValidLayer(layer) && tq::ThePlatform().Screen().Layer(layer).visible; }

// `text` on `layer`, prepared black at `at`, in scheme `scheme`; centred both ways or
// from x `x` and centred vertically.
void TextLine(int layer, const Rect& at, int size, const std::string& text, int scheme, bool centred, int x = 10) {
  TextStyle.CurrentText = text;
  TextStyle.TextFontSize = size;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = at;
  PrepareLayer(kPrepareTextShown);
  MeasureText(0);
  TextStyle.TextX = centred ? at.Width / 2 - TextStyle.MeasuredWidth / 2 - 1 : x;
  TextStyle.TextY = at.Height / 2 - TextStyle.MeasuredHeight / 2 - 1;
  G09_ButtonColours(scheme);
}

// --- states ---

void Start() {
  KanaAdventureStateRecord& k = KanaAdventureState;
  k.G09ButtonBox = 10;
  k.G09PictureBox = 0;
  k.G09MessageBox = 5;
  k.G09EndingsBox = 20;
  k.EndingSeen.fill(0);
  SceneCursor.ButtonMode = 0;
  DrawState.SheetIndex = kPlacesSheet;
  C00_LoadPicture(2, kPlacesPicture, 0);
  GoToNextTick(kTitle, 0);
}

void Title() {
  G09_EndingsPanel();
  HideLayerRange(0, 19);
  const int box = KanaAdventureState.G09PictureBox;
  DrawState.CurrentLayer = box;
  DrawState.CurrentRect = {0, 0, 0, 0};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kTitlePicture, 0);
  const int w = LayerWidth(box);
  MoveLayer(box, WindowWidth() / 2 - w / 2, 30, w, LayerHeight(box));
  TextLine(KanaAdventureState.G09MessageBox, {320, 647, 280, 27}, 17, "HIT ANY KEY", 0, true);
  GoTo(kNewGame, 0);
}

void NewGame() {
  KanaAdventureStateRecord& k = KanaAdventureState;
  k.G09PictureX = 50;
  k.G09PictureY = 30;
  k.G09PictureWidth = 600;
  k.G09PictureHeight = 450;
  G09_LocationPicture(0);
  const int logo = k.G09PictureBox + 1;
  DrawState.CurrentLayer = logo;
  DrawState.CurrentRect = {0, 0, 0, 0};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kLogoPicture, 0);
  MoveLayer(logo, k.G09PictureX + k.G09PictureWidth + 20, k.G09PictureY, LayerWidth(logo), LayerHeight(logo));
  G09_Message("ｻｱ ﾎﾞｳｹﾝﾉ ﾊｼﾞﾏﾘﾃﾞｽ !!", "");
  G09_CommandButton(0, "ﾐﾙ", 0);
  G09_CommandButton(1, "ｼﾗﾍﾞﾙ", 0);
  for (int i = 0; i < 4; ++i) G09_CompassButton(i, 0);
  k.G09Location = 0;
  GoToNextTick(kReady, 0);
}

void Ready() {
  ScreenButtons.HoveredButton = -1;
  GoTo(kPlaying, 0);
  SceneCursor.ButtonMode = kButtonModePlay;
}

void Death(int n) {
  ShowLayer(KanaAdventureState.G09PictureBox, false);
  G09_Message(kDeathLines[n - 1], " -- GAME OVER --");
  G09_HideButtons();
  GoTo(kTitle, 0);
}

// The first screen of an ending; the following screens come one click each.
void StartEnding(int n) {
  KanaAdventureStateRecord& k = KanaAdventureState;
  G09_HideButtons();
  switch (n) {
    case 1:
      G09_LocationPicture(7);
      G09_Message(kMoved[1], "ﾂｲﾆ ﾃﾞﾝｾﾂﾉｹﾝ ｦ ﾐﾂｹﾏｼﾀ !!");
      GoTo(kEnding1, 0);
      break;
    case 2:
      G09_Message("UFOﾆ ﾉﾘﾏｼﾀ !!", "ｶｾｲﾆ ﾑｹﾃ ﾊｯｼﾝﾃﾞｽ");
      k.G09Location = kEndingFirstHalf;
      GoTo(kEnding2, 0);
      break;
    default:
      G09_LocationPicture(9);
      G09_Message(kMoved[1], "ﾅｶﾏﾉ ｸｻﾀﾁｦ ﾐﾂｹﾏｼﾀ !!");
      k.G09Location = kEndingFirstHalf;
      GoTo(kEnding3, 0);
      break;
  }
}

// Every ending's last screen is the message alone (endings 2 and 3 have already
// hidden the picture on their middle screen).
void LastEndingScreen(int n) {
  ShowLayer(KanaAdventureState.G09PictureBox, false);
  G09_Message("ｵﾒﾃﾞﾄｳ !!", kHappyEnd[n]);
  KanaAdventureState.EndingSeen[static_cast<size_t>(n)] = 1;
  G09_EndingsPanel();
  GoTo(kEndingOver, 0);
}

// Endings 2 and 3: the middle screen, then the last.
void EndingHalves(int n) {
  KanaAdventureStateRecord& k = KanaAdventureState;
  if (k.G09Location == kEndingFirstHalf) {
    ShowLayer(k.G09PictureBox, false);
    const EndingHalf& middle = kMiddleScreens[n - 2];
    G09_Message(middle.first, middle.second);
    k.G09Location = kEndingSecondHalf;
  } else if (k.G09Location == kEndingSecondHalf) {
    LastEndingScreen(n);
  }
}

void Act(int button) {
  KanaAdventureStateRecord& k = KanaAdventureState;
  if (k.G09Location < 0 || k.G09Location >= static_cast<int>(std::size(kPlaces))) return;
  const PlaceRow& place = kPlaces[k.G09Location];
  if (button == 0) {
    G09_Message(place.look, "");
  } else if (button == 1) {
    G09_Message(place.examine, place.examine2);
    if (place.revealed != nullptr) G09_CommandButton(kRevealed, place.revealed, 0);
  } else if (button == kRevealed) {
    if (place.revealed == nullptr) return;
    if (place.revealedAction == kEnd2) StartEnding(2);
    else Death(place.revealedAction - kDeath1 + 1);
  } else {
    const int d = button - kFirstCompass;
    const Exit& exit = place.exits[d];
    if (exit.to == kNo) {
      G09_Message(kRefused[d], "");
    } else if (exit.to >= kEnd1) {
      StartEnding(exit.to - kEnd1 + 1);
    } else {
      G09_LocationPicture(kPlaces[exit.to].picture);
      k.G09Location = exit.to;
      ShowLayer(k.G09ButtonBox + kRevealed, false);
      G09_Message(kMoved[d], exit.arrival);
    }
  }
}

void Playing() {
  if (InputEvent.InputSourceKind != 50) return;
  const int button = InputEvent.InputSourceIndex - KanaAdventureState.G09ButtonBox;
  if (button < 0 || button >= kButtonCount) return;
  Act(button);
}

void EndingOver() {
  const std::array<int, 4>& seen = KanaAdventureState.EndingSeen;
  if (seen[1] != 1 || seen[2] != 1 || seen[3] != 1) {
    GoToNextTick(kTitle, 0);
    return;
  }
  G09_AllClear();
  GoTo(kAllClear, 0);
}

// A window point remembered from an event on `kind` (50 a layer) at the pointer fields.
void RememberPointer() {
  int x = InputEvent.PointerX;
  int y = InputEvent.PointerY;
  if (InputEvent.InputSourceKind == 50) {
    x += LayerLeft(InputEvent.InputSourceIndex);
    y += LayerTop(InputEvent.InputSourceIndex);
  }
  KanaAdventureState.G09PointerX = x;
  KanaAdventureState.G09PointerY = y;
}

}  // namespace

void G09_Step() {
  switch (SceneCursor.SceneState) {
    case kStart: Start(); break;
    case kTitle: Title(); break;
    case kNewGame: NewGame(); break;
    case kReady: Ready(); break;
    case kPlaying: Playing(); break;
    case kEnding1: LastEndingScreen(1); break;
    case kEnding2: EndingHalves(2); break;
    case kEnding3: EndingHalves(3); break;
    case kEndingOver: EndingOver(); break;
    case kAllClear:
      HideLayerRange(KanaAdventureState.G09MessageBox, KanaAdventureState.G09MessageBox + 1);
      GoTo(kLeaving, 0);
      Wait(-1, 1000);
      break;
    case kLeaving: G09_Leave(); break;
    default: break;
  }
}

void G09_Hover() {
  RememberPointer();
  if (SceneCursor.ButtonMode != kButtonModePlay) return;
  int& hovered = ScreenButtons.HoveredButton;
  const int b = InputEvent.InputSourceKind == 50 ? InputEvent.InputSourceIndex - KanaAdventureState.G09ButtonBox : -1;
  if (b >= 0 && b < kButtonCount) {
    if (b == hovered) return;
    if (hovered >= 0) G09_ClearHover(0);
    if (b < kFirstCompass) G09_CommandButton(b, KanaAdventureState.G09ButtonCaption[static_cast<size_t>(b)], 1);
    else G09_CompassButton(b - kFirstCompass, 1);
    hovered = b;
  } else if (hovered >= 0) {
    G09_ClearHover(0);
    hovered = -1;
  }
}

void G09_OnKey() {
  if (InputEvent.AdvanceKeyDown != 1) return;
  // The engine clears the input source for a key; the key acts on what lies under
  // the pointer now, as a click there would.
  const KanaAdventureStateRecord& k = KanaAdventureState;
  int localX = 0;
  int localY = 0;
  const int layer = k.G09PointerX < 0 ? -1
                                      : tq::ThePlatform().Screen().HitTest(k.G09PointerX, k.G09PointerY, &localX, &localY);
  InputEvent.InputSourceKind = layer >= 0 ? 50 : 0;
  InputEvent.InputSourceIndex = layer;
  G09_Step();
}

void G09_Leave() {
  SceneCursor.StageNumber = 60;
  SceneCursor.SceneCode = kConversationScene;
  GoToNextTick(0, 10);
}

void G09_LocationPicture(int n) {
  const KanaAdventureStateRecord& k = KanaAdventureState;
  const int box = k.G09PictureBox;
  DrawState.CurrentLayer = box;
  DrawState.CurrentRect = {k.G09PictureX, k.G09PictureY, k.G09PictureWidth, k.G09PictureHeight};
  PrepareLayer(kPreparePictureShown);
  ClipCellToLayer(kPlacesSheet, 600 * (n % 5), 450 * (n / 5), 600, 450);
  MoveLayer(box, k.G09PictureX, k.G09PictureY, 600, 450);
}

void G09_Message(const std::string& first, const std::string& second) {
  const int box = KanaAdventureState.G09MessageBox;
  TextLine(box, {50, 510, 500, kButtonHeight}, kTextSize, first, 0, false);
  TextLine(box + 1, {50, 548, 500, kButtonHeight}, kTextSize, second, 0, false);
}

void G09_CommandButton(int i, const std::string& caption, int state) {
  KanaAdventureStateRecord& kana = KanaAdventureState;
  if (i < 0 || i > 2) return;
  kana.G09ButtonCaption[static_cast<size_t>(i)] = caption;
  DrawAdventureButton(kana.G09ButtonBox + i, {680, 160 + 43 * i, 180, kButtonHeight}, caption, state, false);
}

void G09_CompassButton(int i, int state) {
  KanaAdventureStateRecord& kana = KanaAdventureState;
  if (i < 0 || i > 3) return;
  DrawAdventureButton(kana.G09ButtonBox + kFirstCompass + i, {kCompassAt[i][0], kCompassAt[i][1], 50, kButtonHeight},
                      kCompassCaptions[i], state, true);
}

void G09_ButtonColours(int scheme) { AdventureTextColours(scheme); }

void G09_HideButtons() {
  HideLayerRange(KanaAdventureState.G09ButtonBox, KanaAdventureState.G09ButtonBox + kButtonCount - 1);
}

void G09_ClearHover(int kind) {
  if (kind != 0) return;
  const int first = KanaAdventureState.G09ButtonBox;
  for (int b = 0; b < kButtonCount; ++b) {
    if (!Shown(first + b)) continue;
    if (b < kFirstCompass) G09_CommandButton(b, KanaAdventureState.G09ButtonCaption[static_cast<size_t>(b)], 0);
    else G09_CompassButton(b - kFirstCompass, 0);
  }
}

void G09_EndingsPanel() {
  const int layer = KanaAdventureState.G09EndingsBox;
  const Rect at{WindowWidth() - 133, WindowHeight() - 25, 130, 22};
  TextLine(layer, at, 12, "ENDING", 0, false, 2);
  constexpr int kMarkX[] = {63, 83, 103};
  for (int n = 1; n <= 3; ++n) {
    TextStyle.CurrentText = "[" + std::to_string(n) + "]";
    MeasureText(0);
    TextStyle.TextX = kMarkX[n - 1];
    TextStyle.TextY = at.Height / 2 - TextStyle.MeasuredHeight / 2 - 1;
    G09_ButtonColours(KanaAdventureState.EndingSeen[static_cast<size_t>(n)] == 1 ? 0 : 2);
  }
}

void G09_AllClear() {
  HideLayerRange(0, 20);
  const int box = KanaAdventureState.G09MessageBox;
  const char* lines[] = {"ﾔｯﾀ!! ｽﾍﾞﾃﾉ ｴﾋﾟｿｰﾄﾞｦ ｸﾘｱｼﾏｼﾀ!!", "-- ALL CLEAR --"};
  for (int i = 0; i < 2; ++i) {
    TextLine(box + i, {WindowWidth() / 2 - 460, WindowHeight() / 2 - 38 + 38 * i, 920, kButtonHeight}, kTextSize,
             lines[i], 0, true);
  }
}

void RegisterKanaAdventure() {
  ScreenHookSet& screen = MarbrookScreen(kSceneCode);
  screen.Step = G09_Step;
  screen.Hover = G09_Hover;
  screen.OnKey = G09_OnKey;
}

void ResetKanaAdventureState() { KanaAdventureState = KanaAdventureStateRecord{}; }
