// The mode word, the scene cursor, and the hook tables through which the engine
// reaches the selected game.
//
// Each call site asks CurrentModeHooks(), which compares GameMode afresh in the order
// "Skelvane２", "Marbrook", "Vadrimの" and falls back to the "any other string" entry.
// The games fill their entries at start-up (RegisterGames); a null member means the
// operation does nothing in that mode.
#pragma once

#include <string>

struct SceneCursorRecord {
  int SceneCode = 0;
  int SceneState = 0;
  int SceneStep = 0;
  int StageNumber = 0;
  int ButtonMode = 0;
};
extern SceneCursorRecord SceneCursor;
extern std::string GameMode;

// The scene codes every game shares: its conversation and its title.
inline constexpr int kConversationScene = 10;
inline constexpr int kTitleScene = 99;
// States of those scenes that the system menu and the script lines go to: the title
// back to its menu or quitting the program; the conversation loading stage
// StageNumber, or erasing its open balloons to start the scene again.
inline constexpr int kTitleBackToMenu = -10;
inline constexpr int kTitleQuit = -999;
inline constexpr int kConversationLoadStage = 5;
inline constexpr int kConversationRestart = 15;

// Whether the scene is a conversation: SceneCode 10, or -1, which the engine's frame
// loop and right click treat alike.
bool InConversationScene();

// Moves a screen's step machine on: (state, step) runs next.
void GoTo(int state, int step);
// GoTo, and the next tick runs that step without waiting for input.
void GoToNextTick(int state, int step);

inline constexpr const char* kModeSkelvane = "Skelvane２";
inline constexpr const char* kModeMarbrook = "Marbrook";
inline constexpr const char* kModeVadrim = "Vadrimの";

enum class ModeId { Skelvane = 0, Marbrook = 1, Vadrim = 2, Other = 3 };
ModeId CurrentModeId();

struct ModeHookSet {
  void (*Init)() = nullptr;
  // Returns whether the scene had a member for the phase.
  bool (*OnEvent)(int phase) = nullptr;
  void (*OnKey)() = nullptr;
  void (*BreakWait)() = nullptr;
  void (*BuildSystemMenu)(int kind, int& arg) = nullptr;
  void (*MenuCommand)(int code) = nullptr;
  void (*SettingsClick)() = nullptr;
  void (*ExpandMacros)() = nullptr;
  void (*LeaveScene)(int value) = nullptr;
  void (*BalloonStyle)() = nullptr;
  void (*CaptionBox)(int phase) = nullptr;
  void (*LoadPictureByKind)(int target, int kind, int number) = nullptr;
  void (*PlaySound)(int number, int& channel, float& volumeOffset) = nullptr;
};

ModeHookSet& ModeHooksFor(ModeId id);
const ModeHookSet& CurrentModeHooks();

// Calls that go to one game's code whatever GameMode says. Kept here, in one place,
// so the crossings between games stay visible.
struct CrossingHookSet {
  void (*MarbrookLoadPicture)(int target, int kind, int number) = nullptr;  // C00_LoadPicture
  void (*MarbrookTitleSound)(int number, int& channel, float& volumeOffset) = nullptr;  // C01_PlaySound
  void (*MarbrookOnKey)() = nullptr;       // C00_OnKey
  void (*MarbrookEffectStep)() = nullptr;  // C40_EffectStep
  void (*MarbrookEffectSound)(int number, int& channel, float& volumeOffset) = nullptr;  // C40_PlaySound
  void (*MarbrookClickSound)() = nullptr;  // C01_ClickSound
  void (*MarbrookConvFrame)() = nullptr;   // C15_Frame
  void (*VadrimConvHover)() = nullptr;     // D10_Hover
};
extern CrossingHookSet CrossingHooks;

void ResetModeState();
