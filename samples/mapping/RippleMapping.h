#pragma once
// A mapping that shifts each row of the picture along a sine wave; its first parameter, the
// phase, moves the wave on, the second sets how far rows shift at most.

#include "CoordinateMapping.h"

class RippleMapping : public CoordinateMapping
{
public:
	explicit RippleMapping(double phase = 0.0, double amplitude = 6.0) : m_phase(phase), m_amplitude(amplitude) {}

	void setPhase(double phase) { m_phase = phase; }
	double getPhase() const { return m_phase; }

	bool mapCoordinates(double& x, double& y, const ImageHandle& image) override;

private:
	double m_phase;
	double m_amplitude;
};
