#include "JigsawStateFile.h"

#include <cstdio>
#include <utility>

#include "StreamReading.h"

namespace
{
const char* const temporarySuffix = ".tmp";
} // namespace

JigsawStateFile::JigsawStateFile(std::string path)
	: m_path(std::move(path))
{
}

FILE* JigsawStateFile::openForReading() const
{
	if (pathKind(m_path) != PathKind::regularFile)
		return nullptr;
	return std::fopen(m_path.c_str(), "r");
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
