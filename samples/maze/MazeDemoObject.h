#pragma once
// A maze walker: a pulsing disc that steps from cell to cell on timed moves, turns at random or by
// the held arrows, advances the marks it leaves, and jumps elsewhere when it touches another walker.

#include "DisplayableObject.h"
#include "TimedMovement.h"

class MazeDemoMain;

class MazeDemoObject : public DisplayableObject
{
public:
	MazeDemoObject(MazeDemoMain* engine, int cellX, int cellY);
	~MazeDemoObject() override {}

	void draw() override;
	void update(int time) override;

	static int getDirectionDx(int direction);
	static int getDirectionDy(int direction);
	// The disc's radius at a game time: 10 up to 25 and back, every 600 ms.
	static int pulseRadius(int time);
	// The screen point at the centre of a map cell.
	static int cellCentreX(int cellX);
	static int cellCentreY(int cellY);

	int getCellX() const { return m_cellX; }
	int getCellY() const { return m_cellY; }
	int getDirection() const { return m_direction; }

private:
	bool teleportOnContact(int time);
	void advanceMarkUnderfoot();
	void chooseDirection();
	void stepTowardsDirection(int time);
	void followMovement(int time);
	int randomStepDuration() const;

	MazeDemoMain* m_mazeEngine;
	TimedMovement m_movement;
	int m_cellX;
	int m_cellY;
	int m_direction = 0;
};
