#include "JigsawStateFile.h"

#include <cstdio>
#include <utility>

#include "FileReplacer.h"
#include "StreamReading.h"

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
	return FileReplacer(m_path).replace(writeLines) == FileReplacer::Outcome::replaced;
}
