#include "marbrook/minigames/room_adventure.h"

#include <vector>

#include "engine/frame_model.h"
#include "engine/input_dispatch.h"
#include "engine/layers.h"
#include "engine/modes.h"
#include "engine/string_utils.h"
#include "engine/text.h"
#include "marbrook/extras_area.h"
#include "marbrook/marbrook_mode.h"
#include "marbrook/marbrook_pictures.h"
#include "games/screen_buttons.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"

RoomAdventureStateRecord RoomAdventureState;

namespace {

constexpr int kSceneCode = 56;

enum : int {  // SceneState
  kStart = 0,
  kOpening = 5,  // steps 0 window picture, 1 help, 10 the first room
  kReady = 9,
  kPlaying = 10,
  kArrival = 11,
  kQueue = 20,
  kEnding = 30,
};

constexpr int kPictureKind = 1400;
enum : int { kWindowPicture = 80, kItemFrame = 81, kIconSheet = 82, kEndingPicture = 83 };
constexpr int kIconSheetIndex = 0;
constexpr int kButtonModePlay = 10;
constexpr int kEndOfQueue = 99;
constexpr int kEndingCode = 90;
constexpr int kLastCommand = 6;  // commands 7 to 9 have no button and no answer
constexpr int kCompassWidth = 70;
constexpr int kCommandWidth = 180;
constexpr int kButtonHeight = 28;
constexpr int kTextSize = 18;
constexpr int kWindowPieceChars = 27;
constexpr int kHelpPieceChars = 28;
constexpr int kMaxLines = 29;
constexpr int kIconSize = 60;
constexpr int kItemCount = 6;

// Keys of G06_OnKey and the commands they give.
struct KeyRow {
  int key, command;
};
constexpr KeyRow kKeys[] = {
    {tq::kKeyUp, 0},       {tq::kKeyRight, 1},    {tq::kKeyDown, 2},     {tq::kKeyLeft, 3},
    {tq::kKeyPad0 + 1, 4}, {tq::kKeyPad0 + 2, 5}, {tq::kKeyPad0 + 3, 6}, {tq::kKeyPad0 + 4, 7},
};

constexpr const char* kCompassCaptions[] = {"北", "東", "南", "西"};
constexpr const char* kCommandCaptions[] = {"1  しらべる", "2  はなす", "3  つかう"};
constexpr const char* kCannotMove[] = {"北には移動できません。", "東には移動できません。", "南には移動できません。",
                                       "西には移動できません。"};
constexpr const char* kMovePrefixes[] = {"北に移動しました。：", "東に移動しました。：", "南に移動しました。：",
                                         "西に移動しました。："};
constexpr const char* kSpaceMovePrefixes[] = {"宇宙方角で言う、北に移動しました。：", "宇宙方角で言う、東に移動しました。：",
                                              "宇宙方角で言う、南に移動しました。：", "宇宙方角で言う、西に移動しました。："};
constexpr const char* kHelpText =
    "ゲームの遊び方：各コマンドをクリックするか、もしくはテンキーの１～３とカーソルキーを使用して、コマンドを選択"
    "してください。：ゲームオーバーはありませんが、セーブもありません。：あとサウンドもないです。";
constexpr const char* kGreeting = "さあ、あなたはここから脱出しなくてはなりません。";

// Room pictures that message codes 10 to 22 switch to.
constexpr int kCodePictures[] = {94, 95, 59, 60, 99, 96, 97, 98, 16, 69, 70, 71, 68};

bool CommandButtonShown(int i) {
  const int layer = RoomAdventureState.G06ButtonFirstBox + 4 + i;
  return ValidLayer(layer) && tq::ThePlatform().Screen().Layer(layer).visible;
}

Rect CompassRect(int i) {
  const int c = RoomAdventureState.ButtonColumnX + RoomAdventureState.ButtonColumnWidth / 2;
  static constexpr int kOffsets[4][2] = {{-35, 257}, {20, 296}, {-35, 335}, {-90, 296}};
  const int k = i < 0 || i > 3 ? 0 : i;
  return {c + kOffsets[k][0], kOffsets[k][1], kCompassWidth, kButtonHeight};
}

// The pieces of `text` printed from (x, 15) in rows of 35 on the window layer,
// prepared black at `at` in the fixed-pitch font with three white outlines.
void TextWindow(const Rect& at, const std::string& text, int pieceChars, int x) {
  const int layer = RoomAdventureState.G06WindowBox;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = at;
  PrepareLayer(kPreparePictureShown);
  LayerInfo(layer).FontName = tq::kFontFixed;
  DrawTextBoxFrame(layer);
  TextStyle.TextFontSize = 20;
  TextStyle.TextX = x;
  const std::vector<std::string> pieces = G06_WindowPieces(text, pieceChars);
  for (size_t j = 0; j < pieces.size(); ++j) {
    TextStyle.CurrentText = pieces[j];
    TextStyle.TextY = 15 + 35 * static_cast<int>(j);
    PrintText(20, layer);
  }
}

// Applies the code of the message at MessageCursor before its text shows.
void ApplyCode(int code) {
  if (code >= 10 && code <= 22) {
    RoomAdventureState.RoomPicture = kCodePictures[code - 10];
    G06_RoomPicture(RoomAdventureState.RoomPicture);
  } else if (code >= 30 && code <= 35) {
    G06_ItemPanel(code - 30);
  }
}

void RedrawButtonsNormal() { G06_ClearHover(); }

// --- states ---

void Start() {
  RoomAdventureStateRecord& s = RoomAdventureState;
  s.G06PictureBox = 0;
  s.G06WindowBox = 1;
  s.G06ButtonFirstBox = 5;
  s.G06ItemBox = 15;
  s.MessageWindowX = 60, s.MessageWindowY = 470, s.MessageWindowWidth = 800, s.MessageWindowHeight = 200;
  s.ButtonColumnX = 700, s.ButtonColumnY = 100, s.ButtonColumnWidth = 180;
  // Every visit plays from the start: progress left over from an earlier visit (a
  // replay, a second story run) would leave rooms that can no longer be finished.
  s.RoomFlags.fill(0);
  s.ItemFlags.fill(0);
  for (int i = 0; i < kItemCount; ++i) ShowLayer(s.G06ItemBox + 2 + i, false);
  SceneCursor.ButtonMode = 0;
  GoToNextTick(kOpening, 0);
  DrawState.SheetIndex = kIconSheetIndex;
  C00_LoadPicture(2, kPictureKind, kIconSheet);
}

void FirstRoom() {
  RoomAdventureStateRecord& s = RoomAdventureState;
  ShowLayer(s.G06WindowBox, false);
  C00_LoadPicture(0, 0, 0);
  DrawState.CurrentLayer = s.G06ItemBox;
  DrawState.CurrentRect = {20, 30, 0, 0};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kPictureKind, kItemFrame);
  G06_ItemPanel(99);
  for (int i = 0; i < 3; ++i) G06_CommandButton(i, kCommandCaptions[i], 0);
  s.DefaultReplies[4] = "とくに変わったところはありません。";
  s.DefaultReplies[5] = "ここから見える範囲には誰もいません。";
  s.DefaultReplies[6] = "とくに必要性を感じません。";
  for (int i = 0; i < 4; ++i) G06_CompassButton(i, 0);
  s.Room = 0;
  s.RoomPicture = 0;
  G06_RoomPicture(0);
  s.MessageCursor = 0;
  G06_AddMessage(0, kGreeting);
  G06_MessageWindow(kGreeting);
  GoToNextTick(kReady, 0);
}

void Opening() {
  switch (SceneCursor.SceneStep) {
    case 0:
      C00_LoadPicture(0, kPictureKind, kWindowPicture);
      SceneCursor.SceneStep = 1;  // a click shows the help
      break;
    case 1:
      G06_Help();
      SceneCursor.SceneStep = 10;
      break;
    case 10: FirstRoom(); break;
    default: break;
  }
}

void Ready() {
  const int front = ScreenButtons.FrontBox;
  LayerToBack(front);
  LayerToFront(front);
  ScreenButtons.HoveredButton = -1;
  GoTo(kPlaying, 0);
  SceneCursor.ButtonMode = kButtonModePlay;
}

// The common frame of every answer: the pressed button lit, the room's handler, the
// room picture, then the arrival in the new room or the queue.
void Answer() {
  RoomAdventureStateRecord& s = RoomAdventureState;
  const int command = s.G06Command;
  if (command >= 0 && command <= 3) G06_CompassButton(command, 1);
  else if (command >= 4 && command <= 8) G06_CommandButton(command - 4, s.ButtonTexts[static_cast<size_t>(command - 4)], 1);
  SceneCursor.ButtonMode = 0;
  s.MessageCursor = 0;
  s.Moved = 0;
  s.RoomPicture = G06_RoomPictureOf(s.Room);
  if (s.Room >= 0 && s.Room <= 39) G06_RoomsEarth();
  else if (s.Room <= 59) G06_RoomsDesert();
  else if (s.Room <= 79) G06_RoomsSpace();
  G06_RoomPicture(s.RoomPicture);
  if (s.Moved == -1) {
    const bool space = s.Room >= 60 && s.Room <= 79;
    const int k = command >= 0 && command <= 3 ? command : 0;
    s.MovePrefix = space ? kSpaceMovePrefixes[k] : kMovePrefixes[k];
    s.G06Command = -1;
    GoTo(kArrival, 0);
  } else {
    G06_AddMessage(kEndOfQueue, "");
    s.MessageCursor = 0;
    GoTo(kQueue, 0);
  }
  Wait(0, 0);
}

void Playing() {
  RoomAdventureStateRecord& s = RoomAdventureState;
  if (s.G06KeyInput == 1) {
    if (s.G06Command < 0 || s.G06Command > kLastCommand) return;
  } else {
    if (InputEvent.InputSourceKind != 50) return;
    const int k = InputEvent.InputSourceIndex - s.G06ButtonFirstBox;
    if (k < 0 || k > kLastCommand) return;
    s.G06Command = k;
  }
  Answer();
}

void PlayQueue() {
  RoomAdventureStateRecord& s = RoomAdventureState;
  const int at = s.MessageCursor;
  if (at < 0 || at >= static_cast<int>(s.MessageCodes.size())) return;
  const int code = s.MessageCodes[static_cast<size_t>(at)];
  if (code == kEndingCode) {
    GoToNextTick(kEnding, 0);
    return;
  }
  if (code != kEndOfQueue) {
    ApplyCode(code);
    G06_MessageWindow(s.MessageTexts[static_cast<size_t>(at)]);
    ++s.MessageCursor;
  } else {
    G06_MessageWindow("");  // an answer without messages
  }
  const size_t next = static_cast<size_t>(s.MessageCursor);
  if (code == kEndOfQueue || next >= s.MessageCodes.size() || s.MessageCodes[next] == kEndOfQueue) {
    RedrawButtonsNormal();
    GoToNextTick(kReady, 0);
  }
}

void Ending() {
  switch (SceneCursor.SceneStep) {
    case 0: {
      for (int layer = 0; layer <= 49; ++layer) ShowLayer(layer, false);
      DrawState.CurrentLayer = 0;
      DrawState.CurrentRect = {0, 0, 0, 0};
      PrepareLayer(kPreparePictureShown);
      C00_LoadPicture(1, kPictureKind, kEndingPicture);
      GetLayerRect(kRectIntoCurrent, 0);
      int w = DrawState.CurrentRect.Width;
      int h = DrawState.CurrentRect.Height;
      MoveLayer(0, CentreX(w), CentreY(h), w, h);
      SceneCursor.SceneStep = 1;  // a click leaves
      break;
    }
    case 1: G06_Leave(0); break;
    default: break;
  }
}

}  // namespace

void G06_Step() {
  switch (SceneCursor.SceneState) {
    case kStart: Start(); break;
    case kOpening: Opening(); break;
    case kReady: Ready(); break;
    case kPlaying: Playing(); break;
    case kArrival: Answer(); break;
    case kQueue: PlayQueue(); break;
    case kEnding: Ending(); break;
    default: break;
  }
}

void G06_Hover() {
  RoomAdventureStateRecord& room = RoomAdventureState;
  if (SceneCursor.ButtonMode != kButtonModePlay) return;
  int& hovered = ScreenButtons.HoveredButton;
  const int k = InputEvent.InputSourceKind == 50 ? InputEvent.InputSourceIndex - room.G06ButtonFirstBox : -1;
  if (k >= 0 && k <= 9) {
    if (k == hovered) return;
    if (hovered >= 0) G06_ClearHover();
    if (k <= 3) G06_CompassButton(k, 1);
    else if (k <= 8) G06_CommandButton(k - 4, room.ButtonTexts[static_cast<size_t>(k - 4)], 1);
    hovered = k;
  } else if (hovered >= 0) {
    G06_ClearHover();
    hovered = -1;
  }
}

void G06_OnKey() {
  RoomAdventureStateRecord& s = RoomAdventureState;
  s.G06KeyInput = 1;
  s.G06Command = -1;
  const int key = InputEvent.KeyCode;
  bool mapped = false;
  for (const KeyRow& row : kKeys) {
    if (row.key == key) s.G06Command = row.command, mapped = true;
  }
  if (mapped || InputEvent.AdvanceKeyDown == 1) G06_Step();
  s.G06KeyInput = 0;
}

void G06_Leave(int type) {
  if (type == 0) SceneCursor.StageNumber = 90;
  SceneCursor.SceneCode = kConversationScene;
  GoToNextTick(0, 10);
}

void G06_AddMessage(int code, const std::string& text) {
  RoomAdventureStateRecord& s = RoomAdventureState;
  // A full queue keeps its last slot for the end marker.
  const int last = static_cast<int>(s.MessageCodes.size()) - 1;
  if (s.MessageCursor < 0 || s.MessageCursor > last) return;
  if (s.MessageCursor == last && code != kEndOfQueue) return;
  s.MessageCodes[static_cast<size_t>(s.MessageCursor)] = code;
  s.MessageTexts[static_cast<size_t>(s.MessageCursor)] = text;
  ++s.MessageCursor;
}

void G06_MoveTo(int room) {
  RoomAdventureState.Room = room;
  RoomAdventureState.Moved = -1;
}

void G06_Arrive(const std::string& text) { G06_AddMessage(0, RoomAdventureState.MovePrefix + text); }

void G06_CannotReply() {
  RoomAdventureStateRecord& room = RoomAdventureState;
  const int command = room.G06Command;
  if (command >= 0 && command <= 3) G06_AddMessage(0, kCannotMove[command]);
  else if (command >= 4 && command <= 6) G06_AddMessage(0, room.DefaultReplies[static_cast<size_t>(command)]);
}

void G06_RoomPicture(int n) {
  DrawState.CurrentLayer = RoomAdventureState.G06PictureBox;
  DrawState.CurrentRect = {CentreX(390), 50, 390, 390};
  PrepareLayer(kPreparePictureShown);
  C00_LoadPicture(1, kPictureKind, n);
}

void G06_ItemPanel(int i) {
  const int first = RoomAdventureState.G06ItemBox;
  if (i == 99) {
    TextStyle.CurrentText = "アイテム";
    TextStyle.TextFontSize = kTextSize;
    DrawState.CurrentLayer = first + 1;
    DrawState.CurrentRect = {35, 245, 100, kButtonHeight};
    PrepareLayer(kPrepareTextShown);
    MeasureText(0);
    TextStyle.TextX = 10;
    TextStyle.TextY = kButtonHeight / 2 - TextStyle.MeasuredHeight / 2 - 1;
    AdventureTextColours(0);
    return;
  }
  if (i < 0 || i >= kItemCount) return;
  DrawState.CurrentLayer = first + 2 + i;
  DrawState.CurrentRect = {(i % 3) * 67 + 35, (i / 3) * 67 + 280, kIconSize, kIconSize};
  PrepareLayer(kPreparePictureShown);
  ClipCellToLayer(kIconSheetIndex, kIconSize * i, 0, kIconSize, kIconSize);
}

void G06_MessageWindow(const std::string& text) {
  const RoomAdventureStateRecord& s = RoomAdventureState;
  TextWindow({s.MessageWindowX, s.MessageWindowY, s.MessageWindowWidth, s.MessageWindowHeight}, text,
             kWindowPieceChars, 10);
}

std::vector<std::string> G06_WindowPieces(const std::string& text, int pieceChars) {
  std::vector<std::string> lines;
  int count = 0;
  SplitFields(text, "：", kMaxLines, lines, count);
  std::vector<std::string> pieces;
  const int n = pieceChars > 0 ? pieceChars : 1;
  for (int i = 1; i <= count; ++i) {
    const std::string& line = lines[static_cast<size_t>(i)];
    const int length = tq::CodePointCount(line);
    for (int from = 0; from <= length; from += n) {
      const size_t begin = tq::CodePointOffset(line, from);
      const size_t end = tq::CodePointOffset(line, std::min(length, from + n));
      pieces.push_back(line.substr(begin, end - begin));
    }
  }
  return pieces;
}

void G06_CommandButton(int i, const std::string& caption, int style) {
  if (i < 0 || i > 5) return;
  const RoomAdventureStateRecord& s = RoomAdventureState;
  RoomAdventureState.ButtonTexts[static_cast<size_t>(i)] = caption;
  const Rect at{s.ButtonColumnX, s.ButtonColumnY + 43 * i, kCommandWidth, kButtonHeight};
  DrawAdventureButton(s.G06ButtonFirstBox + 4 + i, at, caption, style, false);
}

void G06_CompassButton(int i, int style) {
  if (i < 0 || i > 3) return;
  DrawAdventureButton(RoomAdventureState.G06ButtonFirstBox + i, CompassRect(i), kCompassCaptions[i], style, true);
}

void G06_ButtonColours(int style) { AdventureTextColours(style); }

void G06_ClearHover() {
  for (int i = 0; i < 4; ++i) {
    if (tq::ThePlatform().Screen().Layer(RoomAdventureState.G06ButtonFirstBox + i).visible) G06_CompassButton(i, 0);
  }
  for (int i = 0; i < 5; ++i) {
    if (CommandButtonShown(i)) G06_CommandButton(i, RoomAdventureState.ButtonTexts[static_cast<size_t>(i)], 0);
  }
}

void G06_Help() {
  constexpr int kWidth = 845;
  constexpr int kHeight = 200;
  int w = kWidth;
  int h = kHeight;
  const Rect at{CentreX(w), CentreY(h), w, h};
  TextWindow(at, kHelpText, kHelpPieceChars, 15);
}

void DrawAdventureButton(int layer, const Rect& at, const std::string& caption, int style, bool centred) {
  TextStyle.CurrentText = caption;
  TextStyle.TextFontSize = kTextSize;
  DrawState.CurrentLayer = layer;
  DrawState.CurrentRect = at;
  PrepareLayer(kPrepareTextShown);
  MeasureText(0);
  TextStyle.TextX = centred ? at.Width / 2 - TextStyle.MeasuredWidth / 2 - 1 : 10;
  TextStyle.TextY = at.Height / 2 - TextStyle.MeasuredHeight / 2 - 1;
  tq::Surface& image = LayerImage(layer);
  const int w = at.Width;
  const int h = at.Height;
  if (style == 1) {
    LayerInfo(layer).BackColor = RgbColor(255, 255, 255);
    ClearLayerImage(layer);
    AdventureTextColours(1);
    tq::DrawBox(image, 0, 0, w - 1, h - 1, tq::PixelFromColor(Grey(128)));
    return;
  }
  tq::DrawBox(image, 1, 1, w - 2, h - 2, tq::PixelFromColor(Grey(50)));
  tq::DrawBox(image, 0, 0, w - 1, h - 1, tq::PixelFromColor(RgbColor(255, 255, 255)));
  AdventureTextColours(0);
}

void AdventureTextColours(int scheme) {
  if (scheme == 2) {
    TextStyle.TextColor = Grey(128);
    TextStyle.ShadeColor1 = Grey(60);
    TextStyle.ShadeColor2 = Grey(90);
  }
  C45_ButtonColours(scheme);
}

void RegisterRoomAdventure() {
  ScreenHookSet& screen = MarbrookScreen(kSceneCode);
  screen.Step = G06_Step;
  screen.Hover = G06_Hover;
  screen.OnKey = G06_OnKey;
}

void ResetRoomAdventureState() { RoomAdventureState = RoomAdventureStateRecord{}; }
