#include "CoordinateMappingRotate.h"

#include <cmath>

#include "ImageHandle.h"
#include "RotationTable.h"

void CoordinateMappingRotate::rotateAbout(double& x, double& y, int centreX, int centreY) const
{
	double angle = 0;
	double radius = 0;
	RotationTable::toPolar(x - centreX, y - centreY, angle, radius);
	angle += m_angle;
	x = std::cos(angle) * radius + centreX;
	y = std::sin(angle) * radius + centreY;
}

bool CoordinateMappingRotate::mapCoordinates(double& x, double& y, const ImageHandle& image)
{
	if (!isInsideImage(x, y, image))
		return false;
	// Drawing asks for whole-pixel offsets of one picture at one angle, pixel after pixel:
	// the table and the angle's parts from the last call serve.
	const int column = static_cast<int>(x);
	const int row = static_cast<int>(y);
	if (m_table != nullptr && m_tableWidth == image.getWidth() && m_tableHeight == image.getHeight()
		&& m_partsAngle == m_angle && column == x && row == y)
		m_table->turn(column, row, m_cosAngle, m_sinAngle, x, y);
	else
		turnAfterSetUp(x, y, image.getWidth(), image.getHeight());
	return isInsideImage(x, y, image);
}

void CoordinateMappingRotate::turnAfterSetUp(double& x, double& y, int width, int height)
{
	if (width != m_tableWidth || height != m_tableHeight)
	{
		m_table = RotationTable::forSize(width, height);
		m_tableWidth = width;
		m_tableHeight = height;
	}
	if (m_partsAngle != m_angle && std::fabs(m_angle) <= angleSumLimit)
	{
		m_cosAngle = std::cos(m_angle);
		m_sinAngle = std::sin(m_angle);
		m_partsAngle = m_angle;
	}
	const int column = static_cast<int>(x);
	const int row = static_cast<int>(y);
	if (m_table != nullptr && m_partsAngle == m_angle && column == x && row == y)
		m_table->turn(column, row, m_cosAngle, m_sinAngle, x, y);
	else
		rotateAbout(x, y, width / 2, height / 2);
}
