#pragma once
// The image turned about its centre by an angle (radians; a positive angle samples
// clockwise on the screen, so the drawn picture turns the other way).

#include <memory>

#include "CoordinateMapping.h"

class RotationTable;

class CoordinateMappingRotate : public CoordinateMapping
{
public:
	// Angles up to this size (radians, either way; half an hour of the levels' fastest
	// turn) turn whole-pixel offsets through the picture size's table and the angle-sum
	// identity, checked against the direct formula over this range; larger angles use the
	// direct formula.
	static constexpr double angleSumLimit = 3600.0;

	// The angle in radians (0: the picture unchanged).
	explicit CoordinateMappingRotate(double angle = 0.0) : m_angle(angle) {}

	// The angle in radians, used from the next draw (request a redraw to show it).
	void setRotation(double angle) { m_angle = angle; }
	double getRotation() const { return m_angle; }

	// Turns the point about the picture's centre (width / 2, height / 2, whole pixels); false
	// when the point lies off the picture before or after the turn, so the corners drop out.
	bool mapCoordinates(double& x, double& y, const ImageHandle& image) override;

protected:
	// Turns (x, y) by the angle about (centreX, centreY), directly by atan, sqrt, cos and sin.
	void rotateAbout(double& x, double& y, int centreX, int centreY) const;

	double m_angle;

private:
	// The whole turn: brings the table and the angle's cosine and sine up to date with the
	// picture's size and the angle, then turns (x, y) by the table where it serves, else directly.
	bool mapAfterSetUp(double& x, double& y, const ImageHandle& image);

	// The table of the picture size last drawn (null: none for that size).
	std::shared_ptr<const RotationTable> m_table;
	int m_tableWidth = 0;
	int m_tableHeight = 0;
	// The angle whose cosine and sine are kept; only ever an angle within the limit.
	double m_partsAngle = 0.0;
	double m_cosAngle = 1.0;
	double m_sinAngle = 0.0;
};
