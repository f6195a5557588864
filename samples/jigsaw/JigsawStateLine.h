#pragma once
// One line of the jigsaw's saved state: a piece's place, turn and image source in fixed
// columns ("00003x0000150y-000025r01c0000100r0000050", then CR LF).

#include <cstdio>

struct JigsawStateLine
{
	int index = 0;
	int x = 0;
	int y = 0;
	int rotation = 0;
	int sourceX = 0;
	int sourceY = 0;

	// Characters before the line end; the reader ignores anything after them.
	static constexpr int columns = 40;
	// Read buffer and the count handed to fgets (so at most 1022 characters per read).
	static constexpr int bufferSize = 1024;
	static constexpr int readSize = 1023;

	// Parses a line as fgets returned it. False (and nothing changed) unless every column is
	// where the writer puts it, every number fits its columns and the line ends right after them.
	static bool parse(const char* text, JigsawStateLine& line);
	// Reads the stream's next line; false at its end or when the line is not a state line.
	static bool readNext(FILE* file, JigsawStateLine& line);
	// False when the stream reported an error.
	bool write(FILE* file) const;
};
