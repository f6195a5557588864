// The asset generator's entry: runs every registered asset group, in order, into the run
// directory given on the command line (optionally only the groups named after it).
//   usage: assetgen RUN_DIRECTORY [GROUP...]

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "AssetContext.h"
#include "AssetRegistry.h"

namespace
{
bool isSelected(const AssetGroup& group, const std::vector<std::string>& selected)
{
	return selected.empty() || std::find(selected.begin(), selected.end(), group.name) != selected.end();
}

int runGroups(const AssetContext& context, const std::vector<std::string>& selected)
{
	int failures = 0;
	for (const AssetGroup& group : AssetRegistry::instance().orderedGroups())
	{
		if (!isSelected(group, selected))
			continue;
		if (group.build(context))
		{
			std::printf("assetgen: %s done\n", group.name.c_str());
		}
		else
		{
			std::fprintf(stderr, "assetgen: group %s FAILED\n", group.name.c_str());
			failures++;
		}
	}
	return failures;
}
}

int main(int argc, char** argv)
{
	if (argc < 2)
	{
		std::fprintf(stderr, "usage: %s RUN_DIRECTORY [GROUP...]\n", argv[0]);
		return 2;
	}
	const AssetContext context(argv[1]);
	const std::vector<std::string> selected(argv + 2, argv + argc);

	if (SDL_Init(0) != 0 || TTF_Init() != 0)
	{
		std::fprintf(stderr, "assetgen: cannot start SDL or SDL_ttf: %s\n", SDL_GetError());
		return 1;
	}
	IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);

	const int failures = runGroups(context, selected);

	IMG_Quit();
	TTF_Quit();
	SDL_Quit();
	if (failures > 0)
	{
		std::fprintf(stderr, "assetgen: %d group(s) failed\n", failures);
		return 1;
	}
	return 0;
}
