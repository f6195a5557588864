// Fonts group: the program's two font files are copies of Debian's fonts, a serif face as
// the default font and a blocky pixel face for the game's texts (see scripts/setup.sh).

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "AssetContext.h"
#include "AssetRegistry.h"

namespace
{
struct FontSource
{
	const char* installedName;
	std::vector<const char*> candidates;
	const char* package;
};

const std::vector<FontSource> fontSources = {
	{"Cornerstone Regular.ttf",
		{"/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf"},
		"fonts-dejavu-core"},
	{"PixelGameFont.ttf",
		{"/usr/share/fonts/truetype/dotgothic16/DotGothic16-Regular.ttf"},
		"fonts-dotgothic16"},
};

bool installFont(const AssetContext& context, const FontSource& source)
{
	for (const char* candidate : source.candidates)
	{
		if (!std::filesystem::exists(candidate))
			continue;
		const std::filesystem::path target = context.prepareOutput(source.installedName);
		std::error_code error;
		std::filesystem::copy_file(candidate, target, std::filesystem::copy_options::overwrite_existing, error);
		if (error)
		{
			std::fprintf(stderr, "assetgen: cannot copy %s to %s: %s\n", candidate, target.c_str(), error.message().c_str());
			return false;
		}
		return true;
	}
	std::fprintf(stderr, "assetgen: no font file for \"%s\": install the Debian package %s (scripts/setup.sh does)\n",
		source.installedName, source.package);
	return false;
}

bool installFonts(const AssetContext& context)
{
	bool allInstalled = true;
	for (const FontSource& source : fontSources)
		allInstalled = installFont(context, source) && allInstalled;
	return allInstalled;
}

AssetGroupRegistration registration("fonts", AssetOrder::fonts, installFonts);
}
