#pragma once
// The image turned about its centre by an angle (radians; a positive angle samples
// clockwise on the screen, so the drawn picture turns the other way).

#include "CoordinateMapping.h"

class CoordinateMappingRotate : public CoordinateMapping
{
public:
	explicit CoordinateMappingRotate(double angle = 0.0) : m_angle(angle) {}

	void setRotation(double angle) { m_angle = angle; }
	double getRotation() const { return m_angle; }

	bool mapCoordinates(double& x, double& y, const ImageHandle& image) override;

protected:
	// Turns (x, y) by the angle about (centreX, centreY).
	void rotateAbout(double& x, double& y, int centreX, int centreY) const;

	double m_angle;
};
