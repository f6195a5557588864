#pragma once
// The image drawn unchanged, with nothing outside it: the mapping used when none is given.

#include "CoordinateMapping.h"

class CroppedCoordinateMapping : public CoordinateMapping
{
public:
	CroppedCoordinateMapping() {}
	bool mapCoordinates(double& x, double& y, const ImageHandle& image) override;
};

// The one shared default mapping.
extern CroppedCoordinateMapping defaultCroppedMapping;
