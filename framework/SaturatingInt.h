#pragma once
// Int arithmetic for values that come from files or grow during play (positions, scores,
// times): worked out in a wider type and brought back into the int range, so that an
// extreme value ends at the nearest int limit instead of wrapping round.

#include <climits>

// The value, or the nearest int limit when it lies beyond the range.
inline int clampToInt(long long value)
{
	if (value > INT_MAX)
		return INT_MAX;
	if (value < INT_MIN)
		return INT_MIN;
	return static_cast<int>(value);
}

// a + b, stopping at the int limits.
inline int saturatingAdd(int a, int b)
{
	return clampToInt(static_cast<long long>(a) + b);
}

// How many values run from first to last, both included (0 or less when last < first).
inline int valuesFromTo(int first, int last)
{
	return clampToInt(static_cast<long long>(last) - first + 1);
}
