#include "SaverChecks.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
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
const int racingSavers = 2;
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
} // namespace

void expectSaveKeepsWhatAPlainWriteKeeps(const std::string& path, const std::function<void()>& save)
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
	EXPECT_EQ("", output.stop());
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
