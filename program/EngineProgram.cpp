#include "EngineProgram.h"

#include <cstdlib>
#include <ctime>

#include "BaseEngine.h"
#include "LeakReport.h"

namespace
{
const char* const defaultFontFile = "Cornerstone Regular.ttf";
const int defaultFontSize = 24;
}

void EngineProgram::seedRandomNumbers()
{
	std::srand(static_cast<unsigned int>(std::time(nullptr)));
}

int EngineProgram::drive(BaseEngine& engine, const char* title)
{
	int result = engine.initialise(title, windowWidth, windowHeight, defaultFontFile, defaultFontSize);
	if (result == 0)
		result = engine.mainLoop();
	engine.deinitialise();
	return result;
}

int EngineProgram::finish(int result)
{
	releaseSharedCaches();
	reportLeakedMemory();
	return result;
}
