#pragma once
// The jigsaw's saved-state file as a whole: read only when every line the pieces will read
// is sound and fits the puzzle being built, and replaced only by a complete new file.

#include <cstdio>
#include <functional>
#include <string>

class JigsawStateFile
{
public:
	explicit JigsawStateFile(std::string path);

	const std::string& getPath() const { return m_path; }

	// The file opened at its start when it is a sound state for a puzzle of columns x rows
	// cells of cellSize (see isValidState); null otherwise (also when there is no file).
	// The caller closes it.
	FILE* openValidated(int columns, int rows, int cellSize) const;

	// Runs writeLines into a temporary file beside the state file and renames it into
	// place only when everything was written; false leaves the old state untouched.
	bool save(const std::function<void(FILE*)>& writeLines) const;

	// True when the stream's first columns x rows lines, read from its position (fewer are
	// fine, blank ones only at the end, more are not read), are within a bounded size and
	// each sound: the writer's layout, a quarter turn of 0 to 3 and a cell of the picture.
	static bool isValidState(FILE* file, int columns, int rows, int cellSize);

private:
	std::string m_path;
};
