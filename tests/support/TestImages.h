#pragma once
// Picture files written at test time into a private temporary directory (removed again
// afterwards), so image tests load real files through the real image library.

#include <cstdint>
#include <functional>
#include <string>

// Colour of pixel (x, y) as 0xAARRGGBB.
using PixelFunction = std::function<uint32_t(int x, int y)>;

// A distinct opaque colour for every pixel of pictures up to 256 x 256.
uint32_t patternColour(int x, int y);

class TestImageDirectory
{
public:
	TestImageDirectory();
	~TestImageDirectory();
	TestImageDirectory(const TestImageDirectory&) = delete;
	TestImageDirectory& operator=(const TestImageDirectory&) = delete;

	const std::string& path() const { return m_path; }
	// Full path of a file in the directory.
	std::string file(const std::string& name) const;

	// Writes a PNG (with an alpha channel when withAlpha, else RGB); returns its full path.
	std::string writePng(const std::string& name, int width, int height, const PixelFunction& pixel, bool withAlpha = false);
	// Writes a JPEG at full quality; returns its full path.
	std::string writeJpeg(const std::string& name, int width, int height, const PixelFunction& pixel);

private:
	std::string m_path;
};
