// The Skelvane picture catalogue (BMP files under "\bmp_data\" beside the program),
// the face loader every mode calls, and the engine's stand-in for the Marbrook
// catalogue's click-wait picture.
#pragma once

#include <string>

// Loads catalogue picture `number` into target 0 (the window), 1 (CurrentLayer) or
// 2 (sheet SheetIndex); 0 clears the target. The Skelvane LoadPictureByKind.
void LoadCataloguePicture(int target, int number, int unused = 0);
// Loads a face, mini or event picture into CurrentLayer; in the Marbrook mode the
// Marbrook catalogue serves the number instead.
void LoadFacePicture(int number);

// The files the two tables name; empty for a number the table does not list (number
// 0 among them), which loads an empty picture and looks for no file.
std::string CataloguePicturePath(int number);
std::string FacePicturePath(int number);

// Serves the crossing to the Marbrook catalogue until that game supplies its own:
// kind 34 loads the click-wait mark "ClickWait_Fs16", kind 0 clears the target,
// other kinds load nothing.
void LoadClickWaitPicture(int target, int kind, int number);
