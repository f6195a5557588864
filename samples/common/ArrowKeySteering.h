#pragma once
// Steering shared by the samples whose object walks a fixed step per update while arrow
// keys are held, kept inside the window by its top-left position and size, and by those
// whose object keeps its own speed, which the held arrow keys change.

class BaseEngine;
class DisplayableObject;

class ArrowKeySteering
{
public:
	// Up, down, left, right tested in that order, each on its own: opposite keys cancel.
	static void moveByHeldArrows(DisplayableObject& object, int step);
	// Clamps the position (read as the top-left corner) to the window as it is now.
	static void clampInsideWindow(DisplayableObject& object);
	// The same four keys in the same order, changing the speed by step instead.
	static void changeSpeedByHeldArrows(const BaseEngine* engine, double& speedX, double& speedY, double step);
};
