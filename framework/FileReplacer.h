#pragma once
// Writes a small file the way a plain write would, except that the new contents go to a
// temporary file beside it first and replace the old file only once complete, so a failed
// write keeps the previous file whole.

#include <cstdio>
#include <functional>
#include <string>

class FileReplacer
{
public:
	// How a replacement ended.
	enum class Outcome
	{
		replaced,
		// The file is there but cannot be opened for writing, or is no regular file: a plain
		// write would fail (or write into a device or pipe), so nothing was done.
		notWritable,
		// The temporary file could not be made.
		cannotCreate,
		// Writing or closing the temporary file failed; it was removed.
		cannotWrite,
		// The temporary file could not be moved over the file; it was removed.
		cannotReplace,
	};

	// path names the file to replace. A symbolic link there is written through: the link stays
	// and its target gets the new contents.
	explicit FileReplacer(std::string path);

	// Called by a saver to write its file. writeContents puts the whole contents into the
	// stream it is given (a new, empty text file); the file then takes the place of the old
	// one, keeping its mode. Never waits: whatever stands at the temporary file's name is
	// removed first (a directory there makes it fail), and the file is made afresh.
	Outcome replace(const std::function<void(std::FILE*)>& writeContents);

	// Called after a failed replace: the file the failing step worked on, and the C library's
	// reason (an errno value; 0 for a file that opens but is no regular file).
	const std::string& getFailedPath() const { return m_failedPath; }
	int getError() const { return m_error; }

private:
	Outcome fail(Outcome outcome, const std::string& path, int error);

	std::string m_path;
	std::string m_failedPath;
	int m_error = 0;
};
