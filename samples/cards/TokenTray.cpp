#include "TokenTray.h"

#include "BaseEngine.h"
#include "DragableToken.h"

namespace
{
const int cellSize = 25;
const int paletteColumns = 4;
const int paletteRows = 2;
const unsigned int headerColour = 0x808080;
const unsigned int crossColour = 0xFFFFFF;
const unsigned int titleColour = 0x000000;
const char* const titleFont = "Cornerstone Regular.ttf";
const int titleSize = 20;
// The cell with no token colour is the one that clears the tray.
const unsigned int noToken = 0;

struct PaletteCell
{
	unsigned int drawnColour;
	unsigned int unitColour;
};

const PaletteCell palette[paletteRows][paletteColumns] = {
	{{0xFFFFFF, 0x010101}, {0xFF0000, 0x010000}, {0x00FF00, 0x000100}, {0x0000FF, 0x000001}},
	{{0x00FFFF, 0x000101}, {0xFF00FF, 0x010001}, {0xFFFF00, 0x010100}, {0x000000, noToken}},
};
} // namespace

TokenTray::TokenTray(BaseEngine* engine, int x, int y)
	: DragableTokenContainer(x, y, engine, trayWidth, trayHeight, true, true)
{
}

void TokenTray::drawBody()
{
	const int left = getLeftEdge();
	const int top = getTopEdge();
	m_engine->drawForegroundRectangle(left, top, left + trayWidth - 1, top + cellSize - 1, headerColour);
	for (int row = 0; row < paletteRows; ++row)
		for (int column = 0; column < paletteColumns; ++column)
		{
			const int cellLeft = left + column * cellSize;
			const int cellTop = top + (row + 1) * cellSize;
			m_engine->drawForegroundRectangle(cellLeft, cellTop, cellLeft + cellSize - 1, cellTop + cellSize - 1,
				palette[row][column].drawnColour);
		}
	const int crossLeft = left + 3 * cellSize;
	const int crossTop = top + 2 * cellSize;
	m_engine->drawForegroundLine(crossLeft, crossTop, crossLeft + cellSize - 1, crossTop + cellSize - 1, crossColour);
	m_engine->drawForegroundLine(crossLeft + cellSize - 1, crossTop, crossLeft, crossTop + cellSize - 1, crossColour);
	m_engine->drawForegroundString(left + 10, top + 1, "Tokens", titleColour, m_engine->getFont(titleFont, titleSize));
}

void TokenTray::createToken(unsigned int unitColour, int x, int y)
{
	m_engine->appendObject(new DragableToken(m_engine, x, y, unitColour, true));
	requestFullRedraw();
}

void TokenTray::pressPaletteCell(int column, int row, int x)
{
	const unsigned int unitColour = palette[row][column].unitColour;
	if (unitColour != noToken)
	{
		// The new token's top-left is at the mouse x, just above the tray.
		createToken(unitColour, x, getTopEdge() - cellSize);
		return;
	}
	resetObjectSlots(0);
}

bool TokenTray::offerClick(int button, int x, int y)
{
	if (!containsPoint(x, y))
		return false;
	bringToFront();
	if (pickChild(x, y))
		return true;
	const int ry = y - getTopEdge();
	const int rx = x - getLeftEdge();
	if (ry < cellSize)
		return DragableTokenContainer::offerClick(button, x, y);
	if (ry < cellSize * (paletteRows + 1))
	{
		const int column = rx < cellSize ? 0 : (rx < 2 * cellSize ? 1 : (rx < 3 * cellSize ? 2 : 3));
		pressPaletteCell(column, ry / cellSize - 1, x);
	}
	return true;
}
