#pragma once
// Shared drawing steps of the game's pictures: canvases of the listed size on the see-through
// key colour, rounded panels and buttons, shaded words in the game's font, and saving.

#include <string>

#include "AssetCanvas.h"
#include "GameAssetList.h"

class AssetContext;

namespace GamePictureKit
{
extern const char* const gameFont;

// A canvas of the picture's size, filled with the key colour (black space for the others).
AssetCanvas canvasFor(const GameAssets::Picture& picture);
// Saves under the picture's name; false (reported) when the canvas does not have its size.
bool save(const AssetContext& context, const AssetCanvas& canvas, const GameAssets::Picture& picture);

void fillRoundedRect(AssetCanvas& canvas, int x, int y, int w, int h, int radius, AssetColour colour);
// A rounded panel: a border of the given thickness around a vertical gradient.
void drawPanel(AssetCanvas& canvas, int x, int y, int w, int h, int radius, int border, AssetColour borderColour,
	AssetColour top, AssetColour bottom);

// Words centred on x with a dark outline and a top-to-bottom colour gradient, so they read
// over any background. Returns false when the font could not be used (reported).
bool drawShadedText(AssetCanvas& canvas, const AssetContext& context, int pointSize, int centreX, int y,
	const std::string& text, AssetColour top, AssetColour bottom, AssetColour outline, int outlineWidth);
// Plain words in the game font; x is the left edge, the centre or the right edge.
bool drawGameText(AssetCanvas& canvas, const AssetContext& context, int pointSize, int x, int y,
	const std::string& text, AssetColour colour, AssetCanvas::TextAlign align = AssetCanvas::TextAlign::centre);
}
