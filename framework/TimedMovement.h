#pragma once
// A point that moves in a straight line from a start position at a start time to an end
// position at an end time; objects ask it for the current position with the game time.

class TimedMovement
{
public:
	TimedMovement() {}

	void clear();
	void setup(int startX, int startY, int endX, int endY, int startTime, int endTime);
	void calculate(int time);
	int getX() const { return m_currentX; }
	int getY() const { return m_currentY; }
	bool hasFinished(int time) const;
	// Back from the end point to the start point over the same duration, starting at the old end time.
	void reverse();

	int getStartTime() const { return m_startTime; }
	int getEndTime() const { return m_endTime; }

private:
	static int interpolate(int start, int end, int elapsed, int duration);

	int m_startTime = 0;
	int m_endTime = 0;
	int m_startX = 0;
	int m_startY = 0;
	int m_endX = 0;
	int m_endY = 0;
	int m_currentX = 0;
	int m_currentY = 0;
};
