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
	// Drawing asks for whole-pixel offsets of one picture at one angle, pixel after pixel:
	// the table and the angle's parts from the last call serve.
	if (m_table != nullptr && m_tableWidth == image.getWidth() && m_tableHeight == image.getHeight()
		&& m_partsAngle == m_angle)
	{
		if (!m_table->isInside(x, y))
			return false;
		const int column = static_cast<int>(x);
		const int row = static_cast<int>(y);
		if (column == x && row == y)
		{
			m_table->turn(column, row, m_cosAngle, m_sinAngle, x, y);
			return m_table->isInside(x, y);
		}
	}
	return mapAfterSetUp(x, y, image);
}

bool CoordinateMappingRotate::mapAfterSetUp(double& x, double& y, const ImageHandle& image)
{
	if (!isInsideImage(x, y, image))
		return false;
	const int width = image.getWidth();
	const int height = image.getHeight();
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
	return isInsideImage(x, y, image);
}
