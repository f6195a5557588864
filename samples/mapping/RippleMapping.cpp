#include "mapping/RippleMapping.h"

#include <cmath>

namespace
{
	// Rows per radian of the wave, and phase units per radian.
	const double rowsPerRadian = 8.0;
	const double phasePerRadian = 20.0;
}

bool RippleMapping::mapCoordinates(double& x, double& y, const ImageHandle& image)
{
	if (!isInsideImage(x, y, image))
		return false;
	x += m_amplitude * std::sin(y / rowsPerRadian + m_phase / phasePerRadian);
	return isInsideImage(x, y, image);
}
