#pragma once
// Where an asset group writes: paths inside the run directory, with their folders made
// on demand, and the fonts that groups draw words with once the fonts group has run.

#include <cstdint>
#include <filesystem>
#include <string>

class AssetContext
{
public:
	explicit AssetContext(std::filesystem::path runDirectory);

	const std::filesystem::path& runDirectory() const { return m_runDirectory; }

	// The full path of a file given relative to the run directory.
	std::filesystem::path pathOf(const std::string& relativePath) const;
	// As pathOf, and makes the folders the file will live in. Empty on failure (reported).
	std::filesystem::path prepareOutput(const std::string& relativePath) const;

	// The run directory's copy of a font, e.g. fontPath("PixelGameFont.ttf").
	std::string fontPath(const std::string& fontFileName) const;

	// A seed derived from a name, so each picture's randomness is stable between runs.
	static std::uint32_t seedFor(const std::string& name);

private:
	std::filesystem::path m_runDirectory;
};
