#pragma once
// A self-moving shape of the simple demo: it bounces off the edges (or re-enters at the right),
// jumps to a corner when it touches a later object, and alternates between triangle and square.

#include "MovingObject.h"

// Its own speed and exact position live in MovingObject's fields, set from the constructor.
class MovingObjectRectangle : public MovingObject
{
public:
	static const int bounceMode = 1;
	static const int wrapMode = 2;

	MovingObjectRectangle(BaseEngine* engine, int x, int y, double speedX, double speedY, int mode);
	~MovingObjectRectangle() override {}

	void update(int time) override;
	void draw() override;

	int getMode() const { return m_mode; }
	int getShapeCounter() const { return m_shapeCounter; }

private:
	void advanceShapeCounter();
	void keepInsideEdges();
	void jumpAwayOnTouch();

	int m_mode;
	int m_shapeCounter = 0;
};
