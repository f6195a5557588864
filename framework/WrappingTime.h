#pragma once
// Millisecond times that run on past the int range: SDL's tick count, and the game time
// taken from it, turn negative after 24.8 days and go on from there. Times are therefore
// compared by their difference, worked out modulo 2^32 the way the clock itself wraps, so a
// moment less than 24.8 days away is always in the right order.

#include <climits>

// The int that the low 32 bits stand for (two's complement), without relying on how the
// compiler converts unsigned values that lie beyond INT_MAX.
inline int wrapToInt(unsigned int value)
{
	if (value <= static_cast<unsigned int>(INT_MAX))
		return static_cast<int>(value);
	return -static_cast<int>(~value) - 1;
}

// later - earlier, wrapping round as the clock does.
inline int timeDifference(int later, int earlier)
{
	return wrapToInt(static_cast<unsigned int>(later) - static_cast<unsigned int>(earlier));
}

// The time ms after time, wrapping round as the clock does.
inline int timeAfter(int time, int ms)
{
	return wrapToInt(static_cast<unsigned int>(time) + static_cast<unsigned int>(ms));
}

// Whether the moment due has come at now.
inline bool timeReached(int now, int due)
{
	return timeDifference(now, due) >= 0;
}

// Whole steps of stepMs in a time that counts on past the int range: for times from 0 to
// INT_MAX this is time / stepMs, and it keeps counting up where the int time turns negative.
inline unsigned int timeSteps(int time, int stepMs)
{
	return static_cast<unsigned int>(time) / static_cast<unsigned int>(stepMs);
}
