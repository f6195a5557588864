// The sample launcher's entry point: with no argument it lists the sample programs; with a
// sample's name it runs that sample as the game's entry point runs the game.

#include <SDL.h>

#include <cstdio>

#include "EngineProgram.h"
#include "SampleCatalogue.h"

namespace
{
// The exit status of a command line that names no sample.
const int usageError = 2;
}

int main(int argc, char** argv)
{
	if (argc < 2)
	{
		SampleCatalogue::print(stdout);
		return 0;
	}
	const SampleProgram* sample = SampleCatalogue::find(argv[1]);
	if (sample == nullptr)
	{
		std::fprintf(stderr, "No sample is called \"%s\". The samples are:\n", argv[1]);
		SampleCatalogue::print(stderr);
		return usageError;
	}
	char title[1024];
	std::snprintf(title, sizeof(title), "C++ Tolvane Framework Sample : %s : Size %d x %d", sample->name,
		EngineProgram::windowWidth, EngineProgram::windowHeight);
	return sample->run(title);
}
