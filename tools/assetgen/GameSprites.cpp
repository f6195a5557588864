// Game sprites group: the player's ships (three colours, their selected and life-icon forms,
// the bonus ship), the aliens of the levels and of the bonus game, the explosion frames and
// the turning asteroids. Every figure stands on the black key colour and uses no pure black.

#include <cmath>
#include <random>
#include <vector>

#include "AssetContext.h"
#include "AssetRegistry.h"
#include "GameAssetList.h"
#include "GamePictureKit.h"

using GameAssets::Picture;
using GamePictureKit::canvasFor;
using GamePictureKit::save;
using Point = AssetCanvas::Point;

namespace
{
const double pi = 3.14159265358979323846;
// Dark details (pupils, outlines) use this instead of black, which would be see-through.
const AssetColour nearBlack(0x141414);
const AssetColour white(0xF4F4F4);

struct ShipColours
{
	AssetColour hull;
	AssetColour shade;
	AssetColour accent;
};

const ShipColours plainShip = {AssetColour(0xC8CCD4), AssetColour(0x767C88), AssetColour(0xD83030)};
const ShipColours blueShip = {AssetColour(0x3C7DFF), AssetColour(0x1C3C9C), AssetColour(0xBFE0FF)};
const ShipColours purpleShip = {AssetColour(0xA650E6), AssetColour(0x5A2488), AssetColour(0xF4C4FF)};
const ShipColours bonusShip = {AssetColour(0xFF9A2E), AssetColour(0xA04E08), AssetColour(0xFFF08A)};

// Maps the ship's drawing grid (106 units square) onto a canvas area of any size.
struct Frame
{
	double left;
	double top;
	double scale;
	double x(double unit) const { return left + unit * scale; }
	double y(double unit) const { return top + unit * scale; }
	double size(double units) const { return units * scale; }
	std::vector<Point> points(const std::vector<Point>& units) const
	{
		std::vector<Point> placed;
		for (const Point& unit : units)
			placed.emplace_back(x(unit.first), y(unit.second));
		return placed;
	}
};

const double shipGrid = 106.0;

// A fighter seen from above, nose up, on a 106-unit grid.
void drawFighter(AssetCanvas& canvas, const Frame& frame, const ShipColours& colours)
{
	// Engine flames first, so the hull covers their roots.
	canvas.fillEllipse(frame.x(42), frame.y(95), frame.size(5), frame.size(9), AssetColour(0xFF7A1A));
	canvas.fillEllipse(frame.x(64), frame.y(95), frame.size(5), frame.size(9), AssetColour(0xFF7A1A));
	canvas.fillEllipse(frame.x(42), frame.y(92), frame.size(3), frame.size(5), AssetColour(0xFFE070));
	canvas.fillEllipse(frame.x(64), frame.y(92), frame.size(3), frame.size(5), AssetColour(0xFFE070));
	// Wings: a shaded underside, then the lit top.
	canvas.fillPolygon(frame.points({{53, 30}, {102, 78}, {102, 92}, {64, 86}, {42, 86}, {4, 92}, {4, 78}}), colours.shade);
	canvas.fillPolygon(frame.points({{53, 34}, {98, 78}, {98, 86}, {64, 80}, {42, 80}, {8, 86}, {8, 78}}), colours.hull);
	// Wing-tip cannons and accent stripes.
	canvas.fillRect(static_cast<int>(frame.x(4)), static_cast<int>(frame.y(56)), static_cast<int>(std::ceil(frame.size(5))),
		static_cast<int>(std::ceil(frame.size(32))), colours.shade);
	canvas.fillRect(static_cast<int>(frame.x(97)), static_cast<int>(frame.y(56)), static_cast<int>(std::ceil(frame.size(5))),
		static_cast<int>(std::ceil(frame.size(32))), colours.shade);
	canvas.drawLine(frame.x(20), frame.y(78), frame.x(44), frame.y(56), colours.accent, frame.size(4));
	canvas.drawLine(frame.x(86), frame.y(78), frame.x(62), frame.y(56), colours.accent, frame.size(4));
	// Fuselage with its shaded right side.
	canvas.fillPolygon(frame.points({{53, 3}, {66, 30}, {68, 90}, {38, 90}, {40, 30}}), colours.shade);
	canvas.fillPolygon(frame.points({{53, 6}, {62, 30}, {62, 86}, {42, 86}, {44, 30}}), colours.hull);
	canvas.fillRect(static_cast<int>(frame.x(44)), static_cast<int>(frame.y(64)), static_cast<int>(std::ceil(frame.size(18))),
		static_cast<int>(std::ceil(frame.size(5))), colours.accent);
	// Cockpit with a glint.
	canvas.fillEllipse(frame.x(53), frame.y(38), frame.size(6), frame.size(12), AssetColour(0x1E5A78));
	canvas.fillEllipse(frame.x(53), frame.y(37), frame.size(4.5), frame.size(10), AssetColour(0x6EE6FF));
	canvas.fillEllipse(frame.x(51), frame.y(33), frame.size(1.6), frame.size(3.5), white);
}

// The bonus ship: a swept delta with twin fins, a different outline from the level ships.
void drawDelta(AssetCanvas& canvas, const Frame& frame, const ShipColours& colours)
{
	canvas.fillEllipse(frame.x(53), frame.y(84), frame.size(8), frame.size(14), AssetColour(0xFF5A1A));
	canvas.fillEllipse(frame.x(53), frame.y(82), frame.size(4), frame.size(9), AssetColour(0xFFE070));
	canvas.fillPolygon(frame.points({{53, 2}, {104, 90}, {53, 76}, {2, 90}}), colours.shade);
	canvas.fillPolygon(frame.points({{53, 10}, {96, 86}, {53, 72}, {10, 86}}), colours.hull);
	canvas.fillPolygon(frame.points({{30, 60}, {36, 94}, {42, 70}}), colours.accent);
	canvas.fillPolygon(frame.points({{76, 60}, {70, 94}, {64, 70}}), colours.accent);
	canvas.drawLine(frame.x(53), frame.y(16), frame.x(53), frame.y(70), colours.shade, frame.size(3));
	canvas.fillEllipse(frame.x(53), frame.y(46), frame.size(7), frame.size(12), AssetColour(0x1E5A78));
	canvas.fillEllipse(frame.x(53), frame.y(45), frame.size(5), frame.size(10), AssetColour(0x9CF0FF));
	canvas.fillEllipse(frame.x(51), frame.y(41), frame.size(1.8), frame.size(3.5), white);
}

Frame wholeCanvas(const AssetCanvas& canvas)
{
	return Frame{0.0, 0.0, canvas.width() / shipGrid};
}

bool makeShip(const AssetContext& context, const Picture& picture, const ShipColours& colours)
{
	AssetCanvas canvas = canvasFor(picture);
	drawFighter(canvas, wholeCanvas(canvas), colours);
	return save(context, canvas, picture);
}

// The chosen ship: a golden glow and a rounded frame, the ship drawn a little smaller inside.
bool makeSelectedShip(const AssetContext& context, const Picture& picture, const ShipColours& colours)
{
	AssetCanvas canvas = canvasFor(picture);
	const int size = canvas.width();
	GamePictureKit::fillRoundedRect(canvas, 0, 0, size, size, 14, AssetColour(0xFFD21E));
	GamePictureKit::fillRoundedRect(canvas, 4, 4, size - 8, size - 8, 10, AssetColour(0x2A2208));
	canvas.fillRadialGradient(size / 2.0, size / 2.0, size / 2.0 - 6, AssetColour(0x6A5410), AssetColour(0x2A2208));
	const double inset = 8.0;
	drawFighter(canvas, Frame{inset, inset, (size - 2 * inset) / shipGrid}, colours);
	return save(context, canvas, picture);
}

bool makeBonusShip(const AssetContext& context)
{
	AssetCanvas canvas = canvasFor(GameAssets::shipBonus);
	drawDelta(canvas, wholeCanvas(canvas), bonusShip);
	return save(context, canvas, GameAssets::shipBonus);
}

void drawEyes(AssetCanvas& canvas, double leftX, double rightX, double y, double radius, AssetColour pupil)
{
	for (double x : {leftX, rightX})
	{
		canvas.fillEllipse(x, y, radius, radius, white);
		canvas.fillEllipse(x + radius * 0.25, y + radius * 0.2, radius * 0.5, radius * 0.5, pupil);
	}
}

// A green squid: domed head, antennae and wavy tentacles.
bool makeAlien1(const AssetContext& context)
{
	AssetCanvas canvas = canvasFor(GameAssets::alien1);
	const AssetColour body(0x3CDC50);
	const AssetColour shade(0x1E8C2C);
	canvas.drawLine(22, 10, 14, 2, shade, 2.0);
	canvas.drawLine(38, 10, 46, 2, shade, 2.0);
	canvas.fillEllipse(14, 3, 2.5, 2.5, AssetColour(0xFFF060));
	canvas.fillEllipse(46, 3, 2.5, 2.5, AssetColour(0xFFF060));
	for (int leg = 0; leg < 5; leg++)
	{
		const double x = 14 + leg * 8;
		const double sway = leg % 2 == 0 ? 3.0 : -3.0;
		canvas.drawLine(x, 22, x + sway, 30, shade, 3.5);
		canvas.drawLine(x + sway, 30, x, 38, shade, 3.0);
	}
	canvas.fillEllipse(30, 17, 20, 12, shade);
	canvas.fillEllipse(30, 16, 18, 10.5, body);
	canvas.fillEllipse(24, 11, 5, 2.5, AssetColour(0x9CFFA8));
	drawEyes(canvas, 23, 37, 17, 4.5, nearBlack);
	return save(context, canvas, GameAssets::alien1);
}

// A red crab: round shell, raised pincers, stalk eyes and legs.
bool makeAlien2(const AssetContext& context)
{
	AssetCanvas canvas = canvasFor(GameAssets::alien2);
	const AssetColour body(0xE83C3C);
	const AssetColour shade(0x8C1A1A);
	const AssetColour key(GameAssets::keyColour);
	for (int leg = 0; leg < 3; leg++)
	{
		canvas.drawLine(22 - leg * 4, 26, 12 - leg * 4, 37, shade, 2.5);
		canvas.drawLine(38 + leg * 4, 26, 48 + leg * 4, 37, shade, 2.5);
	}
	canvas.drawLine(18, 22, 8, 14, shade, 3.0);
	canvas.drawLine(42, 22, 52, 14, shade, 3.0);
	for (double x : {7.0, 53.0})
	{
		canvas.fillEllipse(x, 9, 7, 7, body);
		// The open claw: a notch cut back to the key colour.
		canvas.fillPolygon({{x - 2, 0}, {x + 2, 0}, {x, 9}}, key);
	}
	canvas.fillEllipse(30, 23, 17, 11, shade);
	canvas.fillEllipse(30, 22, 15.5, 9.5, body);
	canvas.fillEllipse(25, 18, 5, 2.5, AssetColour(0xFF9C9C));
	canvas.drawLine(25, 15, 23, 6, shade, 2.0);
	canvas.drawLine(35, 15, 37, 6, shade, 2.0);
	canvas.fillEllipse(23, 6, 3.5, 3.5, AssetColour(0xFFF060));
	canvas.fillEllipse(37, 6, 3.5, 3.5, AssetColour(0xFFF060));
	canvas.fillEllipse(23.5, 6.5, 1.5, 1.5, nearBlack);
	canvas.fillEllipse(37.5, 6.5, 1.5, 1.5, nearBlack);
	canvas.drawLine(24, 27, 36, 27, nearBlack, 2.0);
	return save(context, canvas, GameAssets::alien2);
}

// The mothership: a magenta saucer under a glass dome, with rim lights.
bool makeAlien3(const AssetContext& context)
{
	AssetCanvas canvas = canvasFor(GameAssets::alien3);
	canvas.fillEllipse(26, 40, 14, 8, AssetColour(0x6A2A80));
	canvas.fillEllipse(26, 20, 13, 13, AssetColour(0x3A6E8C));
	canvas.fillEllipse(26, 19, 11, 11, AssetColour(0x8EE8FF));
	canvas.fillEllipse(22, 14, 3.5, 4.5, white);
	drawEyes(canvas, 22, 31, 21, 3.0, AssetColour(0xC01818));
	canvas.fillEllipse(26, 33, 25, 9, AssetColour(0x8C2478));
	canvas.fillEllipse(26, 31.5, 24, 7.5, AssetColour(0xE048C8));
	for (int light = 0; light < 6; light++)
		canvas.fillEllipse(8 + light * 7.2, 33, 2.2, 2.2, AssetColour(0xFFF060));
	canvas.fillRect(18, 42, 3, 6, AssetColour(0xB04098));
	canvas.fillRect(31, 42, 3, 6, AssetColour(0xB04098));
	return save(context, canvas, GameAssets::alien3);
}

// A cyan spiked eye that hunts the bonus ship.
bool makeAlienBonus1(const AssetContext& context)
{
	AssetCanvas canvas = canvasFor(GameAssets::alienBonus1);
	const AssetColour body(0x30E0E0);
	const AssetColour shade(0x167C84);
	const double cx = 30;
	const double cy = 20;
	for (int spike = 0; spike < 10; spike++)
	{
		const double angle = spike * 2.0 * pi / 10.0;
		const double side = 0.28;
		canvas.fillPolygon({{cx + 12 * std::cos(angle - side), cy + 12 * std::sin(angle - side)},
							   {cx + 19.5 * std::cos(angle), cy + 19.5 * std::sin(angle)},
							   {cx + 12 * std::cos(angle + side), cy + 12 * std::sin(angle + side)}},
			shade);
	}
	canvas.fillEllipse(cx, cy, 14, 14, shade);
	canvas.fillEllipse(cx, cy, 12.5, 12.5, body);
	canvas.fillEllipse(cx, cy, 8, 8, white);
	canvas.fillEllipse(cx, cy + 1, 4.5, 4.5, AssetColour(0xD01C1C));
	canvas.fillEllipse(cx, cy + 1, 2, 2, nearBlack);
	return save(context, canvas, GameAssets::alienBonus1);
}

// An orange bat with spread wings: the fast hunter.
bool makeAlienBonus2(const AssetContext& context)
{
	AssetCanvas canvas = canvasFor(GameAssets::alienBonus2);
	const AssetColour body(0xFF8C1A);
	const AssetColour shade(0x9C4A08);
	canvas.fillPolygon({{30, 14}, {2, 4}, {8, 16}, {2, 24}, {12, 26}, {14, 36}, {30, 26}}, shade);
	canvas.fillPolygon({{30, 14}, {58, 4}, {52, 16}, {58, 24}, {48, 26}, {46, 36}, {30, 26}}, shade);
	canvas.fillPolygon({{28, 16}, {6, 8}, {11, 17}, {6, 22}, {14, 24}, {16, 32}, {28, 24}}, body);
	canvas.fillPolygon({{32, 16}, {54, 8}, {49, 17}, {54, 22}, {46, 24}, {44, 32}, {32, 24}}, body);
	canvas.fillEllipse(30, 21, 8, 11, shade);
	canvas.fillEllipse(30, 20, 6.5, 9.5, AssetColour(0xFFB050));
	canvas.fillPolygon({{24, 12}, {25, 4}, {28, 11}}, shade);
	canvas.fillPolygon({{36, 12}, {35, 4}, {32, 11}}, shade);
	canvas.fillEllipse(27, 17, 2, 2, AssetColour(0xE01010));
	canvas.fillEllipse(33, 17, 2, 2, AssetColour(0xE01010));
	return save(context, canvas, GameAssets::alienBonus2);
}

// A yellow ghost with a wavy hem: the sweepers.
bool makeAlienBonus3(const AssetContext& context)
{
	AssetCanvas canvas = canvasFor(GameAssets::alienBonus3);
	const AssetColour body(0xF0E040);
	const AssetColour shade(0x9C8C14);
	std::vector<Point> outline = {{12, 38}, {12, 16}};
	for (int step = 0; step <= 12; step++)
	{
		const double angle = pi + step * pi / 12.0;
		outline.emplace_back(30 + 18 * std::cos(angle), 16 + 14 * std::sin(angle));
	}
	outline.insert(outline.end(), {{48, 38}, {42, 32}, {36, 38}, {30, 32}, {24, 38}, {18, 32}});
	canvas.fillPolygon(outline, shade);
	for (Point& point : outline)
		point = {30 + (point.first - 30) * 0.9, 18 + (point.second - 18) * 0.9};
	canvas.fillPolygon(outline, body);
	canvas.fillEllipse(24, 16, 4.5, 5.5, nearBlack);
	canvas.fillEllipse(36, 16, 4.5, 5.5, nearBlack);
	canvas.fillEllipse(25, 15, 1.5, 1.5, white);
	canvas.fillEllipse(37, 15, 1.5, 1.5, white);
	canvas.fillEllipse(30, 25, 4, 2, AssetColour(0xC04010));
	return save(context, canvas, GameAssets::alienBonus3);
}

// Twelve frames: a fireball swells over the first five, then cools to red embers and smoke
// while sparks fly out and fade.
bool makeExplosionFrame(const AssetContext& context, int frame)
{
	const Picture picture{GameAssets::explosionFrameFile(frame), GameAssets::explosionSize, GameAssets::explosionSize,
		GameAssets::Drawing::keyed};
	AssetCanvas canvas = canvasFor(picture);
	const double centre = picture.width / 2.0;
	const int peakFrame = 5;
	const double cooling = frame <= peakFrame ? 0.0 : (frame - peakFrame) / double(GameAssets::explosionFrames - peakFrame);
	const double radius = frame <= peakFrame ? 6.0 + frame * 4.4 : 28.0 - cooling * 12.0;

	const AssetColour hotCore = AssetColour::mix(AssetColour(0xFFFFF0), AssetColour(0x8C2A10), cooling);
	const AssetColour hotRim = AssetColour::mix(AssetColour(0xFF6A10), AssetColour(0x402420), cooling);
	canvas.fillRadialGradient(centre, centre, radius, hotCore, hotRim);
	// Darker puffs break the outline once the fireball has peaked.
	std::mt19937 random(AssetContext::seedFor(picture.file));
	std::uniform_real_distribution<double> unit(0.0, 1.0);
	if (frame > peakFrame)
	{
		for (int puff = 0; puff < 6; puff++)
		{
			const double angle = unit(random) * 2.0 * pi;
			const double distance = radius * (0.5 + 0.4 * unit(random));
			canvas.fillEllipse(centre + distance * std::cos(angle), centre + distance * std::sin(angle), radius * 0.25,
				radius * 0.25, AssetColour::mix(AssetColour(0x7A4A3A), AssetColour(0x2E2A2A), cooling));
		}
	}
	const AssetColour spark = AssetColour::mix(AssetColour(0xFFF27A), AssetColour(0x6A3A12), cooling);
	const double reach = 8.0 + frame * 1.6;
	for (int sparkIndex = 0; sparkIndex < 10; sparkIndex++)
	{
		const double angle = sparkIndex * 2.0 * pi / 10.0 + frame * 0.13;
		canvas.fillEllipse(centre + reach * std::cos(angle), centre + reach * std::sin(angle), 1.8, 1.8, spark);
	}
	return save(context, canvas, picture);
}

// A lumpy rock with craters, shaded from the top left, on black space.
bool makeAsteroid(const AssetContext& context, const Picture& picture, AssetColour rock)
{
	AssetCanvas canvas = canvasFor(picture);
	AssetCanvas body(picture.width, picture.height, AssetCanvas::Channels::rgba);
	std::mt19937 random(AssetContext::seedFor(picture.file));
	std::uniform_real_distribution<double> unit(0.0, 1.0);
	const double centre = picture.width / 2.0;
	const double radius = picture.width * 0.46;
	std::vector<Point> outline;
	const int corners = 16;
	for (int corner = 0; corner < corners; corner++)
	{
		const double angle = corner * 2.0 * pi / corners;
		const double reach = radius * (0.82 + 0.18 * unit(random));
		outline.emplace_back(centre + reach * std::cos(angle), centre + reach * std::sin(angle));
	}
	body.fillPolygon(outline, rock.scaled(0.55));
	std::vector<Point> lit;
	for (const Point& point : outline)
		lit.emplace_back(centre - 3 + (point.first - centre) * 0.9, centre - 3 + (point.second - centre) * 0.9);
	body.fillPolygon(lit, rock);
	for (int crater = 0; crater < 6; crater++)
	{
		const double angle = unit(random) * 2.0 * pi;
		const double distance = radius * 0.65 * unit(random);
		const double size = radius * (0.1 + 0.12 * unit(random));
		const double x = centre + distance * std::cos(angle);
		const double y = centre + distance * std::sin(angle);
		body.fillEllipse(x + 1, y + 1, size, size, rock.scaled(1.25));
		body.fillEllipse(x, y, size, size, rock.scaled(0.6));
	}
	body.addNoise(0, 0, picture.width, picture.height, 14, AssetContext::seedFor(picture.file + "noise"));
	canvas.drawCanvas(body, 0, 0);
	return save(context, canvas, picture);
}

bool buildSprites(const AssetContext& context)
{
	bool made = true;
	made = makeShip(context, GameAssets::shipPlain, plainShip) && made;
	made = makeShip(context, GameAssets::shipBlue, blueShip) && made;
	made = makeShip(context, GameAssets::shipPurple, purpleShip) && made;
	made = makeSelectedShip(context, GameAssets::shipPlainSelected, plainShip) && made;
	made = makeSelectedShip(context, GameAssets::shipBlueSelected, blueShip) && made;
	made = makeSelectedShip(context, GameAssets::shipPurpleSelected, purpleShip) && made;
	made = makeShip(context, GameAssets::shipPlainLife, plainShip) && made;
	made = makeShip(context, GameAssets::shipBlueLife, blueShip) && made;
	made = makeShip(context, GameAssets::shipPurpleLife, purpleShip) && made;
	made = makeBonusShip(context) && made;
	made = makeAlien1(context) && made;
	made = makeAlien2(context) && made;
	made = makeAlien3(context) && made;
	made = makeAlienBonus1(context) && made;
	made = makeAlienBonus2(context) && made;
	made = makeAlienBonus3(context) && made;
	for (int frame = 1; frame <= GameAssets::explosionFrames; frame++)
		made = makeExplosionFrame(context, frame) && made;
	made = makeAsteroid(context, GameAssets::asteroid, AssetColour(0x9A9A9E)) && made;
	made = makeAsteroid(context, GameAssets::asteroidMedium, AssetColour(0x8C8E96)) && made;
	made = makeAsteroid(context, GameAssets::asteroidBrown, AssetColour(0xA06A3A)) && made;
	made = makeAsteroid(context, GameAssets::asteroidBrownMedium, AssetColour(0x8E5E34)) && made;
	return made;
}

AssetGroupRegistration registration("game-sprites", AssetOrder::pictures, buildSprites);
}
