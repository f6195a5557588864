#include "FilterChain.h"

#include <climits>
#include <typeinfo>

#include "BaseEngine.h"
#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"

namespace
{
// The first and last screen values the steps make of a virtual value. Each step turns a run of
// consecutive values into a run of consecutive values, both ends moving the same way as the
// value, so one virtual value becomes exactly the screen values between these two.
template <typename Step>
int firstScreenValue(const Step* steps, int count, int value)
{
	for (int i = 0; i < count; ++i)
		value = steps[i].firstValue(value);
	return value;
}

template <typename Step>
int lastScreenValue(const Step* steps, int count, int value)
{
	for (int i = 0; i < count; ++i)
		value = steps[i].lastValue(value);
	return value;
}

const FilterChain::Run emptyRun{1, 0};
} // namespace

int FilterChain::AxisStep::firstValue(int value) const
{
	return isMove ? FilterPointsTranslation::moved(value, offset)
				  : FilterPointsScaling::firstScreenValue(value, stretch, compress);
}

int FilterChain::AxisStep::lastValue(int value) const
{
	return isMove ? FilterPointsTranslation::moved(value, offset)
				  : FilterPointsScaling::lastScreenValue(value, stretch, compress);
}

bool FilterChain::AxisStep::operator==(const AxisStep& other) const
{
	return isMove == other.isMove && offset == other.offset && stretch == other.stretch && compress == other.compress;
}

// Steps that change nothing are left out: most chains in use then need no search.
void FilterChain::add(const AxisStep& xStep, const AxisStep& yStep)
{
	if (xStep.isIdentity() && yStep.isIdentity())
		return;
	m_x[m_length] = xStep;
	m_y[m_length] = yStep;
	++m_length;
}

// Follows the chain through each filter's next filter, stopping at the first that is not
// exactly one of the framework's own.
bool FilterChain::read(FilterPoints* filter)
{
	m_length = 0;
	m_clipped = false;
	for (int read = 0; filter != nullptr; ++read)
	{
		if (read == longestChain)
			return false;
		const std::type_info& type = typeid(*filter);
		if (type == typeid(EngineClipFilter))
		{
			const auto* clip = static_cast<const EngineClipFilter*>(filter);
			m_clipped = true;
			m_clipLeft = clip->getLeft();
			m_clipTop = clip->getTop();
			m_clipRight = clip->getRight();
			m_clipBottom = clip->getBottom();
			return true;
		}
		if (type == typeid(FilterPointsTranslation))
		{
			const auto* move = static_cast<const FilterPointsTranslation*>(filter);
			add({true, move->getXOffset(), 1, 1}, {true, move->getYOffset(), 1, 1});
			filter = move->getNext();
		}
		else if (type == typeid(FilterPointsScaling))
		{
			const auto* zoom = static_cast<const FilterPointsScaling*>(filter);
			add({false, 0, zoom->getXStretch(), zoom->getXCompress()}, {false, 0, zoom->getYStretch(), zoom->getYCompress()});
			filter = zoom->getNext();
		}
		else
		{
			return false;
		}
	}
	return true;
}

// The virtual values whose screen values meet [first, last]: those whose first screen value is
// at most last and whose last one is at least first. Both ends grow with the value, so each
// condition holds on one side of a boundary, found by bisection with the filters' own arithmetic.
FilterChain::Run FilterChain::landingValues(const AxisStep* steps, int count, int first, int last)
{
	if (first > last)
		return emptyRun;
	if (count == 0)
		return {first, last};
	if (firstScreenValue(steps, count, INT_MIN) > last || lastScreenValue(steps, count, INT_MAX) < first)
		return emptyRun;
	int64_t low = INT_MIN;
	int64_t high = INT_MAX;
	while (low < high)
	{
		const int64_t middle = low + (high - low + 1) / 2;
		if (firstScreenValue(steps, count, static_cast<int>(middle)) <= last)
			low = middle;
		else
			high = middle - 1;
	}
	const int64_t lastLanding = low;
	low = INT_MIN;
	high = INT_MAX;
	while (low < high)
	{
		const int64_t middle = low + (high - low) / 2;
		if (lastScreenValue(steps, count, static_cast<int>(middle)) >= first)
			high = middle;
		else
			low = middle + 1;
	}
	return {low, lastLanding};
}

FilterChain::Run FilterChain::landingColumns(int first, int last) const
{
	return landingValues(m_x, m_length, first, last);
}

FilterChain::Run FilterChain::landingRows(int first, int last) const
{
	return landingValues(m_y, m_length, first, last);
}

bool FilterChain::landsAs(const FilterChain& other) const
{
	if (m_length != other.m_length || m_clipped != other.m_clipped)
		return false;
	if (m_clipped
		&& (m_clipLeft != other.m_clipLeft || m_clipTop != other.m_clipTop || m_clipRight != other.m_clipRight
			|| m_clipBottom != other.m_clipBottom))
		return false;
	for (int i = 0; i < m_length; ++i)
		if (!(m_x[i] == other.m_x[i]) || !(m_y[i] == other.m_y[i]))
			return false;
	return true;
}
