#include "TimedMovement.h"

#include <utility>

#include "SaturatingInt.h"

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

int TimedMovement::interpolate(int start, int end, long long elapsed, long long duration)
{
	// The product comes first (truncating division after it). Times and distances may each
	// span the whole int range, so the product is taken in 128 bits; the quotient is then
	// smaller than the distance and the result lies between start and end.
	const __int128 step = static_cast<__int128>(elapsed) * (static_cast<long long>(end) - start) / duration;
	return static_cast<int>(start + static_cast<long long>(step));
}

void TimedMovement::calculate(int time)
{
	if (time <= m_startTime)
	{
		m_currentX = m_startX;
		m_currentY = m_startY;
	}
	else if (time >= m_endTime)
	{
		m_currentX = m_endX;
		m_currentY = m_endY;
	}
	else
	{
		const long long elapsed = static_cast<long long>(time) - m_startTime;
		const long long duration = static_cast<long long>(m_endTime) - m_startTime;
		m_currentX = interpolate(m_startX, m_endX, elapsed, duration);
		m_currentY = interpolate(m_startY, m_endY, elapsed, duration);
	}
}

void TimedMovement::reverse()
{
	const int oldStartTime = m_startTime;
	const int oldEndTime = m_endTime;
	std::swap(m_startX, m_endX);
	std::swap(m_startY, m_endY);
	m_startTime = oldEndTime;
	// A movement that would end beyond the int range of times ends at its limit.
	m_endTime = clampToInt(2LL * oldEndTime - oldStartTime);
}
