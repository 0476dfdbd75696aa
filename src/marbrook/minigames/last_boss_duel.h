// The last-boss duel: the Marbrook game's scene 60, a turn-based fight of the
// player's character against the boss, entered with (60, 0, 1) after stage 131,
// (60, 0, 2) after stage 140, (60, 0, 3) from the chapter menu and the next-game key
// (curtain closed, opened here) and (60, 0, 0). Each turn the player picks one of
// four command cards, then the boss plays the next move of its list. A win hands
// back to stage 140 or 145 (G00_Leave); a defeat offers a retry or the title menu.
//
// The fighters talk in the scenario engine's face-slot speech balloons: the player
// from slot 3, the boss from slot 1, the text put into line 0 of the script store,
// which the duel sizes down to 1,000 lines until the next stage fills it again.
//
// Record: DuelState. Members of the screen table (RegisterLastBossDuel): G00_Step,
// G00_Hover, G00_FrameGate, G00_OnKey. The screen's layouts, panels, balloons,
// banners and frame codes live in last_boss_duel_frames.cpp.
#pragma once

#include <array>
#include <string>

#include "engine/layers.h"

struct DuelStateRecord {
  int DuelVariant = 0;      // 0 the first fight, 1 the second
  int DuelOpeningFade = 0;  // -1: the set-up opens the closed curtain
  std::array<int, 2> DuelHp{};  // 0 the player's character, 1 the boss; never below 0
  std::array<int, 2> DuelGuard{};  // element 0: 1 while the player guards
  std::array<int, 2> DuelAttackPower{};
  std::array<int, 100> BossPattern{};  // the boss's moves, ended by -1
  int BossPatternPos = 0;
  int DuelCommand = 0;  // 0 attack, 1 guard, 2 dance, 3 special attack
  int DuelAttacker = 0;
  int DuelTarget = 0;
  int DuelHpChange = 0;  // the last change, negative for damage
  int DuelHitKind = 0;   // 0 to 4: the sounds of the hit animation
  // Layers, set at every screen set-up.
  int BossPictureBox = 0;
  int PlayerPictureBox = 0;
  int HpPanelFirstBox = 0;
  int GuardMarkBox = 0;
  int DamagePanelFirstBox = 0;
  // The picture number each fighter's layer shows (0 normal, 2 hit, 3 beaten or
  // dancing), so the pictures can be loaded again as their captions come and go.
  std::array<int, 2> FighterPicture{};
  // The balloon being opened, closed or shaken: its present size, and the text
  // style it is written in (kept apart from TextStyle, which panels also use).
  int BalloonNowWidth = 0;
  int BalloonNowHeight = 0;
  int BalloonFontSize = 0;
};
extern DuelStateRecord DuelState;

void G00_Step();
void G00_Hover();
void G00_OnKey();
bool G00_FrameGate();
bool G00_Frame();
void G00_Leave();

// 0 the command cards, 5 the screen pictures, 10 and 11 the face-slot geometry of
// the player (slot 3) and the boss (slot 1), 20 and 21 the damage panels' slide in.
void G00_Layout(int kind);
// Redraw 0 makes the panel afresh at its start place, 1 redraws it where it stands.
void G00_HpPanel(int side, int redraw);
// Where the panel of side 0 or 1 comes to rest when a fight starts.
Rect G00_HpPanelPlace(int side);
void G00_DamagePanel(int side);
// Opens the balloon of speaker 0 (player) or 1 (boss) with `text` ("："-separated
// lines) and returns when it is open and written. Font size 0 means 20.
void G00_Balloon(int speaker, int fontSize, const std::string& text, const std::string& voiceWord);
// Closes the balloon of speaker 0 or 1 when it is open.
void G00_CloseBalloon(int speaker);
// Shakes the current slot's balloon for `frames` frames.
void G00_Shake(int frames);

// Rules, for the steps and the tests.
// The last card dealt this turn: 3 (all four) from 20 hit points up, else 2.
int G00_LastCard();
// The boss's move list of a variant, as the variant table sets it.
void G00_SetVariant(int variant);
// The damage of the boss's move m this turn before a guard (-1: no attack).
int G00_BossDamage(int move);
// Hit points less `damage`, never below 0.
void G00_Hit(int side, int damage);

void RegisterLastBossDuel();
void ResetLastBossDuelState();

// ---- Shared by last_boss_duel.cpp and last_boss_duel_frames.cpp ----

inline constexpr int kDuelPlayer = 0;
inline constexpr int kDuelBoss = 1;
inline constexpr int kDuelPlayerSlot = 3;
inline constexpr int kDuelBossSlot = 1;
inline constexpr int kDuelCardSheet = 0;
inline constexpr int kDuelButtonSheet = 1;

// AnimationCodes of the duel's own frames.
enum : int {
  kDuelHitFrames = 1000,
  kDuelGuardFrames = 1005,
  kDuelBalloonOpen = 1010,
  kDuelBalloonClose = 1015,
  kDuelBalloonShake = 1020,
};

// Effect 800 or 805 of one layer from `from` to `to`, returning here.
void G00_Glide(int code, int layer, const Rect& from, const Rect& to, int frames, int motionKind);
// Banners: 39 opening, 40 losing, 41 winning; and their closing.
void G00_BannerIn(int picture);
void G00_BannerOut();
// A band of `colour` on layer BoardFirstBox opening from a 2 px line across the
// window's middle to `height` (centred), or closing back to the line and hidden.
void G00_Band(bool opening, int height, uint32_t colour, int frames);
// The hit animation on CurrentSlot, `frames` long (0: 12).
void G00_HitAnimation(int frames);
void G00_GuardAnimation();
// The picture kind 300 (boss) or 302 (player) number into the fighter's layer, with
// "体力" beside the side's hit-point panel while that panel stands in its place.
void G00_Picture(int side, int number);
