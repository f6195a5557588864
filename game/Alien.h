#pragma once
// An enemy of the playing levels: waits hidden until its delay of game time has passed,
// then moves by one of nine patterns, tests itself against the player's laser on every
// step, explodes when hit or when it passes the bottom line, and meanwhile updates the
// level's lives, score and killed counters. After its explosion it leaves the engine's
// list and deletes itself.

#include <string>

#include "EntrySchedule.h"
#include "MovingObjectImage.h"

class Alien : public MovingObjectImage
{
public:
	// An alien whose y passes this line has escaped.
	static constexpr int bottomLine = 620;
	static constexpr int explosionFrames = 12;
	static constexpr int ticksPerFrame = 4;

	// pattern is 1 to 9; lives, score and killed are the level's counters and must outlive the alien.
	Alien(BaseEngine* engine, std::string url, int x, int y, int w, int h, int pattern, int delay, int* lives,
		int* score, int* killed, int points);
	~Alien() override = default;

	void update(int time) override;

	bool isActive() const { return m_schedule.isActive(); }
	bool isDying() const { return m_dying; }
	int getDirection() const { return m_direction; }
	char getSide() const { return m_side; }
	int getExplosionFrame() const { return m_explosionFrame; }

protected:
	using Movement = void (Alien::*)(int);

	void checkLaserHit();
	void explode();
	void escapeCheck();

	// The movements, each given the ms since the alien entered play.
	void moveSweepDescend(int elapsed);
	void moveSweepDescendFast(int elapsed);
	void moveScriptedRight(int elapsed);
	void moveScriptedLeft(int elapsed);
	void moveSweepWide(int elapsed);
	void moveDiagonal(int elapsed);
	void moveSweepLeftBand(int elapsed);
	void moveSweepRightBand(int elapsed);

	// What patterns 1, 8 and 9 share: a 6-pixel sweep between two bounds with 100-pixel descents.
	void sweepAndDescend(int rightBound, int leftBound);
	// What patterns 3 and 4 share: a timed script whose horizontal steps are stepX wide.
	void followScript(int elapsed, int stepX);
	// One tick of a descent of count steps of stepY; on its end the sweep resumes.
	void descend(int count, int stepY, int directionAfterRight, int directionAfterOther);

	BaseEngine* m_gameEngine;
	int m_windowWidth;
	int m_windowHeight;
	int m_points;
	int m_direction = 1;
	int m_explosionFrame = 1;
	EntrySchedule m_schedule;
	int m_stepX = 0;
	int m_stepY = 0;
	char m_side = 'N';
	bool m_dying = false;
	int m_descentCount = 0;
	int* m_lives;
	int* m_score;
	int* m_killed;
	Movement m_movement = nullptr;
};
