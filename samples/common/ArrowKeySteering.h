#pragma once
// Steering shared by the samples whose object walks a fixed step per update while arrow
// keys are held, kept inside the window by its top-left position and size.

class DisplayableObject;

class ArrowKeySteering
{
public:
	// Up, down, left, right tested in that order, each on its own: opposite keys cancel.
	static void moveByHeldArrows(DisplayableObject& object, int step);
	// Clamps the position (read as the top-left corner) to the window as it is now.
	static void clampInsideWindow(DisplayableObject& object);
};
