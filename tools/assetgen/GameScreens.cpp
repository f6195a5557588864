// Game screens group: the menu's logo, items and buttons, the level titles, the pause, saved,
// winning and losing messages, and the information screen's two cards. Every word is drawn
// in the game's font so a player always knows where they are.

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "AssetContext.h"
#include "AssetRegistry.h"
#include "GameAssetList.h"
#include "GamePictureKit.h"

using GameAssets::Picture;
using GamePictureKit::canvasFor;
using GamePictureKit::drawGameText;
using GamePictureKit::drawPanel;
using GamePictureKit::drawShadedText;
using GamePictureKit::save;
using Point = AssetCanvas::Point;

namespace
{
const double pi = 3.14159265358979323846;
const AssetColour outlineColour(0x0A0A28);
const AssetColour paleText(0xE4ECFF);
const AssetColour keyText(0xFFD21E);

// The largest point size, up to the one asked for, at which the words fit the width.
int fittingSize(const AssetContext& context, const std::string& text, int maximumWidth, int pointSize)
{
	const std::string font = context.fontPath(GamePictureKit::gameFont);
	const int smallest = 8;
	for (; pointSize > smallest; pointSize--)
	{
		int width = 0;
		int height = 0;
		if (!AssetCanvas::measureText(font, pointSize, text, width, height) || width <= maximumWidth)
			break;
	}
	return pointSize;
}

void drawStar(AssetCanvas& canvas, double x, double y, double outer, double inner, int points, double turn,
	AssetColour colour)
{
	std::vector<Point> outline;
	for (int corner = 0; corner < 2 * points; corner++)
	{
		const double angle = turn - pi / 2.0 + corner * pi / points;
		const double reach = corner % 2 == 0 ? outer : inner;
		outline.emplace_back(x + reach * std::cos(angle), y + reach * std::sin(angle));
	}
	canvas.fillPolygon(outline, colour);
}

// Title words with a warm gradient, shrunk to fit the width when needed.
bool drawTitle(AssetCanvas& canvas, const AssetContext& context, const std::string& text, int pointSize, int y,
	AssetColour top, AssetColour bottom)
{
	const int size = fittingSize(context, text, canvas.width() - 40, pointSize);
	return drawShadedText(canvas, context, size, canvas.width() / 2, y, text, top, bottom, outlineColour, 3);
}

bool drawLine(AssetCanvas& canvas, const AssetContext& context, const std::string& text, int pointSize, int y,
	AssetColour colour)
{
	const int size = fittingSize(context, text, canvas.width() - 30, pointSize);
	return drawGameText(canvas, context, size, canvas.width() / 2, y, text, colour);
}

bool makeLogo(const AssetContext& context)
{
	const Picture& picture = GameAssets::menuLogo;
	AssetCanvas canvas = canvasFor(picture);
	// An orbit swept behind the name, broken where the words sit.
	canvas.strokeEllipse(400, 118, 380, 70, AssetColour(0xFF7A1A), 6.0);
	canvas.strokeEllipse(400, 118, 380, 70, AssetColour(0xFFD21E), 2.0);
	canvas.fillEllipse(60, 150, 26, 26, AssetColour(0x3C7DFF));
	canvas.fillEllipse(54, 143, 10, 8, AssetColour(0x9CC8FF));
	const std::vector<std::pair<Point, double>> sparkles = {
		{{120, 40}, 12}, {{700, 30}, 16}, {{760, 190}, 10}, {{200, 225}, 9}, {{620, 215}, 12}, {{30, 60}, 8}};
	for (const auto& sparkle : sparkles)
		drawStar(canvas, sparkle.first.first, sparkle.first.second, sparkle.second, sparkle.second / 4, 4, 0.0,
			AssetColour(0xFFF6C8));
	bool drawn = drawShadedText(canvas, context, fittingSize(context, "STARHOLLOW", 720, 120), 400, 38, "STARHOLLOW",
		AssetColour(0xFFF27A), AssetColour(0xFF5A1A), outlineColour, 5);
	drawn = drawShadedText(canvas, context, 30, 400, 190, "ARCADE SPACE SHOOTER", AssetColour(0xBFE0FF),
				AssetColour(0x6EA0FF), outlineColour, 2) && drawn;
	return drawn && save(context, canvas, picture);
}

// A menu item: a rounded bar with its words; lit, it turns gold with pointers either side.
bool makeMenuItem(const AssetContext& context, const Picture& picture, const std::string& words, bool lit)
{
	AssetCanvas canvas = canvasFor(picture);
	const int w = canvas.width();
	const int h = canvas.height();
	bool drawn = true;
	if (lit)
	{
		drawPanel(canvas, 4, 6, w - 8, h - 12, 22, 5, AssetColour(0xFFD21E), AssetColour(0x4A7AE0), AssetColour(0x1A3490));
		drawStar(canvas, 40, h / 2.0, 14, 6, 5, 0.0, AssetColour(0xFFD21E));
		drawStar(canvas, w - 40, h / 2.0, 14, 6, 5, 0.0, AssetColour(0xFFD21E));
		drawn = drawShadedText(canvas, context, 46, w / 2, 20, words, AssetColour(0xFFFFFF), AssetColour(0xFFD21E),
			outlineColour, 3);
	}
	else
	{
		drawPanel(canvas, 10, 10, w - 20, h - 20, 20, 3, AssetColour(0x4A6AAA), AssetColour(0x1C2C54), AssetColour(0x0C1428));
		drawn = drawShadedText(canvas, context, 42, w / 2, 24, words, paleText, AssetColour(0x9CB4E6), outlineColour, 2);
	}
	return drawn && save(context, canvas, picture);
}

enum class Arrow { none, left, right };

// A round corner button: a ringed disc, a symbol and one word underneath.
bool makeRoundButton(const AssetContext& context, const Picture& picture, AssetColour ring, AssetColour light,
	AssetColour dark, Arrow arrow, const std::string& word)
{
	AssetCanvas canvas = canvasFor(picture);
	const double centre = canvas.width() / 2.0;
	canvas.fillEllipse(centre, centre, 47, 47, ring);
	canvas.fillRadialGradient(centre - 8, centre - 10, 52, light, dark);
	// The gradient spills past the disc: cut everything outside the ring back to the key colour.
	for (int y = 0; y < canvas.height(); y++)
		for (int x = 0; x < canvas.width(); x++)
			if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) > 47)
				canvas.setPixel(x, y, AssetColour(GameAssets::keyColour));
	canvas.strokeEllipse(centre, centre, 44, 44, ring, 5);
	const AssetColour symbol(0xFFFFFF);
	if (arrow == Arrow::left)
		canvas.fillPolygon({{22, 38}, {46, 16}, {46, 28}, {76, 28}, {76, 48}, {46, 48}, {46, 60}}, symbol);
	else if (arrow == Arrow::right)
		canvas.fillPolygon({{78, 38}, {54, 16}, {54, 28}, {24, 28}, {24, 48}, {54, 48}, {54, 60}}, symbol);
	else
		drawStar(canvas, centre, 38, 24, 10, 5, 0.0, AssetColour(0xFFE24A));
	const bool drawn = drawShadedText(canvas, context, fittingSize(context, word, 64, 20), static_cast<int>(centre), 60,
		word, AssetColour(0xFFFFFF), AssetColour(0xFFE9A0), outlineColour, 2);
	return drawn && save(context, canvas, picture);
}

struct Message
{
	const Picture* picture;
	std::string title;
	std::vector<std::string> lines;
	AssetColour border;
	AssetColour titleTop;
	AssetColour titleBottom;
};

// A message card: a rounded panel with a big title and a few lines of help under it.
bool makeMessage(const AssetContext& context, const Message& message, int titleSize)
{
	AssetCanvas canvas = canvasFor(*message.picture);
	const int w = canvas.width();
	const int h = canvas.height();
	drawPanel(canvas, 0, 0, w, h, 24, 5, message.border, AssetColour(0x1A2450), AssetColour(0x0A0E24));
	const int lineHeight = 28;
	const int textBlock = titleSize + 18 + lineHeight * static_cast<int>(message.lines.size());
	int y = std::max(8, (h - textBlock) / 2 - 6);
	bool drawn = drawTitle(canvas, context, message.title, titleSize, y, message.titleTop, message.titleBottom);
	y += titleSize + 22;
	for (const std::string& line : message.lines)
	{
		drawn = drawLine(canvas, context, line, 22, y, paleText) && drawn;
		y += lineHeight;
	}
	return drawn && save(context, canvas, *message.picture);
}

// An end card: the message plus an emblem above it (a star for a win, a cracked disc for a loss).
bool makeEndCard(const AssetContext& context, const Message& message, bool won)
{
	AssetCanvas canvas = canvasFor(*message.picture);
	const int w = canvas.width();
	drawPanel(canvas, 0, 0, w, canvas.height(), 28, 6, message.border, AssetColour(0x1A2450), AssetColour(0x0A0E24));
	if (won)
	{
		drawStar(canvas, w / 2.0, 62, 46, 20, 5, 0.0, AssetColour(0xB07A10));
		drawStar(canvas, w / 2.0, 60, 42, 18, 5, 0.0, AssetColour(0xFFD21E));
		drawStar(canvas, w / 2.0, 60, 20, 9, 5, 0.0, AssetColour(0xFFF6C8));
	}
	else
	{
		canvas.fillEllipse(w / 2.0, 60, 40, 40, AssetColour(0x8C1A1A));
		canvas.fillEllipse(w / 2.0, 60, 34, 34, AssetColour(0xD83030));
		canvas.drawLine(w / 2.0 - 6, 22, w / 2.0 + 8, 50, AssetColour(0x1A0A0A), 5);
		canvas.drawLine(w / 2.0 + 8, 50, w / 2.0 - 10, 72, AssetColour(0x1A0A0A), 5);
		canvas.drawLine(w / 2.0 - 10, 72, w / 2.0 + 4, 98, AssetColour(0x1A0A0A), 5);
	}
	bool drawn = drawTitle(canvas, context, message.title, 72, 112, message.titleTop, message.titleBottom);
	int y = 206;
	for (const std::string& line : message.lines)
	{
		drawn = drawLine(canvas, context, line, 22, y, paleText) && drawn;
		y += 30;
	}
	return drawn && save(context, canvas, *message.picture);
}

bool makeLevelTitle(const AssetContext& context, const Picture& picture, const std::string& level,
	const std::string& place)
{
	return makeMessage(context,
		Message{&picture, level, {place}, AssetColour(0x6EA0FF), AssetColour(0xFFFFFF), AssetColour(0x6EE6FF)}, 64);
}

// The information cards: a title and rows of text; rows with a key show it gold on the left.
bool makeInfoCard(const AssetContext& context, const Picture& picture, const std::string& title,
	const std::vector<std::pair<std::string, std::string>>& rows, int rowHeight)
{
	AssetCanvas canvas = canvasFor(picture);
	const int w = canvas.width();
	drawPanel(canvas, 0, 0, w, canvas.height(), 20, 4, AssetColour(0x6EA0FF), AssetColour(0x1A2450), AssetColour(0x0A0E24));
	bool drawn = drawTitle(canvas, context, title, 40, 14, AssetColour(0xFFF27A), AssetColour(0xFF7A1A));
	int y = 68;
	const int rowSize = 17;
	const int keyColumn = 150;
	for (const auto& row : rows)
	{
		if (row.first.empty())
		{
			drawn = drawLine(canvas, context, row.second, rowSize, y, paleText) && drawn;
		}
		else
		{
			drawn = drawGameText(canvas, context, rowSize, keyColumn - 8, y, row.first, keyText,
						AssetCanvas::TextAlign::right) && drawn;
			drawn = drawGameText(canvas, context, rowSize, keyColumn + 8, y, row.second, paleText,
						AssetCanvas::TextAlign::left) && drawn;
		}
		y += rowHeight;
	}
	return drawn && save(context, canvas, picture);
}

bool buildScreens(const AssetContext& context)
{
	bool made = makeLogo(context);
	made = makeMenuItem(context, GameAssets::newGame, "New Game", false) && made;
	made = makeMenuItem(context, GameAssets::newGameSelected, "New Game", true) && made;
	made = makeMenuItem(context, GameAssets::loadGame, "Load Game", false) && made;
	made = makeMenuItem(context, GameAssets::loadGameSelected, "Load Game", true) && made;
	made = makeMenuItem(context, GameAssets::info, "Info", false) && made;
	made = makeMenuItem(context, GameAssets::infoSelected, "Info", true) && made;
	made = makeRoundButton(context, GameAssets::bonusGameButton, AssetColour(0xFFD21E), AssetColour(0xE05AD0),
			   AssetColour(0x5A1A78), Arrow::none, "BONUS") && made;
	made = makeRoundButton(context, GameAssets::backButton, AssetColour(0x9CC8FF), AssetColour(0x5A8CE6),
			   AssetColour(0x14286A), Arrow::left, "BACK") && made;
	made = makeRoundButton(context, GameAssets::forwardButton, AssetColour(0xA0FFA0), AssetColour(0x3CC850),
			   AssetColour(0x0E5A1E), Arrow::right, "START") && made;

	made = makeLevelTitle(context, GameAssets::level1Title, "Level 1", "Earth orbit") && made;
	made = makeLevelTitle(context, GameAssets::level2Title, "Level 2", "The rings of Saturn") && made;
	made = makeLevelTitle(context, GameAssets::level3Title, "Level 3", "Beyond Uranus") && made;
	made = makeMessage(context, Message{&GameAssets::pauseMessage, "Paused", {"P resume   S save   Q quit"},
						   AssetColour(0xFFD21E), AssetColour(0xFFFFFF), AssetColour(0xFFD21E)}, 64) && made;
	made = makeMessage(context, Message{&GameAssets::savedMessage, "Game Saved", {"P to play on"},
						   AssetColour(0x50E070), AssetColour(0xE0FFE0), AssetColour(0x50E070)}, 56) && made;
	made = makeEndCard(context, Message{&GameAssets::winning, "You Win", {"All three levels cleared!", "Press Q for the menu"},
						   AssetColour(0xFFD21E), AssetColour(0xFFF27A), AssetColour(0xFF9A2E)}, true) && made;
	made = makeEndCard(context, Message{&GameAssets::losing, "Game Over", {"No lives left", "Press Q for the menu"},
						   AssetColour(0xE03C3C), AssetColour(0xFFB0B0), AssetColour(0xE03C3C)}, false) && made;

	made = makeInfoCard(context, GameAssets::details, "STARHOLLOW",
			   {{"", "Aliens dive at the colony in three"}, {"", "waves. Shoot them before they land:"},
				   {"", "each one that escapes costs a life"}, {"", "and 5 points. Keep a life to win."}},
			   28) && made;
	made = makeInfoCard(context, GameAssets::controls, "Controls",
			   {{"Left Right", "move the ship"}, {"Space", "fire"}, {"P", "pause and resume"},
				   {"S", "save while paused"}, {"Q", "quit while paused"}, {"Q", "menu after the game"},
				   {"Arrows", "steer in the bonus game"}, {"Wheel", "zoom this page"}},
			   28) && made;
	return made;
}

AssetGroupRegistration registration("game-screens", AssetOrder::pictures, buildScreens);
}
