#pragma once
// A mapping that twists the picture about its centre, most at the centre and not at the rim; its
// first parameter is the largest twist, the second the time value that swings it back and forth.

#include "CoordinateMapping.h"

class SwirlMapping : public CoordinateMapping
{
public:
	explicit SwirlMapping(double maximumTwist = 1.5, double time = 0.0) : m_maximumTwist(maximumTwist), m_time(time) {}

	void setTime(double time) { m_time = time; }
	double getTime() const { return m_time; }

	bool mapCoordinates(double& x, double& y, const ImageHandle& image) override;

private:
	double m_maximumTwist;
	double m_time;
};
