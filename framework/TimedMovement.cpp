#include "TimedMovement.h"

#include <cstdint>
#include <utility>

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
	// The product comes first (truncating division after it) and is taken wide: long
	// movements over long distances pass the int range.
	const int64_t step = static_cast<int64_t>(elapsed) * (static_cast<int64_t>(end) - start) / duration;
	return static_cast<int>(start + step);
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
		const int elapsed = time - m_startTime;
		const int duration = m_endTime - m_startTime;
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
	m_endTime = 2 * oldEndTime - oldStartTime;
}
