#include "JigsawStateLine.h"

#include <cctype>

namespace
{
// Where each field starts, how wide it is, and the letter that follows it.
struct FieldLayout
{
	int start;
	int width;
	char separator;
	bool mayBeNegative;
};

const FieldLayout indexField = {0, 5, 'x', false};
const FieldLayout xField = {6, 7, 'y', true};
const FieldLayout yField = {14, 7, 'r', true};
const FieldLayout rotationField = {22, 2, 'c', false};
const FieldLayout sourceXField = {25, 7, 'r', true};
const FieldLayout sourceYField = {33, 7, '\0', true};

// A zero-padded decimal as printf's %0<width>d writes it: digits only, or a minus sign in
// the first column followed by digits. Checking the characters keeps atoi-style reading
// from wandering into the next field or overflowing.
bool readField(const char* text, const FieldLayout& field, int& value)
{
	int position = field.start;
	const int end = field.start + field.width;
	bool negative = false;
	if (field.mayBeNegative && text[position] == '-')
	{
		negative = true;
		++position;
	}
	if (position == end)
		return false;
	int result = 0;
	for (; position < end; ++position)
	{
		const unsigned char c = static_cast<unsigned char>(text[position]);
		if (!std::isdigit(c))
			return false;
		result = result * 10 + (c - '0');
	}
	if (field.separator != '\0' && text[end] != field.separator)
		return false;
	value = negative ? -result : result;
	return true;
}

// After the fields: carriage returns (one, or two where text mode added its own), then the
// line feed; the last line of a file may stop short of its line feed.
bool endsCleanly(const char* rest)
{
	while (*rest == '\r')
		++rest;
	if (*rest == '\n')
		++rest;
	return *rest == '\0';
}
} // namespace

bool JigsawStateLine::parse(const char* text, JigsawStateLine& line)
{
	for (int column = 0; column < columns; ++column)
		if (text[column] == '\0')
			return false;
	JigsawStateLine read;
	if (!readField(text, indexField, read.index) || !readField(text, xField, read.x) ||
		!readField(text, yField, read.y) || !readField(text, rotationField, read.rotation) ||
		!readField(text, sourceXField, read.sourceX) || !readField(text, sourceYField, read.sourceY))
		return false;
	if (!endsCleanly(text + columns))
		return false;
	line = read;
	return true;
}

bool JigsawStateLine::readNext(FILE* file, JigsawStateLine& line)
{
	if (file == nullptr)
		return false;
	char buffer[bufferSize];
	if (std::fgets(buffer, readSize, file) == nullptr)
		return false;
	return parse(buffer, line);
}

bool JigsawStateLine::write(FILE* file) const
{
	return std::fprintf(file, "%05dx%07dy%07dr%02dc%07dr%07d\r\n", index, x, y, rotation, sourceX, sourceY) > 0;
}
