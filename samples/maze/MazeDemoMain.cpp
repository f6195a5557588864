#include "maze/MazeDemoMain.h"

#include <SDL.h>

#include <string>

#include "Diagnostics.h"
#include "maze/MazeDemoObject.h"

namespace
{
	const int mapColumns = 15;
	const int mapRows = 11;
	// Each letter's value is its distance from 'a': a floor, b wall, c to i marks 2 to 8.
	const char* const mazeRows[mapRows] = {
		"bbbbbbbbbbbbbbb",
		"baeaeadadaeaeab",
		"babbbcbcbcbbbeb",
		"badadgdadhdadhb",
		"bgbcbbbcbbbcbeb",
		"babadadadadabab",
		"bfbcbbbcbbbcbeb",
		"bahadadhdadadab",
		"bfbbbcbibcbbbeb",
		"badadadadadadab",
		"bbbbbbbbbbbbbbb",
	};
	const int mapLeft = 25;
	const int mapTop = 40;
	const unsigned int waitingColour = 0xFFFF00;
	const unsigned int playingColour = 0x000000;
	const unsigned int darkText = 0x000000;
	const unsigned int lightText = 0xFFFFFF;
	const int walkerCount = 5;
	const int walkerCells[walkerCount][2] = { { 1, 1 }, { 9, 9 }, { 13, 9 }, { 9, 5 }, { 13, 5 } };
}

MazeDemoMain::MazeDemoMain()
{
}

void MazeDemoMain::drawBackground()
{
	if (m_state == waiting)
	{
		fillBackground(waitingColour);
		loadMap();
		printMap();
		m_tileManager.setTopLeftOnScreen(mapLeft, mapTop);
		return;
	}
	fillBackground(playingColour);
	m_tileManager.drawAllTiles(this, getBackgroundSurface());
}

void MazeDemoMain::loadMap()
{
	m_tileManager.setMapSize(mapColumns, mapRows);
	for (int row = 0; row < mapRows; row++)
		for (int column = 0; column < mapColumns; column++)
			m_tileManager.setMapValue(column, row, mazeRows[row][column] - 'a');
}

void MazeDemoMain::printMap()
{
	for (int row = 0; row < mapRows; row++)
	{
		std::string line;
		for (int column = 0; column < mapColumns; column++)
			line += std::to_string(m_tileManager.getMapValue(column, row));
		diagnosticPrintf("%s\n", line.c_str());
	}
}

int MazeDemoMain::createObjects()
{
	markObjectsChanged();
	removeAllObjects(true);
	resetObjectSlots(walkerCount);
	for (int i = 0; i < walkerCount; i++)
		setObjectAt(i, new MazeDemoObject(this, walkerCells[i][0], walkerCells[i][1]));
	setAllObjectsVisible(false);
	return 0;
}

void MazeDemoMain::drawTextUnderObjects()
{
	switch (m_state)
	{
	case waiting:
		drawForegroundString(100, 300, "Initialised and waiting for SPACE", darkText);
		break;
	case running:
		drawForegroundString(250, 10, "Running", lightText);
		break;
	case paused:
		drawForegroundString(200, 300, "Paused. Press SPACE to continue", lightText);
		break;
	}
}

void MazeDemoMain::onKeyDown(int key)
{
	if (key == SDLK_ESCAPE)
		setExitCode(0);
	else if (key == SDLK_SPACE)
		advanceState();
}

void MazeDemoMain::advanceState()
{
	switch (m_state)
	{
	case waiting:
		m_state = running;
		redrawBackground();
		setAllObjectsVisible(true);
		break;
	case running:
		pause();
		m_state = paused;
		redrawBackground();
		break;
	case paused:
		m_state = running;
		unpause();
		redrawBackground();
		break;
	}
	requestFullRedraw();
}

void MazeDemoMain::onMouseDown(int button, int x, int y)
{
	(void)button;
	(void)x;
	(void)y;
}
