// The program's entry point: runs the game's engine in a 1000 x 700 window.

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "LeakReport.h"
#include "TV4Engine.h"

namespace
{
const int windowWidth = 1000;
const int windowHeight = 700;
const char* const defaultFontFile = "Cornerstone Regular.ttf";
const int defaultFontSize = 24;
}

int runProgram()
{
	TV4Engine engine;
	char title[1024];
	std::snprintf(title, sizeof(title), "C++ Tolvane Framework Program : Size %d x %d", windowWidth, windowHeight);
	int result = engine.initialise(title, windowWidth, windowHeight, defaultFontFile, defaultFontSize);
	if (result == 0)
		result = engine.mainLoop();
	engine.deinitialise();
	return result;
}

int main(int argc, char** argv)
{
	(void)argc;
	(void)argv;
	std::srand(static_cast<unsigned int>(std::time(nullptr)));
	int result = runProgram();
	releaseSharedCaches();
	reportLeakedMemory();
	return result;
}
