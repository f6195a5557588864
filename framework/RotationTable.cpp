#include "RotationTable.h"

#include <cmath>
#include <list>
#include <map>
#include <utility>

namespace
{
const double pi = 3.14159265358979323846;
// Keeps the slope defined on the vertical line through the centre.
const double verticalLineNudge = 0.0001;
// Larger pictures are turned pixel by pixel rather than holding 16 bytes per pixel.
const long largestTabledPixels = 512L * 512L;

using TablePointer = std::shared_ptr<const RotationTable>;
using TableList = std::list<TablePointer>;
using SizeKey = std::pair<int, int>;

// The kept tables, the one used last first, with an index by size into the list.
struct KeptTables
{
	TableList latestFirst;
	std::map<SizeKey, TableList::iterator> bySize;
	std::size_t bytes = 0;
};

KeptTables& keptTables()
{
	static KeptTables kept;
	return kept;
}

void dropLeastRecentlyUsed(KeptTables& kept)
{
	const TablePointer& oldest = kept.latestFirst.back();
	kept.bytes -= oldest->byteSize();
	kept.bySize.erase({oldest->getWidth(), oldest->getHeight()});
	kept.latestFirst.pop_back();
}
} // namespace

void RotationTable::toPolar(double dx, double dy, double& angle, double& radius)
{
	angle = std::atan(dy / (dx + verticalLineNudge));
	if (dx < 0)
		angle += pi;
	radius = std::sqrt(dx * dx + dy * dy);
}

std::shared_ptr<const RotationTable> RotationTable::forSize(int width, int height)
{
	static_assert(static_cast<std::size_t>(largestTabledPixels) * sizeof(Entry) <= keptBytesLimit,
		"the largest table fits within what is kept");
	if (width <= 0 || height <= 0 || static_cast<long>(width) * height > largestTabledPixels)
		return nullptr;
	KeptTables& kept = keptTables();
	const auto found = kept.bySize.find({width, height});
	if (found != kept.bySize.end())
	{
		kept.latestFirst.splice(kept.latestFirst.begin(), kept.latestFirst, found->second);
		return kept.latestFirst.front();
	}
	TablePointer table(new RotationTable(width, height));
	kept.latestFirst.push_front(table);
	kept.bySize[{width, height}] = kept.latestFirst.begin();
	kept.bytes += table->byteSize();
	while (kept.bytes > keptBytesLimit)
		dropLeastRecentlyUsed(kept);
	return table;
}

std::size_t RotationTable::keptBytes()
{
	return keptTables().bytes;
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
