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

// The value nearest to value that the field's columns hold: all digits, or a minus sign and digits.
int fitted(int value, const FieldLayout& field)
{
	int largest = 9;
	for (int digit = 1; digit < field.width; ++digit)
		largest = largest * 10 + 9;
	const int smallest = field.mayBeNegative ? -(largest / 10) : 0;
	return value > largest ? largest : value < smallest ? smallest : value;
}

bool isDigit(char c)
{
	return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// A zero-padded decimal as printf's %0<width>d writes it: digits only, or a minus sign in
// the first column followed by digits. Checking the characters keeps atoi-style reading
// from wandering into the next field or overflowing.
bool readField(const std::string& text, const FieldLayout& field, int& value)
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
		if (!isDigit(text[position]))
			return false;
		result = result * 10 + (text[position] - '0');
	}
	if (field.separator != '\0' && text[end] != field.separator)
		return false;
	value = negative ? -result : result;
	return true;
}

// The index column says nothing the line's place does not, so whatever it holds is taken
// as atoi would take it (blanks, a sign, the digits up to the first other character) and
// never refuses the line. Its width keeps the value small.
int convertIndex(const std::string& text)
{
	int position = indexField.start;
	const int end = indexField.start + indexField.width;
	while (position < end && std::isspace(static_cast<unsigned char>(text[position])))
		++position;
	const bool negative = position < end && text[position] == '-';
	if (position < end && (text[position] == '-' || text[position] == '+'))
		++position;
	int result = 0;
	for (; position < end && isDigit(text[position]); ++position)
		result = result * 10 + (text[position] - '0');
	return negative ? -result : result;
}

// After the fields: carriage returns (one, or two where text mode added its own), then the
// line feed; the last line of a file may stop short of its line feed. Every byte counts.
bool endsCleanly(const std::string& text)
{
	std::string::size_type position = JigsawStateLine::columns;
	while (position < text.size() && text[position] == '\r')
		++position;
	if (position < text.size() && text[position] == '\n')
		++position;
	return position == text.size();
}
} // namespace

bool JigsawStateLine::parse(const std::string& text, JigsawStateLine& line)
{
	if (text.size() < static_cast<std::string::size_type>(columns))
		return false;
	JigsawStateLine read;
	if (text[indexField.start + indexField.width] != indexField.separator || !readField(text, xField, read.x) ||
		!readField(text, yField, read.y) || !readField(text, rotationField, read.rotation) ||
		!readField(text, sourceXField, read.sourceX) || !readField(text, sourceYField, read.sourceY))
		return false;
	if (!endsCleanly(text))
		return false;
	read.index = convertIndex(text);
	line = read;
	return true;
}

bool JigsawStateLine::readText(FILE* file, std::string& text)
{
	text.clear();
	int c = EOF;
	while (text.size() < static_cast<std::string::size_type>(longestRead) && (c = std::getc(file)) != EOF)
	{
		text.push_back(static_cast<char>(c));
		if (c == '\n')
			break;
	}
	return !text.empty();
}

bool JigsawStateLine::readNext(FILE* file, JigsawStateLine& line)
{
	if (file == nullptr)
		return false;
	std::string text;
	return readText(file, text) && parse(text, line);
}

// A place beyond what a field's columns hold (a piece dragged millions of pixels away on a
// zoomed-out table) is written as the nearest value that fits: a wider number would push the
// other fields out of their columns, and the whole saved table would then be refused.
bool JigsawStateLine::write(FILE* file) const
{
	return std::fprintf(file, "%05dx%07dy%07dr%02dc%07dr%07d\r\n", index, fitted(x, xField), fitted(y, yField),
			   rotation, fitted(sourceX, sourceXField), fitted(sourceY, sourceYField))
		> 0;
}
