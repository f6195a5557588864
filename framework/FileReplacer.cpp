#include "FileReplacer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

namespace
{
const char* const temporarySuffix = ".tmp";
// The links one path may pass through, as the system counts them; a longer chain already
// fails the opening test, so it is never followed here.
const int maxLinkHops = 40;
const mode_t permissionBits = 07777;

// What a plain write would find at the path.
struct ExistingFile
{
	bool exists = false;
	bool writable = false;
	mode_t mode = 0;
	int error = 0;
};

// Opens the path for writing as a plain write would (links followed), but neither empties
// it nor waits: a pipe nobody reads fails at once instead of blocking.
ExistingFile probe(const std::string& path)
{
	ExistingFile found;
	const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
	if (fd < 0)
	{
		found.error = errno;
		found.exists = found.error != ENOENT;
		return found;
	}
	found.exists = true;
	struct stat status;
	if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
	{
		found.writable = true;
		found.mode = status.st_mode & permissionBits;
	}
	::close(fd);
	return found;
}

// The file a plain write to the path reaches: symbolic links at its last part followed, also
// one that points at a file not made yet.
std::string followLinks(const std::string& path)
{
	namespace fs = std::filesystem;
	fs::path current = path;
	std::error_code error;
	for (int hop = 0; hop < maxLinkHops && fs::is_symlink(fs::symlink_status(current, error)); ++hop)
	{
		const fs::path target = fs::read_symlink(current, error);
		if (error)
			break;
		current = current.parent_path() / target;
	}
	return current.string();
}

// Removes whatever file, link or pipe stands at the path and makes a new, empty file there,
// with the mode of the file it will replace. It is made exclusively, so nothing that appeared
// meanwhile is opened: opening a pipe would wait for a reader.
std::FILE* createAfresh(const std::string& path, const ExistingFile& replaced, int& error)
{
	if (::unlink(path.c_str()) != 0 && errno != ENOENT)
	{
		error = errno;
		return nullptr;
	}
	std::FILE* file = std::fopen(path.c_str(), "wx");
	if (file == nullptr)
	{
		error = errno;
		return nullptr;
	}
	if (replaced.exists && ::fchmod(::fileno(file), replaced.mode) != 0)
	{
		error = errno;
		std::fclose(file);
		::unlink(path.c_str());
		return nullptr;
	}
	return file;
}

// Runs writeContents and closes the file; false when a write, the flush or the close failed.
bool writeAndClose(std::FILE* file, const std::function<void(std::FILE*)>& writeContents, int& error)
{
	errno = 0;
	writeContents(file);
	bool written = !std::ferror(file);
	if (!written)
		error = errno != 0 ? errno : EIO;
	else if (std::fflush(file) != 0)
	{
		written = false;
		error = errno;
	}
	if (std::fclose(file) != 0 && written)
	{
		written = false;
		error = errno;
	}
	return written;
}
} // namespace

FileReplacer::FileReplacer(std::string path)
	: m_path(std::move(path))
{
}

FileReplacer::Outcome FileReplacer::replace(const std::function<void(std::FILE*)>& writeContents)
{
	const ExistingFile existing = probe(m_path);
	if (existing.exists && !existing.writable)
		return fail(Outcome::notWritable, m_path, existing.error);

	const std::string target = followLinks(m_path);
	const std::string temporaryPath = target + temporarySuffix;
	int error = 0;
	std::FILE* file = createAfresh(temporaryPath, existing, error);
	if (file == nullptr)
		return fail(Outcome::cannotCreate, temporaryPath, error);
	if (!writeAndClose(file, writeContents, error))
	{
		::unlink(temporaryPath.c_str());
		return fail(Outcome::cannotWrite, temporaryPath, error);
	}
	if (std::rename(temporaryPath.c_str(), target.c_str()) != 0)
	{
		error = errno;
		::unlink(temporaryPath.c_str());
		return fail(Outcome::cannotReplace, target, error);
	}
	return Outcome::replaced;
}

FileReplacer::Outcome FileReplacer::fail(Outcome outcome, const std::string& path, int error)
{
	m_failedPath = path;
	m_error = error;
	return outcome;
}
