#include "TimeObject.h"

namespace
{
const int millisecondsPerSecond = 1000;
} // namespace

TimeObject::TimeObject(int x, int y, BaseEngine* engine, int* value, bool topLeft)
	: ScoreObject(x, y, engine, value, topLeft)
{
}

int TimeObject::shownNumber() const
{
	return *m_value / millisecondsPerSecond;
}
