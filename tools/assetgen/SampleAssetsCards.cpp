// Pictures of the jigsaw and card table samples: a mountain landscape photograph-like
// picture to cut into pieces, a sheet with the faces of a pack of cards, and a card back.
// The card pictures surround every face with a key colour that the card table makes
// transparent (it reads the colour from the top-left pixel).

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "AssetCanvas.h"
#include "AssetContext.h"
#include "AssetRegistry.h"
#include "GamePictureKit.h"

namespace
{
const char* const mountainPicture = "images/mountain-4635428_480.jpg";
const char* const cardSheetPicture = "images/cards.png";
const char* const cardBackPicture = "images/cardback.png";
const char* const cardFont = "Cornerstone Regular.ttf";

const int mountainWidth = 480;
const int mountainHeight = 320;

// The sheet: one row per suit (hearts, diamonds, clubs, spades), one column per rank; cell
// (column, row) is the face rectangle at (column * 147 + 5, row * 216 + 44).
const int ranks = 13;
const int suits = 4;
const int faceWidth = 147;
const int faceHeight = 216;
const int sheetLeft = 5;
const int sheetTop = 44;
const int sheetWidth = sheetLeft + ranks * faceWidth + sheetLeft;
const int sheetHeight = sheetTop + suits * faceHeight + 4;
const int backWidth = 148;
const int backHeight = 216;

// Never used inside a face, so only the space around the faces turns transparent.
const AssetColour keyColour(0xFF00FF);
const AssetColour faceColour(0xFBFBF5);
const AssetColour faceEdge(0x303030);
const AssetColour redSuit(0xC8102E);
const AssetColour blackSuit(0x151515);
const int cornerRadius = 10;

// ---------------------------------------------------------------- mountain

using Ridge = std::vector<double>;

// A ridge line across the picture: a sum of waves plus small random steps (rock detail).
Ridge makeRidge(double base, double amplitude, double roughness, std::uint32_t seed)
{
	std::mt19937 random(seed);
	std::uniform_real_distribution<double> step(-roughness, roughness);
	std::uniform_real_distribution<double> phase(0.0, 6.28);
	const double p1 = phase(random), p2 = phase(random), p3 = phase(random);
	Ridge ridge(mountainWidth);
	double jitter = 0.0;
	for (int x = 0; x < mountainWidth; ++x)
	{
		jitter = jitter * 0.8 + step(random);
		const double t = x / double(mountainWidth);
		ridge[x] = base - amplitude * (0.55 * std::sin(t * 5.1 + p1) + 0.3 * std::sin(t * 11.7 + p2) +
			0.15 * std::sin(t * 23.3 + p3)) + jitter;
	}
	return ridge;
}

// Fills below the ridge with a colour that darkens downward; snow above snowLine.
void fillRange(AssetCanvas& canvas, const Ridge& ridge, AssetColour top, AssetColour bottom, double snowLine,
	std::uint32_t seed)
{
	std::mt19937 random(seed);
	std::uniform_int_distribution<int> speckle(-18, 18);
	for (int x = 0; x < mountainWidth; ++x)
	{
		const int start = std::max(0, static_cast<int>(ridge[x]));
		// Light falls from the left: slopes rising to the right are lit, the others shaded,
		// judged over a few columns so that rock detail does not stripe the faces.
		const int reach = 6;
		const double slope = ridge[std::min(x + reach, mountainWidth - 1)] - ridge[std::max(x - reach, 0)];
		const double light = 0.97 - std::max(-0.15, std::min(0.15, slope * 0.02));
		for (int y = start; y < mountainHeight; ++y)
		{
			const double t = (y - start) / double(mountainHeight - start + 1);
			AssetColour colour = AssetColour::mix(top, bottom, t).scaled(light);
			if (y < snowLine + speckle(random) * 0.6 && y - start < 40)
				colour = AssetColour(0xF2F4F8).scaled(slope < 0 ? 1.0 : 0.84);
			const int d = speckle(random);
			canvas.setPixel(x, y, AssetColour::fromBytes(colour.r + d, colour.g + d, colour.b + d));
		}
	}
}

void drawTrees(AssetCanvas& canvas, int count, int baseY, int spreadY, std::uint32_t seed)
{
	std::mt19937 random(seed);
	std::uniform_int_distribution<int> xs(0, mountainWidth - 1);
	std::uniform_int_distribution<int> ys(0, spreadY);
	std::uniform_int_distribution<int> heights(10, 24);
	std::uniform_int_distribution<int> shades(0, 40);
	for (int i = 0; i < count; ++i)
	{
		const double x = xs(random);
		const int y = baseY + ys(random);
		const int h = heights(random);
		const AssetColour green = AssetColour::fromBytes(20 + shades(random), 60 + shades(random), 30 + shades(random));
		canvas.fillPolygon({{x, y - h}, {x - h * 0.32, y}, {x + h * 0.32, y}}, green);
		canvas.fillRect(static_cast<int>(x) - 1, y, 2, 3, AssetColour(0x3A2A1A));
	}
}

bool makeMountain(const AssetContext& context)
{
	AssetCanvas canvas(mountainWidth, mountainHeight);
	canvas.fillVerticalGradient(0, 0, mountainWidth, 150, AssetColour(0x3B6FB6), AssetColour(0xBFD8EE));
	canvas.fillVerticalGradient(0, 150, mountainWidth, 170, AssetColour(0xBFD8EE), AssetColour(0xE8EEF2));
	canvas.fillEllipse(395, 48, 20, 20, AssetColour(0xFFF6D0));
	// Clouds: clusters of soft white ovals.
	std::mt19937 random(AssetContext::seedFor("mountain-clouds"));
	std::uniform_real_distribution<double> cloudX(0, mountainWidth), cloudY(20, 90), radius(6, 16);
	for (int cloud = 0; cloud < 5; ++cloud)
	{
		const double cx = cloudX(random), cy = cloudY(random);
		for (int puff = 0; puff < 7; ++puff)
			canvas.fillEllipse(cx + puff * 9 - 27, cy + std::sin(puff * 1.7) * 4, radius(random) * 1.4, radius(random) * 0.7,
				AssetColour(0xF4F7FA, 200));
	}
	fillRange(canvas, makeRidge(120, 55, 2.5, AssetContext::seedFor("far-range")), AssetColour(0x7C8AA6),
		AssetColour(0x56627E), 112, AssetContext::seedFor("far-snow"));
	fillRange(canvas, makeRidge(175, 40, 2.0, AssetContext::seedFor("near-range")), AssetColour(0x6B6456),
		AssetColour(0x3E4A32), 150, AssetContext::seedFor("near-snow"));
	// Meadow and lake in the valley.
	canvas.fillVerticalGradient(0, 250, mountainWidth, 70, AssetColour(0x5E8A3A), AssetColour(0x34561E));
	canvas.fillEllipse(250, 285, 150, 22, AssetColour(0x4C7FAF));
	canvas.fillEllipse(230, 282, 90, 10, AssetColour(0x7FA9CF));
	drawTrees(canvas, 140, 238, 70, AssetContext::seedFor("mountain-trees"));
	canvas.addNoise(0, 0, mountainWidth, mountainHeight, 6, AssetContext::seedFor("mountain-grain"));
	return canvas.saveJpg(context, mountainPicture, 92);
}

// ---------------------------------------------------------------- cards

AssetColour suitColour(int suit)
{
	return suit < 2 ? redSuit : blackSuit;
}

// A suit sign centred on (cx, cy), size s (its height).
void drawSuitSign(AssetCanvas& canvas, int suit, double cx, double cy, double s)
{
	const AssetColour colour = suitColour(suit);
	const double r = s * 0.27;
	switch (suit)
	{
	case 0: // heart
		canvas.fillEllipse(cx - r, cy - s * 0.18, r, r, colour);
		canvas.fillEllipse(cx + r, cy - s * 0.18, r, r, colour);
		canvas.fillPolygon({{cx - 2 * r, cy - s * 0.12}, {cx + 2 * r, cy - s * 0.12}, {cx, cy + s * 0.5}}, colour);
		break;
	case 1: // diamond
		canvas.fillPolygon({{cx, cy - s * 0.5}, {cx + s * 0.36, cy}, {cx, cy + s * 0.5}, {cx - s * 0.36, cy}}, colour);
		break;
	case 2: // club
		canvas.fillEllipse(cx, cy - s * 0.25, r, r, colour);
		canvas.fillEllipse(cx - r * 1.1, cy + s * 0.05, r, r, colour);
		canvas.fillEllipse(cx + r * 1.1, cy + s * 0.05, r, r, colour);
		canvas.fillPolygon({{cx - s * 0.05, cy}, {cx + s * 0.05, cy}, {cx + s * 0.18, cy + s * 0.5}, {cx - s * 0.18, cy + s * 0.5}},
			colour);
		break;
	default: // spade
		canvas.fillEllipse(cx - r, cy + s * 0.1, r, r, colour);
		canvas.fillEllipse(cx + r, cy + s * 0.1, r, r, colour);
		canvas.fillPolygon({{cx - 2 * r, cy + s * 0.05}, {cx + 2 * r, cy + s * 0.05}, {cx, cy - s * 0.5}}, colour);
		canvas.fillPolygon({{cx - s * 0.05, cy + s * 0.1}, {cx + s * 0.05, cy + s * 0.1}, {cx + s * 0.18, cy + s * 0.5},
			{cx - s * 0.18, cy + s * 0.5}}, colour);
		break;
	}
}

std::string rankName(int rank)
{
	static const char* const names[ranks] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
	return names[rank];
}

// Pip places for ranks 2 to 10 as fractions of the face's inner area (columns, rows).
std::vector<std::pair<double, double>> pipPlaces(int count)
{
	const double l = 0.3, c = 0.5, r = 0.7;
	switch (count)
	{
	case 2: return {{c, 0.2}, {c, 0.8}};
	case 3: return {{c, 0.2}, {c, 0.5}, {c, 0.8}};
	case 4: return {{l, 0.2}, {r, 0.2}, {l, 0.8}, {r, 0.8}};
	case 5: return {{l, 0.2}, {r, 0.2}, {c, 0.5}, {l, 0.8}, {r, 0.8}};
	case 6: return {{l, 0.2}, {r, 0.2}, {l, 0.5}, {r, 0.5}, {l, 0.8}, {r, 0.8}};
	case 7: return {{l, 0.2}, {r, 0.2}, {c, 0.35}, {l, 0.5}, {r, 0.5}, {l, 0.8}, {r, 0.8}};
	case 8: return {{l, 0.2}, {r, 0.2}, {c, 0.35}, {l, 0.5}, {r, 0.5}, {c, 0.65}, {l, 0.8}, {r, 0.8}};
	case 9: return {{l, 0.2}, {r, 0.2}, {l, 0.4}, {r, 0.4}, {c, 0.5}, {l, 0.6}, {r, 0.6}, {l, 0.8}, {r, 0.8}};
	default: return {{l, 0.2}, {r, 0.2}, {c, 0.3}, {l, 0.4}, {r, 0.4}, {l, 0.6}, {r, 0.6}, {c, 0.7}, {l, 0.8}, {r, 0.8}};
	}
}

void drawCourtFigure(AssetCanvas& canvas, const AssetContext& context, int x, int y, int suit, const std::string& rank)
{
	const AssetColour colour = suitColour(suit);
	canvas.strokeRect(x + 30, y + 40, faceWidth - 60, faceHeight - 80, colour, 2);
	canvas.fillRect(x + 34, y + 44, faceWidth - 68, faceHeight - 88, AssetColour(0xF3E3B0));
	canvas.drawText(context.fontPath(cardFont), 48, x + faceWidth / 2, y + 70, rank, colour, AssetCanvas::TextAlign::centre);
	drawSuitSign(canvas, suit, x + faceWidth / 2.0, y + 150, 34);
}

bool drawFace(AssetCanvas& canvas, const AssetContext& context, int rank, int suit)
{
	const int x = sheetLeft + rank * faceWidth;
	const int y = sheetTop + suit * faceHeight;
	GamePictureKit::fillRoundedRect(canvas, x, y, faceWidth, faceHeight, cornerRadius, faceEdge);
	GamePictureKit::fillRoundedRect(canvas, x + 2, y + 2, faceWidth - 4, faceHeight - 4, cornerRadius - 2, faceColour);
	const AssetColour colour = suitColour(suit);
	const std::string name = rankName(rank);
	bool made = canvas.drawText(context.fontPath(cardFont), 20, x + 8, y + 6, name, colour);
	drawSuitSign(canvas, suit, x + 8 + 7, y + 40, 14);
	made = canvas.drawText(context.fontPath(cardFont), 20, x + faceWidth - 8, y + faceHeight - 32, name, colour,
		AssetCanvas::TextAlign::right) && made;
	drawSuitSign(canvas, suit, x + faceWidth - 15, y + faceHeight - 44, 14);
	if (rank == 0)
		drawSuitSign(canvas, suit, x + faceWidth / 2.0, y + faceHeight / 2.0, 70);
	else if (rank >= 10)
		drawCourtFigure(canvas, context, x, y, suit, name);
	else
		for (const auto& place : pipPlaces(rank + 1))
			drawSuitSign(canvas, suit, x + 22 + place.first * (faceWidth - 44), y + 20 + place.second * (faceHeight - 40), 26);
	return made;
}

bool makeCardSheet(const AssetContext& context)
{
	AssetCanvas canvas(sheetWidth, sheetHeight);
	canvas.clear(keyColour);
	bool made = true;
	for (int suit = 0; suit < suits; ++suit)
		for (int rank = 0; rank < ranks; ++rank)
			made = drawFace(canvas, context, rank, suit) && made;
	return canvas.savePng(context, cardSheetPicture) && made;
}

bool makeCardBack(const AssetContext& context)
{
	const int frame = 6;
	const int latticeInset = 10;
	const int latticeStep = 12;
	const AssetColour frameColour(0xF0F0F0);
	const AssetColour ground(0x1E3F8C);
	const AssetColour lattice(0x3D64B8);
	AssetCanvas canvas(backWidth, backHeight);
	canvas.clear(keyColour);
	GamePictureKit::fillRoundedRect(canvas, 0, 0, backWidth, backHeight, cornerRadius, frameColour);
	GamePictureKit::fillRoundedRect(canvas, frame, frame, backWidth - 2 * frame, backHeight - 2 * frame,
		cornerRadius - 4, ground);
	// A lattice of diagonals inside the frame, and a medallion in the middle.
	for (int y = latticeInset; y < backHeight - latticeInset; ++y)
		for (int x = latticeInset; x < backWidth - latticeInset; ++x)
			if ((x + y) % latticeStep == 0 || (x - y + backHeight) % latticeStep == 0)
				canvas.setPixel(x, y, lattice);
	canvas.fillEllipse(backWidth / 2.0, backHeight / 2.0, 30, 30, frameColour);
	canvas.fillEllipse(backWidth / 2.0, backHeight / 2.0, 26, 26, AssetColour(0xB3202A));
	return canvas.savePng(context, cardBackPicture);
}

bool buildSampleCardPictures(const AssetContext& context)
{
	bool made = makeMountain(context);
	made = makeCardSheet(context) && made;
	made = makeCardBack(context) && made;
	return made;
}

AssetGroupRegistration registration("sample-cards-jigsaw", AssetOrder::pictures, buildSampleCardPictures);
} // namespace
