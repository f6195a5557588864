#pragma once
// A yellow 100 by 50 box, centred on its position, that moves by its own speed, bounces
// off the window's edges and is steered by the arrow keys changing its speed.

#include "DisplayableObject.h"

class BouncingObject : public DisplayableObject
{
public:
	explicit BouncingObject(BaseEngine* engine);
	~BouncingObject() override {}

	void update(int time) override;
	void draw() override;

	double getSpeedX() const { return m_speedX; }
	double getSpeedY() const { return m_speedY; }
	void setSpeed(double speedX, double speedY) { m_speedX = speedX; m_speedY = speedY; }
	double getExactX() const { return m_exactX; }
	double getExactY() const { return m_exactY; }

protected:
	double m_speedX = 1.5;
	double m_speedY = 2.5;
	double m_exactX;
	double m_exactY;
};
