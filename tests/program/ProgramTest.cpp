// The real programs, started as a user starts them: from their run directory, with no
// environment variables of ours, on a display of their own. The game is driven through the
// menu into a game with real input, then closed; every sample is started and closed. Each
// must end with status 0 and the exit handler's line last; a program whose display is
// stopped under it must end by itself within seconds. In the sanitizer build these are
// the sanitizer builds of the programs, so any leak or error report fails the test.
// The launcher's list of samples says what README.md's table of samples says.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <SDL.h>
#include <SDL_syswm.h>

#include "BaseEngine.h"
#include "ChildProcess.h"

namespace
{
const char* const displayServer = "/usr/bin/Xvfb";
const char* const inputTool = "/usr/bin/xdotool";
// xdotool matches window names as regular expressions: the title without its "C++".
const char* const windowTitlePattern = "Tolvane Framework Program";
// The part of the title that the game's and every sample's windows share.
const char* const anyWindowTitlePattern = "Tolvane Framework";
const size_t sampleCount = 14;
// Where the launcher's list starts each description: past the name and at least one space.
const int launcherNameColumn = 17;
// The launcher's status for a name it does not know.
const int unknownSampleStatus = 2;
const char* const lastLine = "Ended normally (output from mydebug() function)";
// What the image cache and the font cache print when a file the program opens is missing.
const char* const missingFileReports[] = {"Failed to load image", "Font loading failed"};
// Generous: the sanitizer build starts slowly on a busy machine.
const int stepTimeoutMs = 60000;
const int windowPollMs = 100;
// How long one try of an input step waits for its screen before the step is sent again.
const int inputRetryMs = 2000;
// Enough backspaces to empty the longest name the details screen takes.
const char* const longestNameLetters = "10";

// Window positions of what the player clicks.
const int newGameX = 350, newGameY = 330;
const int shipX = 480, shipY = 480;
const int forwardX = 900, forwardY = 600;

// Pictures whose first load shows that a screen has been built.
const char* const menuBuilt = "images/BonusGameImage.png";
const char* const detailsBuilt = "images/ForwardButton2.png";
const char* const levelBuilt = "images/Level1Image.png";
const char* const defaultFontLoaded = "Loading font: 24 point Cornerstone Regular.ttf";
const char* const noDisplayReport = "there is no display";
const char* const displayLostReport = "The display went away: the program ends";
// A program whose display went away must end by itself within this time.
const int displayLossEndMs = 10000;

// How the child of the broken-pipe test ends where it never reaches its broken pipe.
const int engineNotStarted = 10;
const int displayNotGuarded = 11;
const int brokenPipeSwallowed = 12;

// A program of a user's own, on the X display named by displayVariable ("DISPLAY=..."): it
// opens its window, closes its video and goes on; then a pipe nobody reads takes the
// number the display's connection had, and the program writes to it. Ends the process,
// by SIGPIPE unless that is swallowed.
[[noreturn]] void writeToAPipeAfterClosingVideo(const std::string& displayVariable)
{
	setenv("DISPLAY", displayVariable.substr(displayVariable.find('=') + 1).c_str(), 1);
	setenv("SDL_VIDEODRIVER", "x11", 1);
	// SIGPIPE as a program starts, whatever the test runner handed down.
	signal(SIGPIPE, SIG_DFL);
	BaseEngine engine;
	SDL_SysWMinfo info;
	SDL_VERSION(&info.version);
	if (engine.initialise("Broken pipe", 200, 100, "Cornerstone Regular.ttf", 24) != 0
		|| !SDL_GetWindowWMInfo(engine.getWindow(), &info) || info.subsystem != SDL_SYSWM_X11)
		_exit(engineNotStarted);
	const int connection = ConnectionNumber(info.info.x11.display);
	struct sigaction guard = {};
	if (sigaction(SIGPIPE, nullptr, &guard) != 0 || guard.sa_handler == SIG_DFL || guard.sa_handler == SIG_IGN)
		_exit(displayNotGuarded);
	engine.deinitialise();
	SDL_Quit();
	// The pipe's write end takes the connection's number, and nothing reads the pipe.
	int ends[2];
	if (pipe(ends) != 0)
		_exit(engineNotStarted);
	if (ends[0] != connection)
		close(ends[0]);
	if (ends[1] != connection && (dup2(ends[1], connection) != connection || close(ends[1]) != 0))
		_exit(engineNotStarted);
	const char byte = 0;
	if (write(connection, &byte, 1) < 0)
		_exit(brokenPipeSwallowed);
	_exit(0);
}

bool exitedWith(int status, int code)
{
	return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == code;
}

bool exitedWithZero(int status)
{
	return exitedWith(status, 0);
}

// The first line reporting a picture or font that could not be opened, or "".
std::string firstMissingFileReport(const std::vector<std::string>& lines)
{
	for (const std::string& line : lines)
		for (const char* report : missingFileReports)
			if (line.find(report) != std::string::npos)
				return line;
	return "";
}

// A display name with no server behind it: neither its socket nor its lock file exists.
std::string displayWithoutServer()
{
	for (int number = 500;; ++number)
	{
		const std::string digits = std::to_string(number);
		if (access(("/tmp/.X11-unix/X" + digits).c_str(), F_OK) != 0 && access(("/tmp/.X" + digits + "-lock").c_str(), F_OK) != 0)
			return "DISPLAY=:" + digits;
	}
}

std::vector<std::string> firstWordOfEachLine(const std::string& text)
{
	std::istringstream lines(text);
	std::vector<std::string> words;
	std::string line;
	while (std::getline(lines, line))
		words.push_back(line.substr(0, line.find(' ')));
	return words;
}

class ProgramTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		if (access(displayServer, X_OK) != 0 || access(inputTool, X_OK) != 0)
		{
			// The test command installs both; only a hand-made machine may lack them.
			if (std::getenv("CI") != nullptr)
				FAIL() << "Xvfb and xdotool are needed to run the program";
			GTEST_SKIP() << "Xvfb or xdotool is not installed";
		}
		startDisplay();
	}

	// A virtual display of the test's own, replacing any it had.
	void startDisplay()
	{
		m_server = std::make_unique<ChildProcess>(
			std::vector<std::string>{displayServer, "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
			std::vector<std::string>{});
		ASSERT_TRUE(m_server->waitForLine("", stepTimeoutMs)) << m_server->errorOutput();
		m_display = "DISPLAY=:" + m_server->lines().front();
	}

	void TearDown() override
	{
		m_program.reset();
		m_server.reset();
	}

	// What a user's shell would hand the program: a search path, a home and the display.
	std::vector<std::string> userEnvironment() const
	{
		const char* home = std::getenv("HOME");
		return {"PATH=/usr/bin:/bin", std::string("HOME=") + (home != nullptr ? home : "/tmp"), m_display};
	}

	bool input(std::vector<std::string> arguments, std::string* output = nullptr)
	{
		arguments.insert(arguments.begin(), inputTool);
		return exitedWithZero(ChildProcess::run(arguments, {m_display}, output));
	}

	std::string findWindow(const std::string& titlePattern = windowTitlePattern)
	{
		std::string found;
		for (int waited = 0; waited < stepTimeoutMs; waited += windowPollMs)
		{
			if (input({"search", "--onlyvisible", "--name", titlePattern}, &found) && !found.empty())
				return found.substr(0, found.find('\n'));
			usleep(windowPollMs * 1000);
		}
		return "";
	}

	bool clickAt(const std::string& window, int x, int y)
	{
		return input({"mousemove", "--window", window, std::to_string(x), std::to_string(y), "click", "1"});
	}

	// Sends an input step again and again until the program prints the line of the screen it
	// leads to, within one step's time. Input that comes before the window takes it is lost,
	// which a busy machine makes likely; each step is harmless on the screen it leads to.
	bool repeatUntilLine(const std::function<void()>& step, const char* line)
	{
		const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(stepTimeoutMs);
		while (std::chrono::steady_clock::now() < deadline)
		{
			step();
			if (m_program->waitForLine(line, inputRetryMs))
				return true;
		}
		return false;
	}

	// Starts the program with this command line from the test's working directory, its run directory.
	void start(const std::vector<std::string>& command, const std::vector<std::string>& environment)
	{
		m_program = std::make_unique<ChildProcess>(command, environment, std::filesystem::current_path().string());
	}

	// What the program wrote so far, standard output first.
	std::string report() const
	{
		if (!m_program)
			return "";
		std::string text;
		for (const std::string& line : m_program->lines())
			text += line + "\n";
		return text + m_program->errorOutput();
	}

	// Closes the program's window the way the window manager would ask it to and checks
	// that it ended as a program should.
	void closeAndExpectNormalEnd()
	{
		// SDL turns the signal into the same quit event that closing the window gives.
		m_program->sendSignal(SIGTERM);
		const int status = m_program->finish(stepTimeoutMs);
		EXPECT_TRUE(exitedWithZero(status)) << "status " << status << "\n" << report();
		ASSERT_FALSE(m_program->lines().empty());
		EXPECT_EQ(m_program->lines().back(), lastLine) << report();
	}

	std::unique_ptr<ChildProcess> m_server;
	std::unique_ptr<ChildProcess> m_program;
	std::string m_display;
};
} // namespace

TEST_F(ProgramTest, PlayedFromTheMenuAndClosedItEndsNormallyWithStatusZero)
{
	start({TOLVANE_PROGRAM_PATH}, userEnvironment());
	ASSERT_TRUE(m_program->waitForLine(menuBuilt, stepTimeoutMs)) << report();
	const std::string window = findWindow();
	ASSERT_FALSE(window.empty()) << report();

	ASSERT_TRUE(repeatUntilLine([&]() { clickAt(window, newGameX, newGameY); }, detailsBuilt)) << report();
	// Each try types the whole name afresh.
	const auto enterDetails = [&]() {
		input({"windowfocus", "--sync", window});
		input({"key", "--repeat", longestNameLetters, "BackSpace"});
		input({"type", "Ann"});
		clickAt(window, shipX, shipY);
		input({"mousemove", "--window", window, std::to_string(shipX + 1), std::to_string(shipY)});
		clickAt(window, forwardX, forwardY);
	};
	ASSERT_TRUE(repeatUntilLine(enterDetails, levelBuilt)) << report();
	ASSERT_TRUE(input({"key", "Right", "space", "space"}));

	closeAndExpectNormalEnd();
}

TEST_F(ProgramTest, EveryListedSampleStartedAndClosedEndsNormallyWithStatusZero)
{
	std::string list;
	ASSERT_TRUE(exitedWithZero(ChildProcess::run({TOLVANE_SAMPLES_PATH}, userEnvironment(), &list)));
	const std::vector<std::string> names = firstWordOfEachLine(list);
	EXPECT_EQ(names.size(), sampleCount) << list;

	std::string unknownOutput;
	const int unknown = ChildProcess::run({TOLVANE_SAMPLES_PATH, "no-such-sample"}, userEnvironment(), &unknownOutput);
	EXPECT_TRUE(exitedWith(unknown, unknownSampleStatus)) << "status " << unknown;
	EXPECT_EQ(unknownOutput, "") << "the list belongs on standard error";

	for (const std::string& name : names)
	{
		SCOPED_TRACE(name);
		start({TOLVANE_SAMPLES_PATH, name}, userEnvironment());
		// Every engine opens the default font before its window.
		ASSERT_TRUE(m_program->waitForLine(defaultFontLoaded, stepTimeoutMs)) << report();
		// The title names the sample between colons.
		ASSERT_FALSE(findWindow(": " + name + " :").empty()) << report();
		closeAndExpectNormalEnd();
		EXPECT_EQ(firstMissingFileReport(m_program->lines()), "");
	}
}

// The launcher lists the samples of README.md's table, in its order and in exactly the
// words of each row ("| `name` | engine | description |"), and no other.
TEST(SampleListTest, ListsEveryReadmeSampleInTheWordsOfItsRow)
{
	std::string list;
	ASSERT_TRUE(exitedWithZero(ChildProcess::run({TOLVANE_SAMPLES_PATH}, {}, &list)));
	const std::regex sampleRow(R"(\| `([^`]+)` \| [^|]+ \| ([^|]+) \|)");
	std::ifstream readme(TOLVANE_README_PATH);
	std::string expected;
	for (std::string line; std::getline(readme, line);)
	{
		std::smatch cells;
		if (std::regex_match(line, cells, sampleRow))
			expected += cells[1].str() + std::string(std::max<int>(1, launcherNameColumn - cells[1].length()), ' ')
				+ cells[2].str() + "\n";
	}
	EXPECT_EQ(expected, list);
}

// With no display to reach and no video driver asked for, the program says so and ends
// with status 1 instead of running unseen.
TEST_F(ProgramTest, WithoutADisplayItSaysSoAndEndsWithStatusOne)
{
	start({TOLVANE_PROGRAM_PATH}, {"PATH=/usr/bin:/bin", displayWithoutServer()});
	const int status = m_program->finish(stepTimeoutMs);
	EXPECT_TRUE(exitedWith(status, 1)) << "status " << status << "\n" << report();
	EXPECT_NE(m_program->errorOutput().find(noDisplayReport), std::string::npos) << report();
}

// A display that goes away under a running program (a dropped remote session) ends it
// within seconds, with a line on standard error and status 1: nothing at exit may wait on
// the lost connection. The game loses it in the middle of a write to it, which must not
// end it silently by SIGPIPE; the maze sample, the one that hung most often, while it runs.
TEST_F(ProgramTest, WhenItsDisplayGoesAwayItSaysSoAndEndsWithStatusOne)
{
	const std::vector<std::vector<std::string>> commands = {{TOLVANE_PROGRAM_PATH}, {TOLVANE_SAMPLES_PATH, "maze"}};
	for (const std::vector<std::string>& command : commands)
	{
		SCOPED_TRACE(command.back());
		// The first program uses the fixture's display; each later one needs a new one.
		if (!m_server)
		{
			ASSERT_NO_FATAL_FAILURE(startDisplay());
		}
		start(command, userEnvironment());
		ASSERT_FALSE(findWindow(anyWindowTitlePattern).empty()) << report();
		// Xlib writes requests to the server with writev().
		if (&command == &commands.front())
		{
			ASSERT_TRUE(m_program->holdAtSystemCall(SYS_writev, displayLossEndMs, [&]() { m_server.reset(); })) << report();
		}
		m_server.reset();
		const int status = m_program->finish(displayLossEndMs);
		EXPECT_TRUE(exitedWith(status, 1)) << "status " << status << "\n" << report();
		EXPECT_NE(m_program->errorOutput().find(displayLostReport), std::string::npos) << report();
	}
}

TEST_F(ProgramTest, AfterClosingItsVideoABrokenPipeEndsTheProgramAsItWouldAnyOther)
{
	const pid_t program = fork();
	if (program == 0)
		writeToAPipeAfterClosingVideo(m_display);
	int status = 0;
	ASSERT_EQ(program, waitpid(program, &status, 0));
	EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE)
		<< (WIFEXITED(status) ? "exit status " + std::to_string(WEXITSTATUS(status)) : "signal " + std::to_string(WTERMSIG(status)));
}
