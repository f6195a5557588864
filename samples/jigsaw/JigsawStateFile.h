#pragma once
// The jigsaw's saved-state file as a whole: read only when every line is sound and the
// lines describe the puzzle being built, and replaced only by a complete new file.

#include <cstdio>
#include <functional>
#include <string>

class JigsawStateFile
{
public:
	explicit JigsawStateFile(std::string path);

	const std::string& getPath() const { return m_path; }

	// The file opened at its start when it holds exactly one sound line per piece of a
	// puzzle of columns x rows cells of cellSize, each cell once; null otherwise (also
	// when there is no file). The caller closes it.
	FILE* openValidated(int columns, int rows, int cellSize) const;

	// Runs writeLines into a temporary file beside the state file and renames it into
	// place only when everything was written; false leaves the old state untouched.
	bool save(const std::function<void(FILE*)>& writeLines) const;

	// Reads the stream to its end; true when it is a sound state as openValidated describes.
	static bool isValidState(FILE* file, int columns, int rows, int cellSize);

private:
	std::string m_path;
};
