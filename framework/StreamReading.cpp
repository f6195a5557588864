#include "StreamReading.h"

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
