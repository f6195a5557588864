#include "TimedMovement.h"

#include <utility>

#include "WrappingTime.h"

void TimedMovement::clear()
{
	*this = TimedMovement();
}

void TimedMovement::setup(int startX, int startY, int endX, int endY, int startTime, int endTime)
{
	m_startX = startX;
	m_startY = startY;
	m_endX = endX;
	m_endY = endY;
	m_startTime = startTime;
	m_endTime = endTime;
	m_currentX = startX;
	m_currentY = startY;
}

int TimedMovement::interpolate(int start, int end, int elapsed, int duration)
{
	// The product comes first (truncating division after it). Distances may span the whole
	// int range, so the product is taken in 64 bits; the quotient is then smaller than the
	// distance and the result lies between start and end.
	const long long step = static_cast<long long>(elapsed) * (static_cast<long long>(end) - start) / duration;
	return static_cast<int>(start + step);
}

// Times are taken relative to the start, so a movement runs the same when the game time
// passes the int range on its way.
void TimedMovement::calculate(int time)
{
	const int elapsed = timeDifference(time, m_startTime);
	const int duration = timeDifference(m_endTime, m_startTime);
	if (elapsed <= 0)
	{
		m_currentX = m_startX;
		m_currentY = m_startY;
	}
	else if (elapsed >= duration)
	{
		m_currentX = m_endX;
		m_currentY = m_endY;
	}
	else
	{
		m_currentX = interpolate(m_startX, m_endX, elapsed, duration);
		m_currentY = interpolate(m_startY, m_endY, elapsed, duration);
	}
}

bool TimedMovement::hasFinished(int time) const
{
	return timeReached(time, m_endTime);
}

void TimedMovement::reverse()
{
	const int duration = timeDifference(m_endTime, m_startTime);
	std::swap(m_startX, m_endX);
	std::swap(m_startY, m_endY);
	m_startTime = m_endTime;
	m_endTime = timeAfter(m_endTime, duration);
}
