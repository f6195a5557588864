#pragma once
// A point that moves in a straight line from a start position at a start time to an end
// position at an end time; objects ask it for the current position with the game time.

class TimedMovement
{
public:
	// Every point and time 0: it stays at (0, 0).
	TimedMovement() {}

	// Back to the state of a new movement (every point and time 0).
	void clear();
	// From (startX, startY) at startTime to (endX, endY) at endTime (ms of game time); the
	// current point becomes the start point until calculate() is called.
	void setup(int startX, int startY, int endX, int endY, int startTime, int endTime);
	// Sets the current point for the time: the start point up to the start time, the end point
	// from the end time on, in between on the straight line (truncated toward zero).
	void calculate(int time);
	// The current point as the last calculate() (or setup()) left it; reading does not recompute it.
	int getX() const { return m_currentX; }
	int getY() const { return m_currentY; }
	// Whether the time has reached the end time.
	bool hasFinished(int time) const;
	// Back from the end point to the start point over the same duration, starting at the old end time.
	// The current point stays where it was until the next calculate().
	void reverse();

	// The times set up (after reverse(), the new ones).
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
