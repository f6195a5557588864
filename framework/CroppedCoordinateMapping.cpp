#include "CroppedCoordinateMapping.h"

CroppedCoordinateMapping defaultCroppedMapping;

bool CroppedCoordinateMapping::mapCoordinates(double& x, double& y, const ImageHandle& image)
{
	return isInsideImage(x, y, image);
}
