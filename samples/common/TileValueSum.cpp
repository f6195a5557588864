#include "common/TileValueSum.h"

#include <climits>

int TileValueSum::add(int value, int amount)
{
	const long long wrapSpan = static_cast<long long>(INT_MAX) + 1;
	long long sum = static_cast<long long>(value) + amount;
	if (sum > INT_MAX)
		sum -= wrapSpan;
	return static_cast<int>(sum);
}
