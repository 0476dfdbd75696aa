// The game window: start-up, the window's events, and shutdown.
#pragma once

struct ScreenSizeRecord {
  int ScreenWidth = 0;
  int ScreenHeight = 0;
  int ScreenHalfWidth = 0;
  int ScreenHalfHeight = 0;
};
extern ScreenSizeRecord ScreenSize;
// The window's inner size, as the screens place and centre by it.
inline int WindowWidth() { return ScreenSize.ScreenWidth; }
inline int WindowHeight() { return ScreenSize.ScreenHeight; }

// Which controls exist. The window, its layers and the timer live in the platform;
// sprite sheets and labels are created by the drawing side.
struct ControlSetRecord {
  bool Created = false;
  int LayerCount = 0;
  int SheetCount = 0;
  int ShapeCount = 0;
  int LabelCount = 0;
};
extern ControlSetRecord ControlSet;

struct GameConfigRecord {
  int Settings[10] = {};  // (0) game speed, (1) music level, (2) effect level
  int VoiceLevel = 0;
  int FrameSpeed = 1;
};
extern GameConfigRecord GameConfig;

// The mode word the start-up selects. The runner and tests may choose another;
// the game always runs with the start-up's own.
void SetStartMode(const char* modeWord);

// The window's load event: start-up as the original orders it.
void FormLoad();
void InitEngine();
void ShutDown();

// The window's other events.
void FormKeyDown(int keyCode, int shift);
void FormMouseDown(int layer, int button, int shift, int x, int y);
void FormMouseMove(int layer, int button, int shift, int x, int y);
void FormUnload();

void ResetGameWindowState();
