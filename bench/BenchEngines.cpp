#include "BenchEngines.h"

#include <cstdlib>
#include <vector>

#include "BaseEngine.h"
#include "ImageManager.h"

namespace
{
std::vector<BaseEngine*>& startedEngines()
{
	static std::vector<BaseEngine*> engines;
	return engines;
}
} // namespace

void BenchEngines::useDummyDrivers()
{
	setenv("SDL_VIDEODRIVER", "dummy", 0);
	setenv("SDL_AUDIODRIVER", "dummy", 0);
}

BaseEngine* BenchEngines::start(BaseEngine* engine)
{
	if (engine->initialise("bench", windowWidth, windowHeight, "Cornerstone Regular.ttf", 24) != 0)
		std::abort();
	startedEngines().push_back(engine);
	return engine;
}

void BenchEngines::releaseAll()
{
	std::vector<BaseEngine*>& engines = startedEngines();
	while (!engines.empty())
	{
		BaseEngine* engine = engines.back();
		engines.pop_back();
		engine->deinitialise();
		delete engine;
	}
	ImageManager::deleteInstance();
}
