#pragma once
// The image drawn unchanged, with nothing outside it: the mapping used when none is given.

#include "CoordinateMapping.h"

class CroppedCoordinateMapping : public CoordinateMapping
{
public:
	// No settings: use defaultCroppedMapping below.
	CroppedCoordinateMapping() {}
	// The point unchanged; false outside 0 <= x < width - 0.5, 0 <= y < height - 0.5 of the picture.
	bool mapCoordinates(double& x, double& y, const ImageHandle& image) override;
};

// The one shared default mapping.
extern CroppedCoordinateMapping defaultCroppedMapping;
