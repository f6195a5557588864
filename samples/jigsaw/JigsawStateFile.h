#pragma once
// The jigsaw's saved-state file as a whole: opened for the pieces to read line by line, and
// replaced only by a complete new file.

#include <cstdio>
#include <functional>
#include <string>

class JigsawStateFile
{
public:
	explicit JigsawStateFile(std::string path);

	const std::string& getPath() const { return m_path; }

	// Called when the pieces are created: the file opened at its start for reading, each
	// piece then taking its own line; null when there is no file or the path names something
	// other than a regular file (a pipe could keep loading waiting). The caller closes it.
	FILE* openForReading() const;

	// Called when the state is saved. Runs writeLines and puts what it wrote in place of the
	// state file as FileReplacer does: whole or not at all, through a temporary file where that
	// keeps the file as a plain write would, in place where it would not. A state file that
	// cannot be opened for writing is left alone. False when nothing was saved.
	bool save(const std::function<void(FILE*)>& writeLines) const;

private:
	std::string m_path;
};
