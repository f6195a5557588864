#include "CoordinateMapping.h"

#include "ImageHandle.h"

bool CoordinateMapping::isInsideImage(double x, double y, const ImageHandle& image)
{
	return x >= 0 && y >= 0 && x < image.getWidth() - 0.5 && y < image.getHeight() - 0.5;
}
