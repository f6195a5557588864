#include "AssetCanvas.h"

#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "AssetContext.h"

namespace
{
const int maximumByte = 255;

std::uint32_t pack(AssetColour colour)
{
	return (std::uint32_t(colour.a) << 24) | colour.rgb();
}

AssetColour unpack(std::uint32_t pixel, bool hasAlpha)
{
	return AssetColour(pixel & 0xFFFFFFu, hasAlpha ? static_cast<std::uint8_t>(pixel >> 24) : maximumByte);
}

// Porter-Duff "source over" of one colour onto another.
AssetColour composite(AssetColour source, AssetColour target)
{
	const double sourceAlpha = source.a / double(maximumByte);
	const double targetAlpha = target.a / double(maximumByte);
	const double outAlpha = sourceAlpha + targetAlpha * (1.0 - sourceAlpha);
	if (outAlpha <= 0.0)
		return AssetColour(0, 0);
	auto channel = [&](int s, int t) {
		return static_cast<int>((s * sourceAlpha + t * targetAlpha * (1.0 - sourceAlpha)) / outAlpha + 0.5);
	};
	return AssetColour::fromBytes(channel(source.r, target.r), channel(source.g, target.g), channel(source.b, target.b),
		static_cast<int>(outAlpha * maximumByte + 0.5));
}

double distanceToSegment(double px, double py, double x1, double y1, double x2, double y2)
{
	const double dx = x2 - x1;
	const double dy = y2 - y1;
	const double lengthSquared = dx * dx + dy * dy;
	double t = lengthSquared > 0.0 ? ((px - x1) * dx + (py - y1) * dy) / lengthSquared : 0.0;
	t = std::clamp(t, 0.0, 1.0);
	return std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
}

// Pixel (x, y) is lit by a shape when the shape covers its centre (x + 0.5, y + 0.5).
double centreOf(int pixel)
{
	return pixel + 0.5;
}
}

AssetCanvas::AssetCanvas(int width, int height, Channels channels)
	: m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_channels(channels)
{
	const Uint32 format = channels == Channels::rgba ? SDL_PIXELFORMAT_ARGB8888 : SDL_PIXELFORMAT_RGB888;
	m_surface = SDL_CreateRGBSurfaceWithFormat(0, std::max(m_width, 1), std::max(m_height, 1), 32, format);
	if (!m_surface)
	{
		std::fprintf(stderr, "assetgen: cannot make a %d x %d canvas: %s\n", width, height, SDL_GetError());
		m_width = 0;
		m_height = 0;
		return;
	}
	clear(hasAlpha() ? AssetColour(0, 0) : AssetColour(0));
}

AssetCanvas::~AssetCanvas()
{
	releaseSurface();
}

AssetCanvas::AssetCanvas(AssetCanvas&& other) noexcept
	: m_width(other.m_width), m_height(other.m_height), m_channels(other.m_channels),
	  m_blending(other.m_blending), m_surface(other.m_surface)
{
	other.m_surface = nullptr;
	other.m_width = 0;
	other.m_height = 0;
}

AssetCanvas& AssetCanvas::operator=(AssetCanvas&& other) noexcept
{
	if (this != &other)
	{
		releaseSurface();
		m_width = other.m_width;
		m_height = other.m_height;
		m_channels = other.m_channels;
		m_blending = other.m_blending;
		m_surface = other.m_surface;
		other.m_surface = nullptr;
		other.m_width = 0;
		other.m_height = 0;
	}
	return *this;
}

void AssetCanvas::releaseSurface()
{
	if (m_surface)
		SDL_FreeSurface(m_surface);
	m_surface = nullptr;
}

std::uint32_t* AssetCanvas::row(int y) const
{
	return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(m_surface->pixels) + y * m_surface->pitch);
}

void AssetCanvas::setPixel(int x, int y, AssetColour colour)
{
	if (!contains(x, y))
		return;
	if (!hasAlpha())
		colour.a = maximumByte;
	row(y)[x] = pack(colour);
}

AssetColour AssetCanvas::getPixel(int x, int y) const
{
	if (!contains(x, y))
		return AssetColour(0, 0);
	return unpack(row(y)[x], hasAlpha());
}

void AssetCanvas::plot(int x, int y, AssetColour colour)
{
	if (!contains(x, y))
		return;
	if (m_blending && colour.a < maximumByte)
		colour = composite(colour, getPixel(x, y));
	setPixel(x, y, colour);
}

void AssetCanvas::clear(AssetColour colour)
{
	if (!hasAlpha())
		colour.a = maximumByte;
	const std::uint32_t pixel = pack(colour);
	for (int y = 0; y < m_height; y++)
		std::fill(row(y), row(y) + m_width, pixel);
}

void AssetCanvas::clipRect(int& x, int& y, int& w, int& h) const
{
	const int right = std::min(x + w, m_width);
	const int bottom = std::min(y + h, m_height);
	x = std::max(x, 0);
	y = std::max(y, 0);
	w = std::max(right - x, 0);
	h = std::max(bottom - y, 0);
}

void AssetCanvas::fillRect(int x, int y, int w, int h, AssetColour colour)
{
	clipRect(x, y, w, h);
	for (int row = y; row < y + h; row++)
		for (int column = x; column < x + w; column++)
			plot(column, row, colour);
}

void AssetCanvas::strokeRect(int x, int y, int w, int h, AssetColour colour, int thickness)
{
	thickness = std::max(1, std::min({thickness, (w + 1) / 2, (h + 1) / 2}));
	fillRect(x, y, w, thickness, colour);
	fillRect(x, y + h - thickness, w, thickness, colour);
	fillRect(x, y + thickness, thickness, h - 2 * thickness, colour);
	fillRect(x + w - thickness, y + thickness, thickness, h - 2 * thickness, colour);
}

void AssetCanvas::fillEllipse(double centreX, double centreY, double radiusX, double radiusY, AssetColour colour)
{
	if (radiusX <= 0.0 || radiusY <= 0.0)
		return;
	const int top = static_cast<int>(std::floor(centreY - radiusY));
	const int bottom = static_cast<int>(std::ceil(centreY + radiusY));
	const int left = static_cast<int>(std::floor(centreX - radiusX));
	const int right = static_cast<int>(std::ceil(centreX + radiusX));
	for (int y = std::max(top, 0); y <= std::min(bottom, m_height - 1); y++)
	{
		const double dy = (centreOf(y) - centreY) / radiusY;
		for (int x = std::max(left, 0); x <= std::min(right, m_width - 1); x++)
		{
			const double dx = (centreOf(x) - centreX) / radiusX;
			if (dx * dx + dy * dy <= 1.0)
				plot(x, y, colour);
		}
	}
}

void AssetCanvas::strokeEllipse(double centreX, double centreY, double radiusX, double radiusY, AssetColour colour, double thickness)
{
	const double half = thickness / 2.0;
	const double outerX = radiusX + half;
	const double outerY = radiusY + half;
	const double innerX = radiusX - half;
	const double innerY = radiusY - half;
	if (outerX <= 0.0 || outerY <= 0.0)
		return;
	const int top = std::max(static_cast<int>(std::floor(centreY - outerY)), 0);
	const int bottom = std::min(static_cast<int>(std::ceil(centreY + outerY)), m_height - 1);
	const int left = std::max(static_cast<int>(std::floor(centreX - outerX)), 0);
	const int right = std::min(static_cast<int>(std::ceil(centreX + outerX)), m_width - 1);
	for (int y = top; y <= bottom; y++)
	{
		for (int x = left; x <= right; x++)
		{
			const double px = centreOf(x) - centreX;
			const double py = centreOf(y) - centreY;
			const bool insideOuter = (px / outerX) * (px / outerX) + (py / outerY) * (py / outerY) <= 1.0;
			const bool insideInner = innerX > 0.0 && innerY > 0.0
				&& (px / innerX) * (px / innerX) + (py / innerY) * (py / innerY) < 1.0;
			if (insideOuter && !insideInner)
				plot(x, y, colour);
		}
	}
}

void AssetCanvas::drawLine(double x1, double y1, double x2, double y2, AssetColour colour, double thickness)
{
	if (thickness <= 1.0)
	{
		// Bresenham between the pixels holding the two ends: one pixel wide without gaps.
		int x = static_cast<int>(std::floor(x1));
		int y = static_cast<int>(std::floor(y1));
		const int endX = static_cast<int>(std::floor(x2));
		const int endY = static_cast<int>(std::floor(y2));
		const int dx = std::abs(endX - x);
		const int dy = -std::abs(endY - y);
		const int stepX = x < endX ? 1 : -1;
		const int stepY = y < endY ? 1 : -1;
		int error = dx + dy;
		while (true)
		{
			plot(x, y, colour);
			if (x == endX && y == endY)
				break;
			const int doubled = 2 * error;
			if (doubled >= dy)
			{
				error += dy;
				x += stepX;
			}
			if (doubled <= dx)
			{
				error += dx;
				y += stepY;
			}
		}
		return;
	}
	const double half = thickness / 2.0;
	const int top = std::max(static_cast<int>(std::floor(std::min(y1, y2) - half)), 0);
	const int bottom = std::min(static_cast<int>(std::ceil(std::max(y1, y2) + half)), m_height - 1);
	const int left = std::max(static_cast<int>(std::floor(std::min(x1, x2) - half)), 0);
	const int right = std::min(static_cast<int>(std::ceil(std::max(x1, x2) + half)), m_width - 1);
	for (int y = top; y <= bottom; y++)
		for (int x = left; x <= right; x++)
			if (distanceToSegment(centreOf(x), centreOf(y), x1, y1, x2, y2) <= half)
				plot(x, y, colour);
}

void AssetCanvas::fillPolygon(const std::vector<Point>& vertices, AssetColour colour)
{
	if (vertices.size() < 3)
		return;
	double minY = vertices[0].second;
	double maxY = vertices[0].second;
	for (const Point& vertex : vertices)
	{
		minY = std::min(minY, vertex.second);
		maxY = std::max(maxY, vertex.second);
	}
	const int top = std::max(static_cast<int>(std::floor(minY)), 0);
	const int bottom = std::min(static_cast<int>(std::ceil(maxY)), m_height - 1);
	std::vector<double> crossings;
	for (int y = top; y <= bottom; y++)
	{
		// Scan line through the pixel centres: collect where the edges cross it, fill between pairs.
		const double scanY = centreOf(y);
		crossings.clear();
		for (size_t i = 0; i < vertices.size(); i++)
		{
			const Point& a = vertices[i];
			const Point& b = vertices[(i + 1) % vertices.size()];
			const bool crosses = (a.second <= scanY && scanY < b.second) || (b.second <= scanY && scanY < a.second);
			if (crosses)
				crossings.push_back(a.first + (scanY - a.second) * (b.first - a.first) / (b.second - a.second));
		}
		std::sort(crossings.begin(), crossings.end());
		for (size_t i = 0; i + 1 < crossings.size(); i += 2)
		{
			const int from = std::max(static_cast<int>(std::ceil(crossings[i] - 0.5)), 0);
			const int to = std::min(static_cast<int>(std::ceil(crossings[i + 1] - 0.5)) - 1, m_width - 1);
			for (int x = from; x <= to; x++)
				plot(x, y, colour);
		}
	}
}

void AssetCanvas::fillVerticalGradient(int x, int y, int w, int h, AssetColour top, AssetColour bottom)
{
	for (int i = 0; i < h; i++)
		fillRect(x, y + i, w, 1, AssetColour::mix(top, bottom, h > 1 ? i / double(h - 1) : 0.0));
}

void AssetCanvas::fillHorizontalGradient(int x, int y, int w, int h, AssetColour left, AssetColour right)
{
	for (int i = 0; i < w; i++)
		fillRect(x + i, y, 1, h, AssetColour::mix(left, right, w > 1 ? i / double(w - 1) : 0.0));
}

void AssetCanvas::fillRadialGradient(double centreX, double centreY, double radius, AssetColour centre, AssetColour rim)
{
	if (radius <= 0.0)
		return;
	const int top = std::max(static_cast<int>(std::floor(centreY - radius)), 0);
	const int bottom = std::min(static_cast<int>(std::ceil(centreY + radius)), m_height - 1);
	const int left = std::max(static_cast<int>(std::floor(centreX - radius)), 0);
	const int right = std::min(static_cast<int>(std::ceil(centreX + radius)), m_width - 1);
	for (int y = top; y <= bottom; y++)
	{
		for (int x = left; x <= right; x++)
		{
			const double distance = std::hypot(centreOf(x) - centreX, centreOf(y) - centreY);
			if (distance <= radius)
				plot(x, y, AssetColour::mix(centre, rim, distance / radius));
		}
	}
}

void AssetCanvas::addNoise(int x, int y, int w, int h, int amount, std::uint32_t seed)
{
	std::mt19937 random(seed);
	std::uniform_int_distribution<int> offset(-amount, amount);
	clipRect(x, y, w, h);
	for (int row = y; row < y + h; row++)
	{
		for (int column = x; column < x + w; column++)
		{
			const int delta = offset(random);
			const AssetColour pixel = getPixel(column, row);
			if (pixel.a == 0)
				continue;
			setPixel(column, row, AssetColour::fromBytes(pixel.r + delta, pixel.g + delta, pixel.b + delta, pixel.a));
		}
	}
}

void AssetCanvas::scatterDots(int count, AssetColour colour, std::uint32_t seed)
{
	if (m_width == 0 || m_height == 0)
		return;
	std::mt19937 random(seed);
	std::uniform_int_distribution<int> column(0, m_width - 1);
	std::uniform_int_distribution<int> row(0, m_height - 1);
	for (int i = 0; i < count; i++)
	{
		const int x = column(random);
		plot(x, row(random), colour);
	}
}

void AssetCanvas::drawCanvas(const AssetCanvas& source, int x, int y)
{
	for (int row = 0; row < source.height(); row++)
		for (int column = 0; column < source.width(); column++)
			plot(x + column, y + row, source.getPixel(column, row));
}

bool AssetCanvas::measureText(const std::string& fontPath, int pointSize, const std::string& text, int& width, int& height)
{
	TTF_Font* font = TTF_OpenFont(fontPath.c_str(), pointSize);
	if (!font)
	{
		std::fprintf(stderr, "assetgen: cannot open font %s: %s\n", fontPath.c_str(), TTF_GetError());
		return false;
	}
	const bool measured = TTF_SizeUTF8(font, text.c_str(), &width, &height) == 0;
	TTF_CloseFont(font);
	return measured;
}

bool AssetCanvas::drawText(const std::string& fontPath, int pointSize, int x, int y, const std::string& text,
	AssetColour colour, TextAlign align, bool smooth)
{
	if (text.empty())
		return true;
	TTF_Font* font = TTF_OpenFont(fontPath.c_str(), pointSize);
	if (!font)
	{
		std::fprintf(stderr, "assetgen: cannot open font %s: %s\n", fontPath.c_str(), TTF_GetError());
		return false;
	}
	const SDL_Color ink = {colour.r, colour.g, colour.b, maximumByte};
	SDL_Surface* rendered = smooth ? TTF_RenderUTF8_Blended(font, text.c_str(), ink) : TTF_RenderUTF8_Solid(font, text.c_str(), ink);
	TTF_CloseFont(font);
	if (!rendered)
	{
		std::fprintf(stderr, "assetgen: cannot draw \"%s\": %s\n", text.c_str(), TTF_GetError());
		return false;
	}
	if (align == TextAlign::centre)
		x -= rendered->w / 2;
	else if (align == TextAlign::right)
		x -= rendered->w;

	// Blended text is 32-bit with coverage in alpha; solid text is 8-bit with index 0 empty.
	SDL_LockSurface(rendered);
	for (int row = 0; row < rendered->h; row++)
	{
		const std::uint8_t* line = static_cast<const std::uint8_t*>(rendered->pixels) + row * rendered->pitch;
		for (int column = 0; column < rendered->w; column++)
		{
			int coverage = 0;
			if (rendered->format->BytesPerPixel == 4)
			{
				const std::uint32_t pixel = reinterpret_cast<const std::uint32_t*>(line)[column];
				coverage = static_cast<int>((pixel & rendered->format->Amask) >> rendered->format->Ashift);
			}
			else
			{
				coverage = line[column] != 0 ? maximumByte : 0;
			}
			if (coverage > 0)
				plot(x + column, y + row, colour.withAlpha(colour.a * coverage / maximumByte));
		}
	}
	SDL_UnlockSurface(rendered);
	SDL_FreeSurface(rendered);
	return true;
}

bool AssetCanvas::savePng(const AssetContext& context, const std::string& relativePath) const
{
	const std::string path = context.prepareOutput(relativePath).string();
	if (path.empty() || !m_surface)
		return false;
	if (IMG_SavePNG(m_surface, path.c_str()) != 0)
	{
		std::fprintf(stderr, "assetgen: cannot write %s: %s\n", path.c_str(), IMG_GetError());
		return false;
	}
	return true;
}

bool AssetCanvas::saveJpg(const AssetContext& context, const std::string& relativePath, int quality) const
{
	const std::string path = context.prepareOutput(relativePath).string();
	if (path.empty() || !m_surface)
		return false;
	if (IMG_SaveJPG(m_surface, path.c_str(), quality) != 0)
	{
		std::fprintf(stderr, "assetgen: cannot write %s: %s\n", path.c_str(), IMG_GetError());
		return false;
	}
	return true;
}
