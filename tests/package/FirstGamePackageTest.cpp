// The example program a new user starts from, built the way the README tells them to: the
// framework is installed from this build (as a build that made only the framework's own
// target leaves it) into a prefix of its own, the example is configured
// against that prefix with find_package and built, then started from its own build directory
// (where its build copies the installed fonts) without a display. Asked to end, it must end with status 0 and the exit
// handler's line last. In the sanitizer build the installed framework carries the sanitizers,
// so the example is checked by them too.

#include <gtest/gtest.h>

#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ChildProcess.h"

namespace
{
// Configuring and compiling run beside the other tests on a busy machine.
const int buildTimeoutMs = 300000;
const int runTimeoutMs = 60000;
// Printed once the engine has started SDL, which then turns SIGTERM into a quit event.
const char* const startedLine = "Loading font:";
const char* const fontFailedLine = "Font loading failed.";
const char* const lastLine = "Ended normally (output from mydebug() function)";
const char* const exampleDirectory = TOLVANE_SOURCE_DIR "/examples/first-game";
const char* const exampleProgram = "first-game";
const char* const readmePath = TOLVANE_SOURCE_DIR "/README.md";
// Passed on to every step, so that the sanitizer build's settings reach the example.
const char* const inheritedVariables[] = {"PATH", "HOME", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"};
const char* const headlessDrivers[] = {
	"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy", "SDL_RENDER_DRIVER=software", "SDL_FRAMEBUFFER_ACCELERATION=0"};

bool exitedWithZero(int status)
{
	return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string fileText(const std::string& path)
{
	std::ifstream file(path);
	std::ostringstream text;
	text << file.rdbuf();
	return text.str();
}

std::vector<std::string> inheritedEnvironment()
{
	std::vector<std::string> environment;
	for (const char* name : inheritedVariables)
		if (const char* value = std::getenv(name))
			environment.push_back(std::string(name) + "=" + value);
	return environment;
}

class FirstGamePackageTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		char pattern[] = "/tmp/tolvane-package-XXXXXX";
		ASSERT_NE(mkdtemp(pattern), nullptr);
		m_scratch = pattern;
	}

	void TearDown() override
	{
		std::error_code ignored;
		std::filesystem::remove_all(m_scratch, ignored);
	}

	// Runs one command to its end; its output and errors are kept for the failure message.
	bool step(const std::vector<std::string>& arguments)
	{
		ChildProcess child(arguments, inheritedEnvironment());
		const int status = child.finish(buildTimeoutMs);
		for (const std::string& line : child.lines())
			m_report += line + "\n";
		m_report += child.errorOutput();
		return exitedWithZero(status);
	}

	std::string prefix() const { return (m_scratch / "prefix").string(); }
	std::string exampleBuild() const { return (m_scratch / "build").string(); }

	std::filesystem::path m_scratch;
	std::string m_report;
};
} // namespace

TEST_F(FirstGamePackageTest, BuildsAgainstTheInstalledFrameworkAndEndsWithStatusZero)
{
	// A build of the game's or a sample's target alone makes the framework, and with it the
	// fonts the install carries.
	std::filesystem::remove_all(TOLVANE_FONT_BUILD_DIR);
	std::filesystem::remove(TOLVANE_FONT_STAMP);
	ASSERT_TRUE(step({TOLVANE_CMAKE_PATH, "--build", TOLVANE_BUILD_DIR, "--target", "framework"})) << m_report;
	ASSERT_TRUE(step({TOLVANE_CMAKE_PATH, "--install", TOLVANE_BUILD_DIR, "--prefix", prefix()})) << m_report;
	ASSERT_TRUE(step({TOLVANE_CMAKE_PATH, "-S", exampleDirectory, "-B", exampleBuild(),
		"-DCMAKE_PREFIX_PATH=" + prefix(), "-DCMAKE_CXX_COMPILER=" TOLVANE_CXX_COMPILER,
		"-DCMAKE_BUILD_TYPE=" TOLVANE_BUILD_TYPE, "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Werror"}))
		<< m_report;
	ASSERT_TRUE(step({TOLVANE_CMAKE_PATH, "--build", exampleBuild()})) << m_report;

	std::vector<std::string> environment = inheritedEnvironment();
	environment.insert(environment.end(), std::begin(headlessDrivers), std::end(headlessDrivers));
	ChildProcess example({(std::filesystem::path(exampleBuild()) / exampleProgram).string()}, environment,
		exampleBuild());
	ASSERT_TRUE(example.waitForLine(startedLine, runTimeoutMs)) << example.errorOutput();

	example.sendSignal(SIGTERM);
	const int status = example.finish(runTimeoutMs);
	EXPECT_TRUE(exitedWithZero(status)) << "status " << status << "\n" << example.errorOutput();
	for (const std::string& line : example.lines())
		EXPECT_EQ(line.find(fontFailedLine), std::string::npos) << line;
	ASSERT_FALSE(example.lines().empty());
	EXPECT_EQ(example.lines().back(), lastLine) << example.errorOutput();
}

// The README shows the example's files whole, each in a fenced block, so what a reader
// copies is what the test above builds.
TEST(FirstGameReadmeTest, ShowsTheExampleFilesAsTheyAre)
{
	const std::string readme = fileText(readmePath);
	for (const char* file : {"CMakeLists.txt", "main.cpp"})
	{
		const std::string text = fileText(std::string(exampleDirectory) + "/" + file);
		ASSERT_FALSE(text.empty()) << file;
		EXPECT_NE(readme.find("\n" + text + "```\n"), std::string::npos) << file << " differs from the README's copy";
	}
}
