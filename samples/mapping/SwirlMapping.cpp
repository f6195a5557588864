#include "mapping/SwirlMapping.h"

#include <cmath>

#include "ImageHandle.h"

namespace
{
	// Time units per radian of the swing.
	const double timePerRadian = 50.0;
}

bool SwirlMapping::mapCoordinates(double& x, double& y, const ImageHandle& image)
{
	if (!isInsideImage(x, y, image))
		return false;
	const double centreX = image.getWidth() / 2.0;
	const double centreY = image.getHeight() / 2.0;
	const double dx = x - centreX;
	const double dy = y - centreY;
	const double rim = std::sqrt(centreX * centreX + centreY * centreY);
	const double distance = std::sqrt(dx * dx + dy * dy);
	if (rim <= 0.0)
		return false;
	const double twist = m_maximumTwist * std::sin(m_time / timePerRadian) * (1.0 - distance / rim);
	const double c = std::cos(twist);
	const double s = std::sin(twist);
	x = centreX + dx * c - dy * s;
	y = centreY + dx * s + dy * c;
	return isInsideImage(x, y, image);
}
