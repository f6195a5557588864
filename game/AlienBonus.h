#pragma once
// An enemy of the bonus game: enters play after a delay of game time, then chases the
// ship or sweeps across the screen, testing on every step whether it touches the ship.

#include <string>

#include "EntrySchedule.h"
#include "MovingObjectImage.h"

class DisplayableObject;
class SpaceShipBonus;

class AlienBonus : public MovingObjectImage
{
public:
	// Movement patterns.
	static constexpr int chase = 1;
	static constexpr int chaseFast = 2;
	static constexpr int sweepHorizontal = 3;
	static constexpr int sweepVertical = 4;

	// The entry of the engine's object list that holds the ship.
	static constexpr int targetEntry = 1;

	AlienBonus(BaseEngine* engine, std::string url, int x, int y, int w, int h, int pattern, int delay);

	void update(int time) override;

	bool isActive() const { return m_schedule.isActive(); }
	int getDirection() const { return m_direction; }

	void moveChase();
	void moveChaseFast();
	void moveSweepHorizontal();
	void moveSweepVertical();
	void checkShipHit();

private:
	using Movement = void (AlienBonus::*)();

	static Movement movementFor(int pattern);
	// The ship as the object list holds it now: null once it has removed itself.
	SpaceShipBonus* currentTarget() const;
	void chaseTarget(int stepX, int stepY);

	int m_windowWidth;
	int m_windowHeight;
	int m_direction = 1;
	EntrySchedule m_schedule;
	int m_targetX = 0;
	int m_targetY = 0;
	Movement m_movement;
};
