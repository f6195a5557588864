#include "EntrySchedule.h"

#include "WrappingTime.h"

EntrySchedule::EntrySchedule(int creationTime, int delay)
	: m_creationTime(creationTime),
	  m_delay(delay)
{
}

// The entry time is compared by difference, so an enemy enters on time also when the game
// time passes the int range while it waits.
bool EntrySchedule::advance(int time)
{
	if (time == m_lastTime)
		m_active = false;
	else if (timeInPlay(time) > 0)
		m_active = true;
	m_lastTime = time;
	return m_active;
}

int EntrySchedule::timeInPlay(int time) const
{
	return timeDifference(time, entryTime());
}

int EntrySchedule::entryTime() const
{
	return timeAfter(m_creationTime, m_delay);
}
