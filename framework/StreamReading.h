#pragma once
// Reading a small text file whole, with a bound: a file larger than the bound, a device or
// an endless stream is given up once the bound is passed, so loading never runs for ever.

#include <cstddef>
#include <cstdio>
#include <string>

// The most that loading one of the program's saved states reads; far beyond any state it writes.
constexpr std::size_t maxSavedStateSize = 64 * 1024;

// What a path names, links followed. Loading opens only a regular file: opening a pipe
// that nobody writes to would wait for ever, and a device may never end.
enum class PathKind
{
	missing,
	regularFile,
	other,
};
PathKind pathKind(const std::string& path);

// Reads the stream from its position to its end into text. False, with reading stopped
// soon after, when more than limit bytes come; false too on a read error.
bool readWholeStream(std::FILE* file, std::size_t limit, std::string& text);
