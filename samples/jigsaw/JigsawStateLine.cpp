#include "JigsawStateLine.h"

#include <cctype>

namespace
{
// Where each field starts, how wide it is, and whether the writer fits negative values into it.
struct FieldLayout
{
	int start;
	int width;
	bool mayBeNegative;
};

const FieldLayout xField = {6, 7, true};
const FieldLayout yField = {14, 7, true};
const FieldLayout rotationField = {22, 2, false};
const FieldLayout sourceXField = {25, 7, true};
const FieldLayout sourceYField = {33, 7, true};

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

// The number in the field's columns as atoi reads it (leading blanks, an optional sign,
// digits), taken only when its digits run to the field's last column: where atoi would stop
// early (a letter, a NUL, a blank between digits, a line cut short) it would guess a value
// nobody wrote. Seven columns of digits cannot overflow.
bool readField(const std::string& text, const FieldLayout& field, int& value)
{
	const std::string::size_type end = static_cast<std::string::size_type>(field.start + field.width);
	if (text.size() < end)
		return false;
	std::string::size_type position = static_cast<std::string::size_type>(field.start);
	while (position < end && std::isspace(static_cast<unsigned char>(text[position])))
		++position;
	bool negative = false;
	if (position < end && (text[position] == '-' || text[position] == '+'))
		negative = text[position++] == '-';
	if (position == end)
		return false;
	int result = 0;
	for (; position < end; ++position)
	{
		if (!isDigit(text[position]))
			return false;
		result = result * 10 + (text[position] - '0');
	}
	value = negative ? -result : result;
	return true;
}
} // namespace

bool JigsawStateLine::parse(const std::string& text, JigsawStateLine& line)
{
	JigsawStateLine read = line;
	if (!readField(text, xField, read.x) || !readField(text, yField, read.y) ||
		!readField(text, rotationField, read.rotation) || !readField(text, sourceXField, read.sourceX) ||
		!readField(text, sourceYField, read.sourceY))
		return false;
	line = read;
	return true;
}

// The rest of an over-long line is read past rather than taken as the next line, so the
// lines after it still go to their own pieces. The bound is on the stream as a whole, not on
// a line: it is far above what a state file holds, so a long damaged line leaves the other
// lines enough, and it keeps a huge file from being read through.
bool JigsawStateLine::readText(FILE* file, std::string& text)
{
	text.clear();
	const long start = std::ftell(file);
	if (start < 0 || start >= maxScannedBytes)
		return false;
	long budget = maxScannedBytes - start;
	bool readAny = false;
	int c = EOF;
	while (budget > 0 && (c = std::getc(file)) != EOF)
	{
		--budget;
		readAny = true;
		if (c == '\n')
			break;
		if (text.size() < static_cast<std::string::size_type>(columns))
			text.push_back(static_cast<char>(c));
	}
	return readAny;
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
// other fields out of their columns, and the line would no longer read back.
bool JigsawStateLine::write(FILE* file) const
{
	return std::fprintf(file, "%05dx%07dy%07dr%02dc%07dr%07d\r\n", index, fitted(x, xField), fitted(y, yField),
			   rotation, fitted(sourceX, sourceXField), fitted(sourceY, sourceYField))
		> 0;
}
