#pragma once
// A ball that runs back and forth between two points on a fixed timetable and raises the
// value of every map tile its centre passes over. Holding 'u' rebuilds the scene.

#include "TimedMovement.h"
#include "balls/BouncingBall.h"

class TileManager;

class BouncingBall1 : public BouncingBall
{
public:
	// The tile map is not owned and must outlive the ball.
	BouncingBall1(BaseEngine* engine, int size, int colourIndex, const char* label, int labelOffsetX, int labelOffsetY,
		TileManager* tileManager);
	~BouncingBall1() override {}

	void setMovement(int startTime, int endTime, int now, int x1, int y1, int x2, int y2);
	void update(int time) override;

private:
	void followMovement(int time);
	void bumpTileUnderCentre();

	TimedMovement m_movement;
	TileManager* m_tileManager;
};
