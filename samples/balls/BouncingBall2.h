#pragma once
// A ball that moves freely by its own speed, which the arrow keys change (SPACE stops
// it), and bounces off the window's edges.

#include "balls/BouncingBall.h"

class BouncingBall2 : public BouncingBall
{
public:
	BouncingBall2(BaseEngine* engine, int size, int colourIndex, const char* label, int labelOffsetX, int labelOffsetY);
	~BouncingBall2() override {}

	// Sets the exact position only; the drawn position follows at the next update.
	void setPosition(double x, double y);
	void setSpeed(double speedX, double speedY);
	void update(int time) override;

	double getExactX() const { return m_exactX; }
	double getExactY() const { return m_exactY; }
	double getSpeedX() const { return m_speedX; }
	double getSpeedY() const { return m_speedY; }

private:
	void steerByHeldKeys();

	double m_exactX;
	double m_exactY;
	double m_speedX = 0.0;
	double m_speedY = 0.0;
};
