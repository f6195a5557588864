#pragma once
// The step of the samples' objects that keep an exact position and a speed in doubles beside
// their integer position: move by the speed, bounce off the window's edges, round.

class DisplayableObject;

class BouncingMotion
{
public:
	// Adds the speed to the exact position, bounces each axis off the window as MovingObject
	// does (with the object's draw offsets and size), sets the object's position to the exact
	// one rounded (adding 0.5, truncating toward zero) and requests a full redraw.
	static void step(DisplayableObject& object, double& exactX, double& exactY, double& speedX, double& speedY);
};
