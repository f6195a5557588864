#include "JigsawStateFile.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "JigsawStateLine.h"

namespace
{
const int highestRotation = 3;
const char* const temporarySuffix = ".tmp";

bool isCellSource(int value, int cells, int cellSize)
{
	return value >= 0 && value % cellSize == 0 && value / cellSize < cells;
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
	const int pieces = columns * rows;
	std::vector<bool> sourceUsed(static_cast<size_t>(pieces), false);
	int count = 0;
	JigsawStateLine line;
	while (true)
	{
		// Tell a clean end of file from a line that is not a state line.
		const int next = std::fgetc(file);
		if (next == EOF)
			break;
		std::ungetc(next, file);
		if (count == pieces || !JigsawStateLine::readNext(file, line))
			return false;
		if (line.index != count || line.rotation < 0 || line.rotation > highestRotation)
			return false;
		if (!isCellSource(line.sourceX, columns, cellSize) || !isCellSource(line.sourceY, rows, cellSize))
			return false;
		const size_t cell = static_cast<size_t>(line.sourceY / cellSize) * columns + line.sourceX / cellSize;
		if (sourceUsed[cell])
			return false;
		sourceUsed[cell] = true;
		++count;
	}
	return count == pieces && !std::ferror(file);
}

FILE* JigsawStateFile::openValidated(int columns, int rows, int cellSize) const
{
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
