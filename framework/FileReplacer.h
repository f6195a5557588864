#pragma once
// Writes a small file the way a plain write would, except that the new contents go to a
// temporary file beside it first and replace the old file only once complete, so a failed
// or interrupted write keeps the previous file whole, whatever other savers do meanwhile.

#include <chrono>
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
		// The file could be neither replaced nor created.
		cannotCreate,
		// Collecting the contents, or writing or closing the file, failed; a temporary file
		// was removed and the old file kept (a full disk or quota, where the old file's own
		// space could hold the contents, has it written in place instead).
		cannotWrite,
		// The temporary file could not be moved over the file; it was removed.
		cannotReplace,
		// The file's own lock (another saver writing it in place) or another program's lease on
		// it was held for longer than a save waits; nothing was done.
		busy,
	};

	// path names the file to replace. A symbolic link there is written through: the link stays
	// and its target gets the new contents.
	explicit FileReplacer(std::string path);

	// Called by a saver to write its file. writeContents puts the whole contents into the
	// stream it is given (a new, empty text stream, held in memory until complete). The new
	// file then takes the place of the old one, keeping its mode, owner and group; until it
	// has them it is open to nobody, so no one the old file is closed to can open it. Savers
	// of one directory take turns, so none disturbs another's temporary file, and what a
	// killed one left there is cleared by the next. The file is written in place, as a plain
	// write does, where a new file would differ from it (a second hard link, attributes of
	// its own, an owner the saver cannot give it, or an access list the directory hands down
	// to new files and the old file lacks), where one cannot be made (a directory the saver
	// may not write) or cannot take its place (a file mounted over the name), where another
	// saver holds the directory for longer than a save waits, and where the disk or the quota
	// has no room for a new file beside the old one (there the space the contents need is
	// reserved in the old file before any of it is overwritten). A file under another
	// program's lease is written once that program gives the lease up. Never waits on a pipe;
	// waits a few seconds at most in all, for other savers and for leases.
	Outcome replace(const std::function<void(std::FILE*)>& writeContents);

	// Called after a failed replace: the file the failing step worked on (the path, or the file
	// a link there leads to; never the temporary file), and the C library's reason (an errno
	// value; 0 for a file that opens but is no regular file).
	const std::string& getFailedPath() const { return m_failedPath; }
	int getError() const { return m_error; }

private:
	// Under the directory's lock: the contents go to the temporary file, which is renamed
	// over target; falls back to writeInPlace where that would not keep the file as it is or
	// the rename cannot replace it.
	Outcome replaceThroughTemporaryFile(const std::string& target, const std::string& contents);
	// Overwrites target from its start and cuts it to the contents' length, under its own lock.
	Outcome writeInPlace(const std::string& target, const std::string& contents);
	Outcome fail(Outcome outcome, const std::string& path, int error);

	std::string m_path;
	// When every wait of the running replace gives up: one bound for the whole save.
	std::chrono::steady_clock::time_point m_deadline;
	std::string m_failedPath;
	int m_error = 0;
};
