#include "SaverChecks.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>

#include "EngineHarness.h"

namespace
{
namespace fs = std::filesystem;

const uid_t ordinaryUser = 65534;
const char* const temporarySuffix = ".tmp";
// Only a faulty save waits on the pipe; this long it is let wait before the test frees it.
const auto longestWait = std::chrono::seconds(5);

std::string contentsOf(const std::string& path)
{
	std::ifstream in(path, std::ios::binary);
	std::ostringstream text;
	text << in.rdbuf();
	return text.str();
}

// Root may open any file for writing, so the save runs as an ordinary user, for whom a
// read-only file is one it cannot open. The directory is opened to that user as it would be
// to its owner, so only the file's own mode stands in the way.
void saveAsOrdinaryUser(const std::string& directory, const std::function<void()>& save)
{
	if (geteuid() != 0)
	{
		save();
		return;
	}
	const fs::perms kept = fs::status(directory).permissions();
	fs::permissions(directory, fs::perms::all);
	ASSERT_EQ(0, seteuid(ordinaryUser));
	save();
	ASSERT_EQ(0, seteuid(0));
	fs::permissions(directory, kept);
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

	std::ofstream(path, std::ios::trunc) << "old";
	ASSERT_EQ(0, chmod(path.c_str(), 0444));
	OutputCapture output;
	output.start();
	saveAsOrdinaryUser(directory, save);
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
