#include "RotationTable.h"

#include <cmath>
#include <map>
#include <memory>
#include <utility>

namespace
{
const double pi = 3.14159265358979323846;
// Keeps the slope defined on the vertical line through the centre.
const double verticalLineNudge = 0.0001;
// Larger pictures are turned pixel by pixel rather than holding 16 bytes per pixel.
const long largestTabledPixels = 512L * 512L;
} // namespace

void RotationTable::toPolar(double dx, double dy, double& angle, double& radius)
{
	angle = std::atan(dy / (dx + verticalLineNudge));
	if (dx < 0)
		angle += pi;
	radius = std::sqrt(dx * dx + dy * dy);
}

const RotationTable* RotationTable::forSize(int width, int height)
{
	if (width <= 0 || height <= 0 || static_cast<long>(width) * height > largestTabledPixels)
		return nullptr;
	static std::map<std::pair<int, int>, std::unique_ptr<RotationTable>> tables;
	std::unique_ptr<RotationTable>& table = tables[{width, height}];
	if (!table)
		table.reset(new RotationTable(width, height));
	return table.get();
}

RotationTable::RotationTable(int width, int height)
	: m_width(width), m_height(height), m_centreX(width / 2), m_centreY(height / 2),
	  m_insideRight(width - 0.5), m_insideBottom(height - 0.5), m_entries(static_cast<size_t>(width) * height)
{
	for (int y = 0; y < height; y++)
		for (int x = 0; x < width; x++)
		{
			double angle = 0;
			double radius = 0;
			toPolar(x - m_centreX, y - m_centreY, angle, radius);
			Entry& entry = m_entries[static_cast<size_t>(y) * width + x];
			entry.cosPart = radius * std::cos(angle);
			entry.sinPart = radius * std::sin(angle);
		}
}
