#pragma once
// For pictures of one size: every whole-pixel offset from the picture's centre in polar
// form (angle by atan, distance by sqrt, exactly as a single turn computes them), kept as
// the offset's cosine and sine parts, so that turning by any angle needs only that angle's
// own cosine and sine. Built once per size and shared by every draw and every angle; the
// tables of the sizes drawn last are kept, up to a bound on the memory they take.

#include <cstddef>
#include <memory>
#include <vector>

class RotationTable
{
public:
	// Angle (radians, clockwise on the screen) and distance of the offset (dx, dy) from a
	// centre: the one formula behind every turn.
	static void toPolar(double dx, double dy, double& angle, double& radius);

	// The most memory the kept tables take together; the sizes used longest ago give way.
	static constexpr std::size_t keptBytesLimit = 16 * 1024 * 1024;

	// The table for pictures of width x height turned about (width / 2, height / 2); null
	// for pictures too large to keep one for. A table given out lives as long as its
	// holder needs it, kept or not.
	static std::shared_ptr<const RotationTable> forSize(int width, int height);
	// What the kept tables take now.
	static std::size_t keptBytes();

	// Memory this table's entries take.
	std::size_t byteSize() const { return m_entries.size() * sizeof(Entry); }

	// The picture size the table is for.
	int getWidth() const { return m_width; }
	int getHeight() const { return m_height; }
	// The mappings' inside test for a picture of this size: the point rounds to one of its pixels.
	bool isInside(double x, double y) const { return x >= 0 && y >= 0 && x < m_insideRight && y < m_insideBottom; }

	// The picture's pixel (x, y) turned about the centre by the angle whose cosine and sine
	// are given (the angle-sum identity); the result is relative to the picture's top-left.
	void turn(int x, int y, double cosAngle, double sinAngle, double& turnedX, double& turnedY) const
	{
		const Entry& entry = m_entries[static_cast<std::size_t>(y) * m_width + x];
		turnedX = entry.cosPart * cosAngle - entry.sinPart * sinAngle + m_centreX;
		turnedY = entry.sinPart * cosAngle + entry.cosPart * sinAngle + m_centreY;
	}

private:
	// radius * cos(angle) and radius * sin(angle) of one offset.
	struct Entry
	{
		double cosPart;
		double sinPart;
	};

	RotationTable(int width, int height);

	int m_width;
	int m_height;
	int m_centreX;
	int m_centreY;
	double m_insideRight;
	double m_insideBottom;
	std::vector<Entry> m_entries;
};
