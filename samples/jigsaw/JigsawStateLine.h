#pragma once
// One line of the jigsaw's saved state: a piece's place, turn and image source in fixed
// columns ("00003x0000150y-000025r01c0000100r0000050", then CR LF).

#include <cstdio>
#include <string>

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
	// The most one read takes: a longer line is read in pieces, each judged as a line.
	static constexpr int longestRead = 1022;

	// Parses a line as readText returned it, every byte judged (a NUL is damage, not an end).
	// False (and nothing changed) unless every field is where the writer puts it, every number
	// fits its columns and the line ends right after them. The index column never refuses a
	// line: a line's place in the file says which piece it is for.
	static bool parse(const std::string& text, JigsawStateLine& line);
	// The stream's next line up to and including its line feed, at most longestRead bytes,
	// NUL bytes kept. False when nothing was left to read.
	static bool readText(FILE* file, std::string& text);
	// Reads the stream's next line; false at its end or when the line is not a state line.
	static bool readNext(FILE* file, JigsawStateLine& line);
	// False when the stream reported an error.
	bool write(FILE* file) const;
};
