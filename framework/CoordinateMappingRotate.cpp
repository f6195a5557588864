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

const RotationTable* CoordinateMappingRotate::tableFor(int width, int height)
{
	if (width != m_tableWidth || height != m_tableHeight)
	{
		m_table = RotationTable::forSize(width, height);
		m_tableWidth = width;
		m_tableHeight = height;
	}
	return m_table;
}

void CoordinateMappingRotate::updateAngleParts()
{
	if (m_angle == m_partsAngle)
		return;
	m_cosAngle = std::cos(m_angle);
	m_sinAngle = std::sin(m_angle);
	m_partsAngle = m_angle;
}

bool CoordinateMappingRotate::mapCoordinates(double& x, double& y, const ImageHandle& image)
{
	if (!isInsideImage(x, y, image))
		return false;
	const int width = image.getWidth();
	const int height = image.getHeight();
	// Drawing asks for whole-pixel offsets; other points are turned directly.
	const int column = static_cast<int>(x);
	const int row = static_cast<int>(y);
	const RotationTable* table = tableFor(width, height);
	if (table != nullptr && column == x && row == y && std::fabs(m_angle) <= angleSumLimit)
	{
		updateAngleParts();
		table->turn(column, row, m_cosAngle, m_sinAngle, x, y);
	}
	else
		rotateAbout(x, y, width / 2, height / 2);
	return isInsideImage(x, y, image);
}
