// Starting and stopping engines: what initialise makes, and what happens when a step fails.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <SDL_ttf.h>

#include "BaseEngine.h"
#include "DisplayableObject.h"
#include "EngineHarness.h"

namespace
{
// Uses its engine's font while being destroyed, as objects drawing text may, and notes
// whether the font library was still running then.
struct FontUserObject : DisplayableObject
{
	explicit FontUserObject(BaseEngine* engine) : DisplayableObject(engine, 1, 1, true) {}
	~FontUserObject() override
	{
		fontName = getEngine()->getDefaultFont()->getFileName();
		fontLibraryRunning = TTF_WasInit() != 0;
	}
	static std::string fontName;
	static bool fontLibraryRunning;
};
std::string FontUserObject::fontName;
bool FontUserObject::fontLibraryRunning = false;

// Destroyed after the engine's exit handlers and before the engine: ends the process with
// exit status 3 unless the handlers left nothing of the libraries in the engine's hands.
struct ReleaseCheck
{
	explicit ReleaseCheck(BaseEngine& engine) : engine(engine) {}
	~ReleaseCheck()
	{
		const bool released = engine.getWindow() == nullptr && engine.getForegroundSurface()->getSDLSurface() == nullptr &&
			engine.getDefaultFont()->getTTFFont() == nullptr && engine.getObjectAt(0) == nullptr &&
			FontUserObject::fontLibraryRunning;
		if (!released)
			std::_Exit(3);
	}
	BaseEngine& engine;
};

class FailingSurfacesEngine : public BaseEngine
{
public:
	int createSurfaces() override { return 1; }
};

const char* const childRunVariable = "TOLVANE_ENGINE_LIFECYCLE_CHILD";

// Runs the current test again in a fresh process of this binary, with childRunVariable set
// and its standard output discarded; returns the child's wait status.
int runCurrentTestInChildProcess()
{
	const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
	const std::string filter = std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
	std::fflush(stdout);
	const pid_t child = fork();
	if (child == 0)
	{
		setenv(childRunVariable, "1", 1);
		const int discard = open("/dev/null", O_WRONLY);
		dup2(discard, STDOUT_FILENO);
		execl("/proc/self/exe", "engine-lifecycle-child", filter.c_str(), static_cast<char*>(nullptr));
		_exit(127);
	}
	int status = -1;
	waitpid(child, &status, 0);
	return status;
}
}

TEST(EngineLifecycleTest, InitialiseMakesWindowSurfacesAndDefaultBackground)
{
	BaseEngine engine;
	EngineHarness harness(engine);
	ASSERT_EQ(0, harness.initialise());
	EXPECT_NE(nullptr, engine.getWindow());
	EXPECT_EQ(1000, engine.getForegroundSurface()->getWidth());
	EXPECT_EQ(700, engine.getBackgroundSurface()->getHeight());
	harness.step();
	EXPECT_EQ(0xFFFF00u, harness.foregroundPixel(500, 300));
	engine.deinitialise();
}

TEST(EngineLifecycleTest, EmptyFontNameLeavesNoDefaultFont)
{
	BaseEngine engine;
	EngineHarness harness(engine);
	ASSERT_EQ(0, harness.initialise(1000, 700, ""));
	EXPECT_EQ(nullptr, engine.getDefaultFont());
	engine.getForegroundSurface()->drawString(0, 0, "no font", 0xFFFFFF);
	engine.deinitialise();
}

TEST(EngineLifecycleTest, FailedVideoStartKeepsTheSizeAndReportsFailure)
{
	// Start from a stopped SDL, as a fresh program does.
	SDL_Quit();
	setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
	BaseEngine engine;
	EXPECT_EQ(1, engine.initialise("x", 640, 480, "Cornerstone Regular.ttf", 24));
	EXPECT_EQ(640, engine.getWindowWidth());
	EXPECT_EQ(480, engine.getWindowHeight());
	EXPECT_FALSE(engine.isKeyPressed(SDLK_a));
	setenv("SDL_VIDEODRIVER", "offscreen", 1);
}

TEST(EngineLifecycleTest, FailedSurfaceCreationIsReportedNotIgnored)
{
	FailingSurfacesEngine engine;
	EngineHarness harness(engine);
	EXPECT_EQ(1, harness.initialise());
	EXPECT_FALSE(engine.isInitialised());
}

// A second initialise, after deinitialise, is refused with a line: the first window and
// surfaces stay the engine's, and none is made over them.
TEST(EngineLifecycleTest, SecondInitialiseIsRefusedAndMakesNothing)
{
	BaseEngine engine;
	EngineHarness harness(engine);
	ASSERT_EQ(0, harness.initialise());
	engine.deinitialise();
	SDL_Window* const window = engine.getWindow();
	SDL_Surface* const foreground = engine.getForegroundSurface()->getSDLSurface();
	OutputCapture output;
	output.start();
	EXPECT_EQ(1, harness.initialise(640, 480));
	EXPECT_NE(std::string::npos, output.stop().find("initialised before")) << "a line says why";
	EXPECT_EQ(window, engine.getWindow());
	EXPECT_EQ(foreground, engine.getForegroundSurface()->getSDLSurface());
	EXPECT_EQ(1000, engine.getWindowWidth());
	EXPECT_FALSE(engine.isInitialised());
}

TEST(EngineLifecycleTest, ObjectsAreDestroyedBeforeTheFonts)
{
	{
		BaseEngine engine;
		EngineHarness harness(engine);
		ASSERT_EQ(0, harness.initialise());
		engine.appendObject(new FontUserObject(&engine));
		engine.deinitialise();
	}
	EXPECT_EQ("Cornerstone Regular.ttf", FontUserObject::fontName);
}


// The exit handlers release what the engine holds (objects first, while the fonts still
// work) before each library quits; the engine's own destructor then has nothing left to do.
TEST(EngineLifecycleTest, AnEngineDestroyedAfterTheExitHandlersCallsNoLibraryThatHasQuit)
{
	if (std::getenv(childRunVariable) != nullptr)
	{
		// Made before initialise registers the exit handlers, so destroyed after they ran.
		static BaseEngine engine;
		static ReleaseCheck check(engine);
		EngineHarness harness(engine);
		if (harness.initialise() != 0)
			std::_Exit(2);
		engine.appendObject(new FontUserObject(&engine));
		harness.step();
		std::exit(0);
	}
	const int status = runCurrentTestInChildProcess();
	ASSERT_TRUE(WIFEXITED(status)) << "child ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
	EXPECT_EQ(0, WEXITSTATUS(status));
}
