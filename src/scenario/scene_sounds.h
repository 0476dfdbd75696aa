// Every sound of a conversation scene goes through PlaySoundEffect, which hands it to
// the selected mode's sound table (ModeHooks PlaySound). The Skelvane table here
// serves the Skelvane mode and any mode word that is not one of the other games.
// BalloonShowSound and FaceMoveSound choose the numbers that scripts attach to
// balloon lines ("フ音") and face moves ("顔音").
#pragma once

struct SceneSoundRecord {
  int DefaultFaceSoundOn = 0;  // set by each stage script: -1 when a face move sounds by default
};
extern SceneSoundRecord SceneSound;

// Plays sound `number` on `channel` at the table's base volume plus volumeOffset,
// through the mode's table; a mode without a table plays nothing.
void PlaySoundEffect(int number, int& channel, float& volumeOffset);
// PlaySoundEffect for a caller that keeps neither argument.
void PlaySceneSound(int number, int channel = 0, float volumeOffset = 0.0f);
// The Skelvane table: 0, -1, 8 and unlisted numbers play nothing; 1000 to 1999 are
// voices ("Voice_<n>.wav"), which also become the voice channel. Neither argument
// is written.
void SkelvaneSoundTable(int number, int& channel, float& volumeOffset);
// The balloon of the current line sounds: n 0 as it opens, 1 when its text goes into
// a balloon already open or a kept balloon is shown again.
void BalloonShowSound(int n);
// The face move of group CurrentMotionSlot starts.
void FaceMoveSound();

// The Skelvane table for the Skelvane mode and for any other mode word.
void RegisterSceneSounds();
void ResetSceneSoundState();
