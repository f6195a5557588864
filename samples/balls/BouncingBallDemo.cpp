#include "balls/BouncingBallDemo.h"

#include <SDL.h>

#include "ImageManager.h"
#include "WrappingTime.h"
#include "balls/BouncingBall1.h"
#include "balls/BouncingBall2.h"
#include "common/RandomDotBackground.h"

namespace
{
	const int tileSize = 30;
	const int mapColumns = 10;
	const int mapRows = 10;
	const int mapLeft = 450;
	const int mapTop = 300;
	const unsigned int red = 0xFF0000;
	const unsigned int green = 0x00FF00;
	const unsigned int blue = 0x0000FF;
	const unsigned int cyan = 0x00FFFF;
	const unsigned int magenta = 0xFF00FF;
	const unsigned int white = 0xFFFFFF;
	const char* const picture = "demo.png";
	const int pictureRows = 3;
	const int pictureRowSpacing = 200;
	// -1: each picture's bottom-right pixel colour is transparent.
	const int bottomRightTransparent = -1;
	const int ballSize = 100;
	const int labelOffsetX = -10;
	const int labelOffsetY = -15;
	const int legDuration = 1000;
	const char* const textFont = "Cornerstone Regular.ttf";
	const int textSize = 48;

	// Draws the closed outline through the points.
	void drawOutline(BaseEngine* engine, const int (*points)[2], int count, unsigned int colour)
	{
		for (int i = 0; i < count; i++)
		{
			const int* from = points[i];
			const int* to = points[(i + 1) % count];
			engine->drawBackgroundLine(from[0], from[1], to[0], to[1], colour);
		}
	}
}

BouncingBallDemo::BouncingBallDemo() : m_tileManager(tileSize, tileSize)
{
}

void BouncingBallDemo::drawBackground()
{
	RandomDotBackground::draw(this);
	drawShapes();
	drawPictures();
	drawTileMap();
}

void BouncingBallDemo::drawShapes()
{
	drawBackgroundTrapezium(650, 750, 100, 50, 150, 180, red);
	drawBackgroundTriangle(300, 300, 325, 275, 350, 350, cyan);
	drawBackgroundTriangle(425, 375, 450, 450, 400, 375, cyan);
	drawBackgroundTriangle(550, 550, 525, 475, 450, 500, cyan);
	drawBackgroundQuadrilateral(100, 100, 150, 100, 250, 200, 150, 200, red);
	drawBackgroundPentagon(100, 300, 200, 275, 300, 325, 250, 400, 150, 375, green);
	drawBackgroundHexagon(400, 100, 500, 150, 600, 100, 550, 200, 450, 200, 400, 250, blue);
	const int octagon[8][2] = { { 100, 100 }, { 150, 100 }, { 250, 200 }, { 150, 200 }, { 100, 300 }, { 200, 275 },
		{ 300, 325 }, { 50, 400 } };
	drawBackgroundOctagon(100, 100, 150, 100, 250, 200, 150, 200, 100, 300, 200, 275, 300, 325, 50, 400, magenta);
	drawOutline(this, octagon, 8, white);
	const int heptagon[7][2] = { { 350, 100 }, { 500, 150 }, { 600, 100 }, { 550, 200 }, { 450, 200 }, { 400, 250 },
		{ 410, 180 } };
	drawBackgroundHeptagon(350, 100, 500, 150, 600, 100, 550, 200, 450, 200, 400, 250, 410, 180, green);
	drawOutline(this, heptagon, 7, white);
}

// The picture at full size, resized to 96 x 60 and shrunk by 2, in three rows.
void BouncingBallDemo::drawPictures()
{
	ImageManager* images = ImageManager::getInstance();
	const ImageHandle full = images->getImage(picture, true, true);
	const ImageHandle resized = images->getResizedImage(full, 96, 60);
	const ImageHandle shrunk = images->getShrunkImage(full, 2);
	const struct
	{
		const ImageHandle* image;
		int x;
	} columns[] = { { &full, 100 }, { &resized, 300 }, { &shrunk, 500 } };
	for (int i = 0; i < pictureRows; i++)
		for (const auto& column : columns)
			column.image->renderWithMask(getBackgroundSurface(), 0, 0, column.x, i * pictureRowSpacing,
				column.image->getWidth(), column.image->getHeight(), bottomRightTransparent);
}

void BouncingBallDemo::drawTileMap()
{
	m_tileManager.setMapSize(mapColumns, mapRows);
	m_tileManager.setTopLeftOnScreen(mapLeft, mapTop);
	m_tileManager.drawAllTiles(this, getBackgroundSurface());
}

// Starts the scene afresh; ball A's timetable starts at the current game time.
int BouncingBallDemo::createObjects()
{
	setMouseEventsToObjects(true);
	markObjectsChanged();
	removeAllObjects(true);
	BouncingBall1* ballA = new BouncingBall1(this, ballSize, 1, "A", labelOffsetX, labelOffsetY, &m_tileManager);
	const int t = getGameTime();
	ballA->setMovement(t, timeAfter(t, legDuration), t, 100, 100, 700, 500);
	BouncingBall2* ballB = new BouncingBall2(this, ballSize, 2, "B", labelOffsetX, labelOffsetY);
	ballB->setPosition(100, 100);
	ballB->setSpeed(1.1, 1.0);
	BouncingBall2* ballC = new BouncingBall2(this, ballSize, 3, "C", labelOffsetX, labelOffsetY);
	ballC->setPosition(300, 250);
	ballC->setSpeed(0.8, 1.2);
	resetObjectSlots(3);
	setObjectAt(0, ballA);
	setObjectAt(1, ballB);
	setObjectAt(2, ballC);
	m_ballA = ballA;
	m_ballB = ballB;
	m_ballC = ballC;
	return 0;
}

void BouncingBallDemo::drawTextOverObjects()
{
	drawForegroundString(150, 10, "Example text", white, getFont(textFont, textSize));
}

void BouncingBallDemo::onMouseDown(int button, int x, int y)
{
	(void)button;
	if (m_ballB != nullptr)
		m_ballB->setPosition(x, y);
}

void BouncingBallDemo::onKeyDown(int key)
{
	if (key == SDLK_ESCAPE)
		setExitCode(0);
}
