#pragma once
// The drawing toolkit shared by every asset group: a picture in memory with shapes,
// gradients, noise and words, saved as PNG or JPEG into the run directory.

#include <SDL.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "AssetColour.h"

class AssetContext;

class AssetCanvas
{
public:
	enum class Channels { rgb, rgba };
	enum class TextAlign { left, centre, right };
	using Point = std::pair<double, double>;

	// An RGB canvas starts black; an RGBA canvas starts fully transparent.
	AssetCanvas(int width, int height, Channels channels = Channels::rgb);
	~AssetCanvas();
	AssetCanvas(const AssetCanvas&) = delete;
	AssetCanvas& operator=(const AssetCanvas&) = delete;
	AssetCanvas(AssetCanvas&& other) noexcept;
	AssetCanvas& operator=(AssetCanvas&& other) noexcept;

	int width() const { return m_width; }
	int height() const { return m_height; }
	bool hasAlpha() const { return m_channels == Channels::rgba; }
	SDL_Surface* surface() const { return m_surface; }

	// With blending on (the default) a part-transparent colour is laid over what is there;
	// with it off every write replaces the pixel, alpha included (to cut transparent holes).
	void setBlending(bool on) { m_blending = on; }

	// Pixels. Writes outside the canvas are ignored; reads outside give transparent black.
	void plot(int x, int y, AssetColour colour);
	void setPixel(int x, int y, AssetColour colour);
	AssetColour getPixel(int x, int y) const;

	// Whole canvas, replacing every pixel (alpha included).
	void clear(AssetColour colour);

	// Shapes: all filled unless named otherwise; coordinates are pixels, (0, 0) top left.
	void fillRect(int x, int y, int w, int h, AssetColour colour);
	void strokeRect(int x, int y, int w, int h, AssetColour colour, int thickness = 1);
	void fillEllipse(double centreX, double centreY, double radiusX, double radiusY, AssetColour colour);
	void strokeEllipse(double centreX, double centreY, double radiusX, double radiusY, AssetColour colour, double thickness = 1.0);
	void drawLine(double x1, double y1, double x2, double y2, AssetColour colour, double thickness = 1.0);
	// Any simple or self-crossing polygon (even-odd rule), vertices in either direction.
	void fillPolygon(const std::vector<Point>& vertices, AssetColour colour);

	// Gradients over a rectangle, or a disc fading from its centre to its rim.
	void fillVerticalGradient(int x, int y, int w, int h, AssetColour top, AssetColour bottom);
	void fillHorizontalGradient(int x, int y, int w, int h, AssetColour left, AssetColour right);
	void fillRadialGradient(double centreX, double centreY, double radius, AssetColour centre, AssetColour rim);

	// Noise: every opaque pixel of the rectangle brightened or darkened by up to amount
	// (0 to 255); and count single dots of a colour at random places. Same seed, same result.
	void addNoise(int x, int y, int w, int h, int amount, std::uint32_t seed);
	void scatterDots(int count, AssetColour colour, std::uint32_t seed);

	// Another canvas laid over this one with its top left at (x, y).
	void drawCanvas(const AssetCanvas& source, int x, int y);

	// Words in a TrueType font (a path, see AssetContext::fontPath); x is the left edge, the
	// centre or the right edge as align says, y the top. Smooth text blends its edges; solid
	// text uses the one colour only (for pictures whose transparency is a colour key).
	bool drawText(const std::string& fontPath, int pointSize, int x, int y, const std::string& text,
		AssetColour colour, TextAlign align = TextAlign::left, bool smooth = true);
	static bool measureText(const std::string& fontPath, int pointSize, const std::string& text, int& width, int& height);

	// Saving, relative to the run directory (folders are made). False when it failed (reported).
	bool savePng(const AssetContext& context, const std::string& relativePath) const;
	bool saveJpg(const AssetContext& context, const std::string& relativePath, int quality = 90) const;

private:
	std::uint32_t* row(int y) const;
	bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
	void clipRect(int& x, int& y, int& w, int& h) const;
	void releaseSurface();

	int m_width;
	int m_height;
	Channels m_channels;
	bool m_blending = true;
	SDL_Surface* m_surface = nullptr;
};
