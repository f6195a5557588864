#pragma once
// An object that moves by a constant speed on every update and bounces off the window's
// edges, plus two collision tests for rectangles and points. It keeps an exact position
// in doubles; the integer position (getX(), getY()) is that rounded.

#include "DisplayableObject.h"

class MovingObject : public DisplayableObject
{
public:
	// Top-left at (x, y), moving by (1.5, 2.5) pixels per update until setSpeed(). Only the
	// integer position is kept inside the window at first; the exact one from the first update.
	MovingObject(BaseEngine* engine, int x, int y, int width, int height);
	// Position, speeds and flags alike; the copy is in no list until it is added.
	MovingObject(const MovingObject&) = default;

	// Unless the engine is paused: moves by the speed, bounces off the window's edges (the
	// far edges one pixel short of the window's) and requests a full redraw. time is unused.
	void update(int time) override;
	// A red triangle inside the rectangle about the position, drawn even when invisible;
	// subclasses usually draw themselves.
	void draw() override;

	// Speeds are in pixels per update.
	double getSpeedX() const { return m_speedX; }
	double getSpeedY() const { return m_speedY; }
	void setSpeed(double speedX, double speedY) { m_speedX = speedX; m_speedY = speedY; }
	// The exact position (getX() and getY() are it rounded).
	double getPositionX() const { return m_positionX; }
	double getPositionY() const { return m_positionY; }
	// Sets the exact position and the integer one derived from it.
	void setExactPosition(double x, double y);

	// The bounce of update(), one axis at a time, for any object that moves by a double
	// position and speed: keeps drawOffset + position within 0 and limit - 1 - size, putting
	// the object back on the edge it passed and reversing only a speed that points out of the
	// window. The far edge is tested last, so an object larger than the window ends there.
	static void bounceAxis(double& position, double& speed, int drawOffset, int size, int limit);

protected:
	// Rounds the exact position to the integer position (adding 0.5, truncating toward zero).
	void syncIntegerPosition();

	double m_speedX = 1.5;
	double m_speedY = 2.5;
	double m_positionX;
	double m_positionY;
};

// Inclusive bounds: rectangles that only share an edge or a corner overlap.
bool rectanglesOverlap(int left1, int right1, int top1, int bottom1, int left2, int right2, int top2, int bottom2);
// Strictly closer than r (a distance of exactly r is not within).
bool pointsWithinDistance(int x1, int y1, int x2, int y2, int r);
