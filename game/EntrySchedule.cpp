#include "EntrySchedule.h"

#include "SaturatingInt.h"

EntrySchedule::EntrySchedule(int creationTime, int delay)
	: m_creationTime(creationTime),
	  m_delay(delay)
{
}

bool EntrySchedule::advance(int time)
{
	if (time == m_lastTime)
		m_active = false;
	else if (time > entryTime())
		m_active = true;
	m_lastTime = time;
	return m_active;
}

int EntrySchedule::timeInPlay(int time) const
{
	return clampToInt(static_cast<long long>(time) - entryTime());
}

// Worked out wide: late in a very long game the sum would wrap round and let the enemy in at once.
long long EntrySchedule::entryTime() const
{
	return static_cast<long long>(m_creationTime) + m_delay;
}
