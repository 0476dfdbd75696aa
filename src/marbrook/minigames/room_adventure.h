// The room adventure, the Marbrook mini-game of SceneCode 56, entered with (56, 0, 0).
//
// A button-driven adventure over 52 rooms: four compass buttons move, three command
// buttons examine, talk and use; every answer is a queue of messages shown one per
// click in the message window, with room pictures and item icons changing between
// them. The first land (rooms 0 to 31) is answered by G06_RoomsEarth, the desert
// (40 to 54) by G06_RoomsDesert and space (60 to 66) by G06_RoomsSpace; the ending
// hands the story on to stage 90 (G06_Leave).
//
// Record: RoomAdventureState. Members of the screen table (RegisterRoomAdventure):
// G06_Step, G06_Hover, G06_OnKey. The other procedures are here for the tests.
#pragma once

#include <array>
#include <string>
#include <vector>

struct RoomAdventureStateRecord {
  int G06PictureBox = 0;
  int G06WindowBox = 0;
  int G06ButtonFirstBox = 0;  // compass buttons + 0 to 3, command buttons + 4 to 8
  int G06ItemBox = 0;         // the panel frame; + 1 the label, + 2 + i the icon of item i
  int MessageWindowX = 0, MessageWindowY = 0, MessageWindowWidth = 0, MessageWindowHeight = 0;
  int ButtonColumnX = 0, ButtonColumnY = 0, ButtonColumnWidth = 0;
  int G06Command = -1;  // 0 to 3 compass, 4 examine, 5 talk, 6 use; -1 the arrival in a room
  int G06KeyInput = 0;  // 1 while a key runs the step
  int Room = 0;
  int RoomPicture = 0;
  int Moved = 0;  // -1 when the answer is a move
  std::string MovePrefix;
  std::array<std::string, 100> MessageTexts;
  std::array<int, 100> MessageCodes{};
  int MessageCursor = 0;
  std::array<std::string, 10> ButtonTexts;
  std::array<std::string, 10> DefaultReplies;
  std::array<int, 100> RoomFlags{};
  std::array<int, 10> ItemFlags{};
};
extern RoomAdventureStateRecord RoomAdventureState;

void G06_Step();
void G06_Hover();
void G06_OnKey();
void G06_Leave(int type);

void G06_AddMessage(int code, const std::string& text);
void G06_CannotReply();
void G06_RoomPicture(int n);
void G06_ItemPanel(int i);
void G06_MessageWindow(const std::string& text);
// The pieces the message window prints: each "："-line cut into 27 characters, and
// one empty piece after a line whose length is a whole multiple of 27.
std::vector<std::string> G06_WindowPieces(const std::string& text, int pieceChars);
void G06_CommandButton(int i, const std::string& caption, int style);
void G06_CompassButton(int i, int style);
void G06_ButtonColours(int style);
void G06_ClearHover();
void G06_Help();

// Answers G06Command in the current room: adds the messages, moves, sets the flags.
void G06_RoomsEarth();
void G06_RoomsDesert();
void G06_RoomsSpace();
// The picture a room shows on arrival, from its progress flags.
int G06_RoomPictureOf(int room);

// ---- Shared by the room files (room_adventure_earth.cpp, room_adventure_desert.cpp). ----
enum : int {  // G06Command
  kG06Arrive = -1,
  kG06North = 0,
  kG06East = 1,
  kG06South = 2,
  kG06West = 3,
  kG06Examine = 4,
  kG06Talk = 5,
  kG06Use = 6,
};
// A move: Room := room, Moved := -1 (the arrival is answered on the next tick).
void G06_MoveTo(int room);
// An arrival text: one message of MovePrefix followed by `text`.
void G06_Arrive(const std::string& text);

// A text button as the adventures draw it: `layer` prepared black at `at`, text size
// 18, the caption at x 10 (or centred when `centred`) and centred vertically; style 0
// normal (grey and white outlines, light caption), 1 highlighted (white, dark caption).
// The kana adventure draws its buttons the same way.
struct Rect;
void DrawAdventureButton(int layer, const Rect& at, const std::string& caption, int style, bool centred);
// Prints CurrentText on CurrentLayer in three passes in colour scheme `scheme`: 0
// normal, 1 highlighted, 2 grey; another scheme keeps the colours last set.
void AdventureTextColours(int scheme);

void RegisterRoomAdventure();
void ResetRoomAdventureState();
