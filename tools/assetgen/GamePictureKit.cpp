#include "GamePictureKit.h"

#include <algorithm>
#include <cstdio>

#include "AssetContext.h"

namespace GamePictureKit
{
const char* const gameFont = "PixelGameFont.ttf";

AssetCanvas canvasFor(const GameAssets::Picture& picture)
{
	AssetCanvas canvas(picture.width, picture.height);
	canvas.clear(AssetColour(GameAssets::keyColour));
	return canvas;
}

bool save(const AssetContext& context, const AssetCanvas& canvas, const GameAssets::Picture& picture)
{
	if (canvas.width() != picture.width || canvas.height() != picture.height)
	{
		std::fprintf(stderr, "assetgen: %s drawn %d x %d, listed %d x %d\n", picture.file.c_str(), canvas.width(),
			canvas.height(), picture.width, picture.height);
		return false;
	}
	return canvas.savePng(context, picture.file);
}

void fillRoundedRect(AssetCanvas& canvas, int x, int y, int w, int h, int radius, AssetColour colour)
{
	radius = std::max(0, std::min({radius, w / 2, h / 2}));
	canvas.fillRect(x + radius, y, w - 2 * radius, h, colour);
	canvas.fillRect(x, y + radius, radius, h - 2 * radius, colour);
	canvas.fillRect(x + w - radius, y + radius, radius, h - 2 * radius, colour);
	if (radius == 0)
		return;
	const double r = radius;
	canvas.fillEllipse(x + r, y + r, r, r, colour);
	canvas.fillEllipse(x + w - r, y + r, r, r, colour);
	canvas.fillEllipse(x + r, y + h - r, r, r, colour);
	canvas.fillEllipse(x + w - r, y + h - r, r, r, colour);
}

void drawPanel(AssetCanvas& canvas, int x, int y, int w, int h, int radius, int border, AssetColour borderColour,
	AssetColour top, AssetColour bottom)
{
	fillRoundedRect(canvas, x, y, w, h, radius, borderColour);
	// The gradient is laid row by row inside the inner rounded outline.
	AssetCanvas inner(w - 2 * border, h - 2 * border, AssetCanvas::Channels::rgba);
	fillRoundedRect(inner, 0, 0, inner.width(), inner.height(), std::max(0, radius - border), AssetColour(0xFFFFFF));
	for (int row = 0; row < inner.height(); row++)
	{
		const AssetColour shade = AssetColour::mix(top, bottom, inner.height() > 1 ? row / double(inner.height() - 1) : 0.0);
		for (int column = 0; column < inner.width(); column++)
			if (inner.getPixel(column, row).a != 0)
				inner.setPixel(column, row, shade);
	}
	canvas.drawCanvas(inner, x + border, y + border);
}

bool drawShadedText(AssetCanvas& canvas, const AssetContext& context, int pointSize, int centreX, int y,
	const std::string& text, AssetColour top, AssetColour bottom, AssetColour outline, int outlineWidth)
{
	const std::string font = context.fontPath(gameFont);
	int width = 0;
	int height = 0;
	if (!AssetCanvas::measureText(font, pointSize, text, width, height))
		return false;
	const int margin = outlineWidth + 1;
	AssetCanvas words(width + 2 * margin, height + 2 * margin, AssetCanvas::Channels::rgba);
	for (int dy = -outlineWidth; dy <= outlineWidth; dy++)
		for (int dx = -outlineWidth; dx <= outlineWidth; dx++)
			if (dx * dx + dy * dy <= outlineWidth * outlineWidth + 1)
				words.drawText(font, pointSize, margin + dx, margin + dy, text, outline);
	AssetCanvas fill(words.width(), words.height(), AssetCanvas::Channels::rgba);
	if (!fill.drawText(font, pointSize, margin, margin, text, AssetColour(0xFFFFFF)))
		return false;
	for (int row = 0; row < fill.height(); row++)
	{
		const AssetColour shade = AssetColour::mix(top, bottom, row / double(std::max(1, fill.height() - 1)));
		for (int column = 0; column < fill.width(); column++)
		{
			const int coverage = fill.getPixel(column, row).a;
			if (coverage > 0)
				words.plot(column, row, shade.withAlpha(coverage));
		}
	}
	canvas.drawCanvas(words, centreX - words.width() / 2, y - margin);
	return true;
}

bool drawGameText(AssetCanvas& canvas, const AssetContext& context, int pointSize, int x, int y,
	const std::string& text, AssetColour colour, AssetCanvas::TextAlign align)
{
	return canvas.drawText(context.fontPath(gameFont), pointSize, x, y, text, colour, align);
}
}
