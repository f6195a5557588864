#include "CoordinateMappingRotate.h"

#include <cmath>

#include "ImageHandle.h"

namespace
{
const double pi = 3.14159265358979323846;
// Keeps the slope defined on the vertical line through the centre.
const double verticalLineNudge = 0.0001;
} // namespace

void CoordinateMappingRotate::rotateAbout(double& x, double& y, int centreX, int centreY) const
{
	const double dx = x - centreX;
	const double dy = y - centreY;
	double angle = std::atan(dy / (dx + verticalLineNudge));
	if (dx < 0)
		angle += pi;
	angle += m_angle;
	const double radius = std::sqrt(dx * dx + dy * dy);
	x = std::cos(angle) * radius + centreX;
	y = std::sin(angle) * radius + centreY;
}

bool CoordinateMappingRotate::mapCoordinates(double& x, double& y, const ImageHandle& image)
{
	if (!isInsideImage(x, y, image))
		return false;
	rotateAbout(x, y, image.getWidth() / 2, image.getHeight() / 2);
	return isInsideImage(x, y, image);
}
