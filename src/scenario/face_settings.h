// The parameter parsers of the script language: the face set-up, the face move
// with its small coordinate language, the queued sounds and picture changes, the
// sound of "[効果音]", the balloons a multiple erase closes, and the marks that three
// mini kinds draw. Each reads the stored remainder of the current line.
#pragma once

#include <array>
#include <string>

inline constexpr int kBasePointCount = 20;

// Base points the position terms name with 基N.
struct BasePositionRecord {
  std::array<int, kBasePointCount> BasePosX{};
  std::array<int, kBasePointCount> BasePosY{};
};
extern BasePositionRecord BasePosition;

// The per-line move values and the sound of "[効果音]".
struct MoveParamsRecord {
  int MoveType = 0;  // "Ty"; kept from line to line
  int MoveStartFrame = 0;
  int MovePause = 0;
  int LineSoundNumber = 0;  // "サウ番"; kept while a line does not give it
  int LineSoundChannel = 0;  // "サウID"; likewise
};
extern MoveParamsRecord MoveParams;

// "[顔の設定]": the face slot's layers (defaults: balloon f+1, tail f+2, thought f+4
// with its bubbles f+5 to f+7, both minis f+9) and its picture.
void SetupFace();
// "[顔の移動]" and its queued forms: the move into motion slot and group LineGroup
// (9 for a chained step), filed with SimultaneousTable(0).
void ParseFaceMove();
// Evaluates a position term (consumed) on axis 1 (x) or 2 (y) for motion slot `slot`:
// absolute tokens replace value, relative ones add to it.
void ParsePositionTerm(std::string& term, int axis, int slot, int& value);
// "[同時・効果音]" and "[同時・BMP変更]": entries of the run's sound and picture queues.
void QueueSimultaneousSound();
void QueueSimultaneousBitmap();
// "[効果音]": サウ番 and サウID into LineSoundNumber and LineSoundChannel.
void PlaySoundEffectLine();
// "[フキ複数消去]": the open speech balloons of the listed slots (or of slots 1 to 9
// for 全消去) go into EraseList and are marked for closing.
void MarkBalloonsForErase();
// Draws mark 831 (orange "？"), 832 (red "！") or 834 (yellow "！") in a 60 by 60
// bevelled box into CurrentLayer; any other mark does nothing.
void DrawMiniMark(int mark);

void ResetFaceSettingsState();
