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
// A replacement is made open to nobody and given the old file's mode only afterwards, so that
// no one the old file is closed to may open it meanwhile, whatever the umask.
const mode_t closedMode = 0;
// Attributes the system itself gives every new file: a replacement gets its own.
const char* const systemAttributePrefix = "security.";
// Another saver holds a lock only for one small write, and a program holding a lease gives it
// up once told; one stopped meanwhile (in a debugger, say) must not freeze the program, so a
// save waits this long at most, in all.
const auto longestWait = std::chrono::seconds(3);
const auto retryInterval = std::chrono::milliseconds(2);

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

// Repeats attempt (a system call giving -1 and errno on failure) while what it asks for is
// held by another (EWOULDBLOCK), until the deadline; its last result.
template <typename Attempt>
int retryWhileHeld(Clock::time_point deadline, Attempt attempt)
{
	for (;;)
	{
		const int result = attempt();
		if (result < 0 && errno == EINTR)
			continue;
		if (result >= 0 || errno != EWOULDBLOCK || Clock::now() >= deadline)
			return result;
		std::this_thread::sleep_for(retryInterval);
	}
}

// Opens the path as a plain write would, except that a pipe nobody reads fails at once
// instead of blocking. A file under another program's lease is opened once that program gave
// the lease up (the first try tells it to), if it does so before the deadline.
int openForWriting(const std::string& path, int flags, Clock::time_point deadline)
{
	return retryWhileHeld(deadline, [&path, flags] {
		return ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | flags, newFileMode);
	});
}

// Opens the path for writing as a plain write would (links followed), but without emptying it.
ExistingFile probe(const std::string& path, Clock::time_point deadline)
{
	ExistingFile found;
	const Descriptor file(openForWriting(path, 0, deadline));
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

// Waits, until the deadline, for an exclusive lock; a lock held by a process that has died was
// released by the system. The errno value, or 0 once locked.
int lockExclusively(int fd, Clock::time_point deadline)
{
	return retryWhileHeld(deadline, [fd] { return ::flock(fd, LOCK_EX | LOCK_NB); }) == 0 ? 0 : errno;
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

// A file system with no room left for a new file may still hold the new contents in the old
// file's own space, where a plain write puts them.
bool lacksSpace(int error)
{
	return error == ENOSPC || error == EDQUOT;
}

// Whether list (listxattr's calling convention) names an extended attribute or access list
// besides those the system gives every new file.
bool listsOwnAttributes(const std::function<ssize_t(char*, size_t)>& list)
{
	const ssize_t length = list(nullptr, 0);
	if (length <= 0)
		return false;
	std::string names(static_cast<size_t>(length), '\0');
	const ssize_t listed = list(&names[0], names.size());
	if (listed < 0)
		return true;
	names.resize(static_cast<size_t>(listed));
	const size_t prefixLength = std::strlen(systemAttributePrefix);
	for (size_t start = 0; start < names.size(); start = names.find('\0', start) + 1)
		if (names.compare(start, prefixLength, systemAttributePrefix) != 0)
			return true;
	return false;
}

// Attributes that a plain write keeps and a new file would not have.
bool carriesOwnAttributes(const std::string& path)
{
	return listsOwnAttributes([&path](char* names, size_t size) { return ::listxattr(path.c_str(), names, size); });
}

// Attributes a new file brought along from its directory (an access list it hands down),
// which the file it replaces lacks and which may open it to more users.
bool carriesOwnAttributes(int fd)
{
	return listsOwnAttributes([fd](char* names, size_t size) { return ::flistxattr(fd, names, size); });
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

// Where the system refuses to let a rename replace the file (a file mounted over the name, or
// one on another file system), though a plain write to it would go through.
bool renameCannotReplace(int error)
{
	return error == EBUSY || error == EXDEV;
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
	m_deadline = Clock::now() + longestWait;
	const ExistingFile existing = probe(m_path, m_deadline);
	if (existing.exists && !existing.writable)
		return fail(existing.error == EWOULDBLOCK ? Outcome::busy : Outcome::notWritable, m_path, existing.error);
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
	// ever removes or renames one that another is still writing. One that holds it too long
	// is left alone: the file is written in place, where savers take turns by its own lock.
	if (lockExclusively(directory.get(), m_deadline) != 0)
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
	// A new file (no old one) gets what a plain write gives it.
	Descriptor file(::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
		exists ? closedMode : newFileMode));
	if (!file.valid())
		return writeInPlace(target, contents);
	if (exists && (carriesOwnAttributes(file.get()) || !takeOverOwnerAndMode(file.get(), replaced)))
	{
		::unlink(temporaryPath.c_str());
		return writeInPlace(target, contents);
	}
	int error = reserveSpace(file.get(), contents.size());
	if (error == 0)
		error = writeAll(file.get(), contents);
	const int closeError = file.close();
	if (error == 0)
		error = closeError;
	if (error != 0)
	{
		::unlink(temporaryPath.c_str());
		if (exists && lacksSpace(error))
			return writeInPlace(target, contents);
		// The temporary file is ours: a failure names the file the caller saves.
		return fail(Outcome::cannotWrite, target, error);
	}
	if (std::rename(temporaryPath.c_str(), target.c_str()) != 0)
	{
		error = errno;
		::unlink(temporaryPath.c_str());
		if (renameCannotReplace(error))
			return writeInPlace(target, contents);
		return fail(Outcome::cannotReplace, target, error);
	}
	return Outcome::replaced;
}

FileReplacer::Outcome FileReplacer::writeInPlace(const std::string& target, const std::string& contents)
{
	Descriptor file(openForWriting(target, O_CREAT, m_deadline));
	if (!file.valid())
	{
		const int error = errno;
		return fail(error == EWOULDBLOCK ? Outcome::busy : Outcome::cannotCreate, target, error);
	}
	struct stat status;
	if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
		return fail(Outcome::notWritable, target, 0);
	// Savers that reach the file by other names, or without the directory's lock, wait for
	// each other here.
	int error = lockExclusively(file.get(), m_deadline);
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
