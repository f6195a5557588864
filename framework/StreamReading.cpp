#include "StreamReading.h"

#include <filesystem>
#include <system_error>

namespace
{
const std::size_t readChunk = 4096;
} // namespace

bool readWholeStream(std::FILE* file, std::size_t limit, std::string& text)
{
	text.clear();
	char chunk[readChunk];
	while (text.size() <= limit)
	{
		const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
		text.append(chunk, got);
		if (got < sizeof chunk)
			return !std::ferror(file) && text.size() <= limit;
	}
	return false;
}

PathKind pathKind(const std::string& path)
{
	std::error_code error;
	const std::filesystem::file_status status = std::filesystem::status(path, error);
	if (std::filesystem::is_regular_file(status))
		return PathKind::regularFile;
	if (!std::filesystem::exists(status))
		return PathKind::missing;
	return PathKind::other;
}
