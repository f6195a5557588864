#include "SaverChecks.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/fanotify.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>
#include <vector>

#include "EngineHarness.h"

namespace
{
namespace fs = std::filesystem;

using Clock = std::chrono::steady_clock;

const uid_t ordinaryUser = 65534;
const gid_t ordinaryGroup = 65534;
const char* const temporarySuffix = ".tmp";
// Only a faulty save waits on the pipe; this long it is let wait before the test frees it.
const auto longestWait = std::chrono::seconds(5);
// Long enough for thousands of saves and reads to interleave.
const auto raceTime = std::chrono::milliseconds(300);
// Savers that are killed run until then at the latest, should the kill never come.
const auto killedSaverLifetime = std::chrono::seconds(10);
// A lease holder that is never told to give its lease up ends after this.
const timespec longestLease = { 10, 0 };
const int racingSavers = 2;
// How a child that was not let mount ends.
const int cannotMount = 77;
// How the full-disk check's child ends where the save went wrong.
const int savedNothing = 1;
const int reportedOtherwise = 2;
// A file system small enough for the test to fill at once.
const char* const smallDiskOptions = "size=64k";
const int killRounds = 8;
const fs::perms openToAll = fs::perms::all;
const fs::perms readOnlyToAll = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
	| fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;

std::string contentsOf(const std::string& path)
{
	std::ifstream in(path, std::ios::binary);
	std::ostringstream text;
	text << in.rdbuf();
	return text.str();
}

// Root may open any file for writing and make one in any directory, so the save runs as an
// ordinary user, with the directory's mode set to directoryMode meanwhile: only the modes
// stand in the way.
void saveAsOrdinaryUser(const std::string& directory, fs::perms directoryMode, const std::function<void()>& save)
{
	const fs::perms kept = fs::status(directory).permissions();
	fs::permissions(directory, directoryMode);
	const bool root = geteuid() == 0;
	if (root)
	{
		ASSERT_EQ(0, seteuid(ordinaryUser));
	}
	save();
	if (root)
	{
		ASSERT_EQ(0, seteuid(0));
	}
	fs::permissions(directory, kept);
}

// A process that saves over and over until the deadline, or until it is killed.
pid_t startSaving(const std::function<void()>& save, Clock::duration lifetime)
{
	const Clock::time_point deadline = Clock::now() + lifetime;
	const pid_t saver = fork();
	if (saver == 0)
	{
		while (Clock::now() < deadline)
			save();
		_exit(0);
	}
	return saver;
}

void stop(pid_t saver, int signalNumber)
{
	if (signalNumber != 0)
		kill(saver, signalNumber);
	waitpid(saver, nullptr, 0);
}

// Answers every open of a file in the watched directory that waits on watch, letting it go on;
// the permission bits that any of them had then.
mode_t allowOpens(int watch)
{
	pollfd ready = { watch, POLLIN, 0 };
	alignas(fanotify_event_metadata) char events[4096];
	ssize_t length = poll(&ready, 1, 10) > 0 ? read(watch, events, sizeof events) : 0;
	mode_t seen = 0;
	for (auto* event = reinterpret_cast<fanotify_event_metadata*>(events); FAN_EVENT_OK(event, length);
		 event = FAN_EVENT_NEXT(event, length))
	{
		struct stat status;
		if (fstat(event->fd, &status) == 0)
			seen |= status.st_mode & 0777;
		const fanotify_response allow = { event->fd, FAN_ALLOW };
		EXPECT_EQ(static_cast<ssize_t>(sizeof allow), write(watch, &allow, sizeof allow));
		close(event->fd);
	}
	return seen;
}

// Runs body in a child process, in a mount namespace of its own where mountThere has mounted
// what it needs (the mount goes with the child); body's result, or cannotMount where the
// child may not mount.
int inMountNamespaceOfItsOwn(const std::function<bool()>& mountThere, const std::function<int()>& body)
{
	const pid_t child = fork();
	if (child == 0)
	{
		if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
			|| !mountThere())
			_exit(cannotMount);
		_exit(body());
	}
	int status = 0;
	if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
		return -1;
	return WEXITSTATUS(status);
}

// Writes into a new file at path until the disk has no room left.
void fillTheDisk(const std::string& path)
{
	const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
	const std::string block(4096, 'f');
	while (write(file, block.data(), block.size()) > 0)
	{
	}
	close(file);
}

// A default access list giving the ordinary user read and write: each entry is its kind, its
// permissions and its user, after the format's version.
std::string accessListForTheOrdinaryUser()
{
	const uint32_t version = 2;
	const uint32_t anyone = ~0u;
	const struct { uint16_t kind, permissions; uint32_t user; } entries[] = {
		{ 0x01, 6, anyone }, { 0x02, 6, ordinaryUser }, { 0x04, 6, anyone }, { 0x10, 6, anyone }, { 0x20, 4, anyone } };
	return std::string(reinterpret_cast<const char*>(&version), sizeof version)
		+ std::string(reinterpret_cast<const char*>(entries), sizeof entries);
}
} // namespace

void expectSaveKeepsWhatAPlainWriteKeeps(
	const std::string& path, const std::function<void()>& save, const std::string& unwritableReport)
{
	save();
	const std::string reference = contentsOf(path);
	const std::string directory = fs::path(path).parent_path().string();

	ASSERT_EQ(0, chmod(path.c_str(), 0600));
	save();
	EXPECT_EQ(reference, contentsOf(path));
	EXPECT_EQ(0600, static_cast<int>(fs::status(path).permissions())) << "the file keeps its mode";

	const std::string secondName = directory + "/second-name";
	std::ofstream(path, std::ios::trunc) << "old";
	fs::create_hard_link(path, secondName);
	save();
	EXPECT_EQ(reference, contentsOf(secondName)) << "both names of the file get the contents";
	fs::remove(secondName);

	if (geteuid() == 0)
	{
		ASSERT_EQ(0, chown(path.c_str(), ordinaryUser, ordinaryGroup));
		save();
		struct stat status;
		ASSERT_EQ(0, stat(path.c_str(), &status));
		EXPECT_EQ(ordinaryUser, status.st_uid) << "the file keeps its owner";
		EXPECT_EQ(ordinaryGroup, status.st_gid) << "the file keeps its group";
	}

	std::ofstream(path, std::ios::trunc) << "old";
	saveAsOrdinaryUser(directory, readOnlyToAll, save);
	EXPECT_EQ(reference, contentsOf(path)) << "a file in a directory the saver may not write is saved in place";

	std::ofstream(path, std::ios::trunc) << "old";
	ASSERT_EQ(0, chmod(path.c_str(), 0444));
	OutputCapture output;
	output.start();
	saveAsOrdinaryUser(directory, openToAll, save);
	EXPECT_EQ(unwritableReport, output.stop());
	EXPECT_EQ("old", contentsOf(path)) << "a file that cannot be opened for writing is left alone";
	fs::remove(path);

	const std::string target = directory + "/linked/target.txt";
	fs::create_directory(directory + "/linked");
	std::ofstream(target) << "old";
	fs::create_symlink("linked/target.txt", path);
	save();
	EXPECT_TRUE(fs::is_symlink(path)) << "the link stays";
	EXPECT_EQ(reference, contentsOf(target));
	EXPECT_FALSE(fs::exists(target + temporarySuffix));
}

void expectSaveIgnoresAPipeAtTheTemporaryName(const std::string& path, const std::function<void()>& save)
{
	save();
	const std::string reference = contentsOf(path);
	const std::string pipe = path + temporarySuffix;
	ASSERT_EQ(0, mkfifo(pipe.c_str(), 0600));
	std::future<void> saving = std::async(std::launch::async, save);
	// A save still waiting gets a reader, so that the test fails instead of hanging.
	const bool waited = saving.wait_for(longestWait) == std::future_status::timeout;
	const int lateReader = waited ? open(pipe.c_str(), O_RDONLY | O_NONBLOCK) : -1;
	saving.wait();
	if (lateReader >= 0)
		close(lateReader);
	EXPECT_FALSE(waited);
	ASSERT_TRUE(fs::is_regular_file(path));
	EXPECT_EQ(reference, contentsOf(path));
}

void expectRacingOrKilledSaversNeverSpoilTheFile(const std::string& path, const std::function<void()>& save)
{
	save();
	const std::string reference = contentsOf(path);

	std::vector<pid_t> savers;
	for (int saver = 0; saver < racingSavers; ++saver)
		savers.push_back(startSaving(save, raceTime));
	int reads = 0;
	int spoiledReads = 0;
	for (const Clock::time_point end = Clock::now() + raceTime; Clock::now() < end; ++reads)
		spoiledReads += contentsOf(path) != reference;
	for (const pid_t saver : savers)
		stop(saver, 0);
	EXPECT_EQ(0, spoiledReads) << "reads that found the file missing, empty or cut, of " << reads;

	int spoiledFiles = 0;
	for (int round = 1; round <= killRounds; ++round)
	{
		const pid_t killedFirst = startSaving(save, killedSaverLifetime);
		const pid_t killedSecond = startSaving(save, killedSaverLifetime);
		std::this_thread::sleep_for(std::chrono::milliseconds(round));
		stop(killedFirst, SIGKILL);
		stop(killedSecond, SIGKILL);
		spoiledFiles += contentsOf(path) != reference;
	}
	EXPECT_EQ(0, spoiledFiles) << "files left spoiled by two savers killed together, of " << killRounds;
	save();
	EXPECT_FALSE(fs::exists(path + temporarySuffix)) << "a later save clears what a killed saver left";
}

void expectSaveOpensNothingToMoreThanTheFile(const std::string& path, const std::function<void()>& save)
{
	const std::string directory = fs::path(path).parent_path().string();
	save();
	ASSERT_EQ(0, chmod(path.c_str(), 0600));
	const int watch = fanotify_init(FAN_CLASS_CONTENT | FAN_CLOEXEC, O_RDONLY);
	if (watch < 0)
		GTEST_SKIP() << "this test may not watch opens";
	// Each open in the directory waits until it is answered, so every file is seen as it was made.
	ASSERT_EQ(0, fanotify_mark(watch, FAN_MARK_ADD, FAN_OPEN_PERM | FAN_EVENT_ON_CHILD, AT_FDCWD, directory.c_str()));
	const mode_t keptMask = umask(0);
	std::future<void> saving = std::async(std::launch::async, save);
	mode_t seen = 0;
	while (saving.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
		seen |= allowOpens(watch);
	close(watch);
	EXPECT_EQ(0, seen & 0177) << "files the save opened were open to others, mode bits " << std::oct << seen;
	fs::remove(path);
	save();
	umask(keptMask);
	EXPECT_EQ(0666, static_cast<int>(fs::status(path).permissions())) << "a new file gets what a plain write gives it";

	const std::string handedDown = accessListForTheOrdinaryUser();
	ASSERT_EQ(0, setxattr(directory.c_str(), "system.posix_acl_default", handedDown.data(), handedDown.size(), 0));
	save();
	removexattr(directory.c_str(), "system.posix_acl_default");
	EXPECT_GT(0, getxattr(path.c_str(), "system.posix_acl_access", nullptr, 0)) << "the file took the directory's list";
}

void expectSaveWritesThroughAFileMountedOverIt(const std::string& path, const std::function<void()>& save)
{
	save();
	const std::string reference = contentsOf(path);
	const std::string mounted = fs::path(path).parent_path().string() + "/mounted";
	std::ofstream(mounted) << "old";
	const int status = inMountNamespaceOfItsOwn(
		[&] { return mount(mounted.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) == 0; },
		[&] {
			save();
			return 0;
		});
	if (status == cannotMount)
		GTEST_SKIP() << "this test may not mount";
	EXPECT_EQ(reference, contentsOf(mounted));
	EXPECT_FALSE(fs::exists(path + temporarySuffix));
}

void expectSaveLandsInTheOldFilesSpaceOnAFullDisk(
	const std::string& path, const std::function<void()>& save, const std::string& fullDiskReport)
{
	save();
	const std::string reference = contentsOf(path);
	const std::string directory = fs::path(path).parent_path().string();
	const int status = inMountNamespaceOfItsOwn(
		[&] { return mount("full", directory.c_str(), "tmpfs", 0, smallDiskOptions) == 0; },
		[&] {
			std::ofstream(path) << std::string(reference.size(), 'x');
			fillTheDisk(directory + "/filler");
			save();
			if (contentsOf(path) != reference || fs::exists(path + temporarySuffix))
				return savedNothing;
			fs::remove(path);
			fillTheDisk(directory + "/more-filler");
			OutputCapture output;
			output.start();
			save();
			return output.stop() == fullDiskReport && !fs::exists(path) ? 0 : reportedOtherwise;
		});
	if (status == cannotMount)
		GTEST_SKIP() << "this test may not mount";
	EXPECT_NE(savedNothing, status) << "the old file's contents were not replaced, or the temporary file stayed";
	EXPECT_NE(reportedOtherwise, status) << "a save with no old file did not fail with its report";
	EXPECT_EQ(0, status);
}

void expectSaveWaitsForALeaseToBeGivenUp(const std::string& path, const std::function<void()>& save)
{
	save();
	const std::string reference = contentsOf(path);
	std::ofstream(path, std::ios::trunc) << "old";
	int leased[2];
	ASSERT_EQ(0, pipe(leased));
	const pid_t holder = fork();
	if (holder == 0)
	{
		// The system tells the holder with a signal that the lease is being broken.
		sigset_t breaking;
		sigemptyset(&breaking);
		sigaddset(&breaking, SIGIO);
		sigprocmask(SIG_BLOCK, &breaking, nullptr);
		const int file = open(path.c_str(), O_RDONLY);
		const char held = fcntl(file, F_SETLEASE, F_RDLCK) == 0;
		if (write(leased[1], &held, 1) == 1)
			sigtimedwait(&breaking, nullptr, &longestLease);
		fcntl(file, F_SETLEASE, F_UNLCK);
		_exit(0);
	}
	close(leased[1]);
	char held = 0;
	if (read(leased[0], &held, 1) == 1 && held)
		save();
	close(leased[0]);
	waitpid(holder, nullptr, 0);
	ASSERT_TRUE(held) << "the test could not take a lease";
	EXPECT_EQ(reference, contentsOf(path));
}

void expectSaveWritesPastADirectoryHeldLocked(const std::string& path, const std::function<void()>& save)
{
	save();
	const std::string reference = contentsOf(path);
	std::ofstream(path, std::ios::trunc) << "old";
	const int directory = open(fs::path(path).parent_path().c_str(), O_RDONLY | O_DIRECTORY);
	ASSERT_EQ(0, flock(directory, LOCK_EX));
	save();
	close(directory);
	EXPECT_EQ(reference, contentsOf(path));
}

void saveOnAFullDisk(const std::function<void()>& save)
{
	rlimit kept;
	ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &kept));
	rlimit full = kept;
	full.rlim_cur = 0;
	// Past the limit a write fails instead of the process being stopped by the signal.
	const sighandler_t keptHandler = signal(SIGXFSZ, SIG_IGN);
	ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &full));
	save();
	setrlimit(RLIMIT_FSIZE, &kept);
	signal(SIGXFSZ, keptHandler);
}
