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
	// The most of a stream that reading lines looks through: thousands of times a real state
	// file (one short line a piece), so a damaged line of any length short of it costs only
	// its own piece, while a file that is no state file, however large, is still given up.
	static constexpr long maxScannedBytes = 16L << 20;

	// Called on text holding a line's first columns (as readText keeps them). Reads the five
	// values from their columns as atoi would, but only where the columns hold a whole
	// number: blanks, an optional sign, then digits to the field's last column. False (and
	// nothing changed) when one of them does not, so a damaged line never yields a value its
	// writer did not put there. The separator letters, the index column and everything after
	// the columns are not read; index stays as it was.
	static bool parse(const std::string& text, JigsawStateLine& line);
	// Called for each line the stream is read for: consumes the stream's next line up to and
	// including its line feed (however long it is, so the line after it is read next) and
	// keeps its first columns in text, every byte as it is (a NUL is a byte, not an end).
	// Reads nothing at or past the first maxScannedBytes bytes of the stream. False when
	// nothing was left to read.
	static bool readText(FILE* file, std::string& text);
	// Called by a piece taking its line: reads the stream's next line as readText does and
	// parses it; false when the file is null, at its end or when the line cannot be read.
	static bool readNext(FILE* file, JigsawStateLine& line);
	// False when the stream reported an error.
	bool write(FILE* file) const;
};
