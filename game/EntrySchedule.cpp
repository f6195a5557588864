#include "EntrySchedule.h"

EntrySchedule::EntrySchedule(int creationTime, int delay)
	: m_creationTime(creationTime),
	  m_delay(delay)
{
}

bool EntrySchedule::advance(int time)
{
	if (time == m_lastTime)
		m_active = false;
	else if (time > m_creationTime + m_delay)
		m_active = true;
	m_lastTime = time;
	return m_active;
}
