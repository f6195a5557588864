#pragma once
// When an enemy is in play: after its delay of game time has passed, and never while the
// game time stands still (a paused game), so paused enemies hide and freeze.

class EntrySchedule
{
public:
	EntrySchedule(int creationTime, int delay);

	// Takes the game time of this update; true while the enemy is in play.
	bool advance(int time);
	bool isActive() const { return m_active; }
	// Game time since the enemy entered play.
	int timeInPlay(int time) const;

private:
	int entryTime() const;

	int m_creationTime;
	int m_delay;
	bool m_active = false;
	int m_lastTime = 0;
};
