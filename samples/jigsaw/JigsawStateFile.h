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

	// Called when the state is saved. Runs writeLines into a temporary file beside the state
	// file and moves it into place only when everything was written; a state file that cannot
	// be opened for writing is left alone. False leaves the old state untouched.
	bool save(const std::function<void(FILE*)>& writeLines) const;

private:
	std::string m_path;
};
