#include "JigsawStateFile.h"

#include <cstdio>
#include <utility>

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

// Nothing but blanks and line ends; a NUL byte is not blank.
bool isBlankLine(const std::string& text)
{
	return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// Only what the pieces will read is judged: at most one line per piece, and no more than
// maxSavedStateSize bytes of it. Fewer lines are fine (the other pieces keep their shuffled
// places), and so are blank lines at the end. A line that is read must be sound: in the
// writer's columns, a turn of 0 to 3, and a cell of the picture. Two lines may name one cell:
// a short file leaves later pieces with their own cells, and saving that writes both.
bool linesAreSound(FILE* file, int columns, int rows, int cellSize)
{
	const long pieces = static_cast<long>(columns) * rows;
	std::size_t bytesRead = 0;
	bool blankSeen = false;
	std::string text;
	for (long count = 0; count < pieces && JigsawStateLine::readText(file, text); ++count)
	{
		bytesRead += text.size();
		if (bytesRead > maxSavedStateSize)
			return false;
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
