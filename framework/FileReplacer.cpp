#include "FileReplacer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <thread>
#include <utility>

namespace
{
using Clock = std::chrono::steady_clock;

const char* const temporarySuffix = ".tmp";
// The links one path may pass through, as the system counts them; a longer chain already
// fails the opening test, so it is never followed here.
const int maxLinkHops = 40;
const mode_t permissionBits = 07777;
// The mode fopen gives a new file, before the umask.
const mode_t newFileMode = 0666;
// Attributes the system itself gives every new file: a replacement gets its own.
const char* const systemAttributePrefix = "security.";
// Another saver holds a lock only for one small write; one stopped meanwhile (in a debugger,
// say) must not freeze the program, so the wait is bounded.
const auto longestLockWait = std::chrono::seconds(3);
const auto lockRetryInterval = std::chrono::milliseconds(2);

// A file descriptor closed when it goes out of scope.
class Descriptor
{
public:
	explicit Descriptor(int fd) : m_fd(fd) {}
	~Descriptor()
	{
		if (m_fd >= 0)
			::close(m_fd);
	}
	Descriptor(const Descriptor&) = delete;
	Descriptor& operator=(const Descriptor&) = delete;

	int get() const { return m_fd; }
	bool valid() const { return m_fd >= 0; }
	// Closes it now; the close's errno value, or 0.
	int close()
	{
		const int result = ::close(m_fd);
		m_fd = -1;
		return result == 0 ? 0 : errno;
	}

private:
	int m_fd;
};

// What a plain write would find at the path.
struct ExistingFile
{
	bool exists = false;
	bool writable = false;
	int error = 0;
};

// Opens the path for writing as a plain write would (links followed), but neither empties
// it nor waits: a pipe nobody reads fails at once instead of blocking.
ExistingFile probe(const std::string& path)
{
	ExistingFile found;
	const Descriptor file(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
	if (!file.valid())
	{
		found.error = errno;
		found.exists = found.error != ENOENT;
		return found;
	}
	found.exists = true;
	struct stat status;
	found.writable = ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode);
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

std::string directoryOf(const std::string& path)
{
	const std::string parent = std::filesystem::path(path).parent_path().string();
	return parent.empty() ? "." : parent;
}

// Runs writeContents into memory, so that no file is touched before the whole contents exist.
bool collectContents(const std::function<void(std::FILE*)>& writeContents, std::string& contents, int& error)
{
	char* buffer = nullptr;
	size_t size = 0;
	std::FILE* stream = ::open_memstream(&buffer, &size);
	if (stream == nullptr)
	{
		error = errno;
		return false;
	}
	errno = 0;
	writeContents(stream);
	bool written = !std::ferror(stream);
	if (!written)
		error = errno != 0 ? errno : EIO;
	if (std::fclose(stream) != 0 && written)
	{
		written = false;
		error = errno;
	}
	if (written)
		contents.assign(buffer, size);
	std::free(buffer);
	return written;
}

// Waits, within the bound, for an exclusive lock; a lock held by a process that has died was
// released by the system. The errno value, or 0 once locked.
int lockExclusively(int fd)
{
	const Clock::time_point deadline = Clock::now() + longestLockWait;
	while (::flock(fd, LOCK_EX | LOCK_NB) != 0)
	{
		if (errno == EINTR)
			continue;
		if (errno != EWOULDBLOCK || Clock::now() >= deadline)
			return errno;
		std::this_thread::sleep_for(lockRetryInterval);
	}
	return 0;
}

// The errno value of the first failed write, or 0.
int writeAll(int fd, const std::string& contents)
{
	size_t done = 0;
	while (done < contents.size())
	{
		const ssize_t written = ::pwrite(fd, contents.data() + done, contents.size() - done, static_cast<off_t>(done));
		if (written < 0 && errno == EINTR)
			continue;
		if (written <= 0)
			return written < 0 ? errno : EIO;
		done += static_cast<size_t>(written);
	}
	return 0;
}

// Asks for the disk space of the contents before any old byte is overwritten, so a full disk
// fails the save with the file untouched. Where the file system cannot say, the write will.
int reserveSpace(int fd, size_t size)
{
	if (size == 0 || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0)
		return 0;
	return errno == ENOSPC || errno == EDQUOT || errno == EFBIG ? errno : 0;
}

// Extended attributes or access lists that a plain write keeps and a new file would not have.
bool carriesOwnAttributes(const std::string& path)
{
	const ssize_t length = ::listxattr(path.c_str(), nullptr, 0);
	if (length <= 0)
		return false;
	std::string names(static_cast<size_t>(length), '\0');
	const ssize_t listed = ::listxattr(path.c_str(), &names[0], names.size());
	if (listed < 0)
		return true;
	names.resize(static_cast<size_t>(listed));
	const size_t prefixLength = std::strlen(systemAttributePrefix);
	for (size_t start = 0; start < names.size(); start = names.find('\0', start) + 1)
		if (names.compare(start, prefixLength, systemAttributePrefix) != 0)
			return true;
	return false;
}

// A new file can take the place of the one at the path only where it would be the same to
// a plain write: one name, no attributes of its own. A missing file is always replaceable.
bool replacementKeepsTheFile(const std::string& path, struct stat& status, bool& exists)
{
	exists = ::stat(path.c_str(), &status) == 0;
	if (!exists)
		return errno == ENOENT;
	return S_ISREG(status.st_mode) && status.st_nlink == 1 && !carriesOwnAttributes(path);
}

// Gives the new file the owner, group and mode of the file it replaces; false where that is
// not allowed.
bool takeOverOwnerAndMode(int fd, const struct stat& replaced)
{
	struct stat made;
	if (::fstat(fd, &made) != 0)
		return false;
	const bool sameOwner = made.st_uid == replaced.st_uid && made.st_gid == replaced.st_gid;
	if (!sameOwner && ::fchown(fd, replaced.st_uid, replaced.st_gid) != 0)
		return false;
	return ::fchmod(fd, replaced.st_mode & permissionBits) == 0;
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
	std::string contents;
	int error = 0;
	if (!collectContents(writeContents, contents, error))
		return fail(Outcome::cannotWrite, m_path, error);

	const std::string target = followLinks(m_path);
	const std::string directoryPath = directoryOf(target);
	const Descriptor directory(::open(directoryPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
	if (!directory.valid())
		return writeInPlace(target, contents);
	// Every saver of the directory takes this lock before it touches a temporary file, so none
	// ever removes or renames one that another is still writing.
	error = lockExclusively(directory.get());
	if (error == EWOULDBLOCK)
		return fail(Outcome::busy, directoryPath, error);
	if (error != 0)
		return writeInPlace(target, contents);
	return replaceThroughTemporaryFile(target, contents);
}

FileReplacer::Outcome FileReplacer::replaceThroughTemporaryFile(const std::string& target, const std::string& contents)
{
	struct stat replaced;
	bool exists = false;
	if (!replacementKeepsTheFile(target, replaced, exists))
		return writeInPlace(target, contents);
	// Whatever stands there was left by a saver that died: the lock is held by no other.
	const std::string temporaryPath = target + temporarySuffix;
	if (::unlink(temporaryPath.c_str()) != 0 && errno != ENOENT)
		return writeInPlace(target, contents);
	Descriptor file(::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, newFileMode));
	if (!file.valid())
		return writeInPlace(target, contents);
	if (exists && !takeOverOwnerAndMode(file.get(), replaced))
	{
		::unlink(temporaryPath.c_str());
		return writeInPlace(target, contents);
	}
	int error = writeAll(file.get(), contents);
	const int closeError = file.close();
	if (error == 0)
		error = closeError;
	if (error != 0)
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

FileReplacer::Outcome FileReplacer::writeInPlace(const std::string& target, const std::string& contents)
{
	Descriptor file(::open(target.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, newFileMode));
	if (!file.valid())
		return fail(Outcome::cannotCreate, target, errno);
	struct stat status;
	if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
		return fail(Outcome::notWritable, target, 0);
	// Savers that reach the file by other names, or without the directory's lock, wait for
	// each other here.
	int error = lockExclusively(file.get());
	if (error == EWOULDBLOCK)
		return fail(Outcome::busy, target, error);
	error = reserveSpace(file.get(), contents.size());
	if (error == 0)
		error = writeAll(file.get(), contents);
	// Cut to the new length only once the contents are written, never emptied first as "w"
	// would: a failed write leaves no less of the old file than it had to.
	if (error == 0 && ::ftruncate(file.get(), static_cast<off_t>(contents.size())) != 0)
		error = errno;
	const int closeError = file.close();
	if (error == 0)
		error = closeError;
	if (error != 0)
		return fail(Outcome::cannotWrite, target, error);
	return Outcome::replaced;
}

FileReplacer::Outcome FileReplacer::fail(Outcome outcome, const std::string& path, int error)
{
	m_failedPath = path;
	m_error = error;
	return outcome;
}
