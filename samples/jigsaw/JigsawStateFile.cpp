#include "JigsawStateFile.h"

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "JigsawStateLine.h"
#include "StreamReading.h"

namespace
{
const int highestRotation = 3;
const char* const temporarySuffix = ".tmp";

bool isCellSource(int value, int cells, int cellSize)
{
	return value >= 0 && value % cellSize == 0 && value / cellSize < cells;
}

// Nothing but blanks and line ends.
bool isBlankLine(const char* text)
{
	return text[std::strspn(text, " \t\r\n")] == '\0';
}

// At most one line per piece is read; fewer lines are fine (the other pieces keep their
// shuffled places), and so are blank lines at the end. A line that is read must be sound:
// in the writer's columns, a turn of 0 to 3, and a cell of the picture no other line names.
bool linesAreSound(FILE* file, int columns, int rows, int cellSize)
{
	const int pieces = columns * rows;
	std::vector<bool> sourceUsed(static_cast<size_t>(pieces), false);
	bool blankSeen = false;
	for (int count = 0; count < pieces; ++count)
	{
		char text[JigsawStateLine::bufferSize];
		if (std::fgets(text, JigsawStateLine::readSize, file) == nullptr)
			break;
		if (isBlankLine(text))
		{
			blankSeen = true;
			continue;
		}
		JigsawStateLine line;
		if (blankSeen || !JigsawStateLine::parse(text, line))
			return false;
		if (line.rotation < 0 || line.rotation > highestRotation)
			return false;
		if (!isCellSource(line.sourceX, columns, cellSize) || !isCellSource(line.sourceY, rows, cellSize))
			return false;
		const size_t cell = static_cast<size_t>(line.sourceY / cellSize) * columns + line.sourceX / cellSize;
		if (sourceUsed[cell])
			return false;
		sourceUsed[cell] = true;
	}
	return !std::ferror(file);
}
} // namespace

JigsawStateFile::JigsawStateFile(std::string path)
	: m_path(std::move(path))
{
}

bool JigsawStateFile::isValidState(FILE* file, int columns, int rows, int cellSize)
{
	if (file == nullptr || columns <= 0 || rows <= 0 || cellSize <= 0)
		return false;
	std::string whole;
	if (!readWholeStream(file, maxSavedStateSize, whole) || std::fseek(file, 0, SEEK_SET) != 0)
		return false;
	return linesAreSound(file, columns, rows, cellSize);
}

FILE* JigsawStateFile::openValidated(int columns, int rows, int cellSize) const
{
	if (pathKind(m_path) != PathKind::regularFile)
		return nullptr;
	FILE* file = std::fopen(m_path.c_str(), "r");
	if (file == nullptr)
		return nullptr;
	if (!isValidState(file, columns, rows, cellSize) || std::fseek(file, 0, SEEK_SET) != 0)
	{
		std::fclose(file);
		return nullptr;
	}
	return file;
}

bool JigsawStateFile::save(const std::function<void(FILE*)>& writeLines) const
{
	const std::string temporaryPath = m_path + temporarySuffix;
	FILE* file = std::fopen(temporaryPath.c_str(), "w");
	if (file == nullptr)
		return false;
	writeLines(file);
	const bool written = std::fflush(file) == 0 && !std::ferror(file);
	const bool closed = std::fclose(file) == 0;
	if (!written || !closed || std::rename(temporaryPath.c_str(), m_path.c_str()) != 0)
	{
		std::remove(temporaryPath.c_str());
		return false;
	}
	return true;
}
