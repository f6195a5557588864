#include "balls/BouncingBall.h"

#include <SDL.h>

#include "BaseEngine.h"

namespace
{
	const unsigned int unitColours[] = { 0x000000, 0x010000, 0x000100, 0x000001, 0x010001, 0x010100, 0x000101, 0x010101 };
	const int colourCount = static_cast<int>(sizeof(unitColours) / sizeof(unitColours[0]));
	const unsigned int allChannelsUnit = 0x010101;
	const int fullBrightness = 255;
	// Brightness falls by this much from the centre to the rim.
	const int rimDarkening = 176;
	const SDL_Keycode rebuildWhileDrawingKey = SDLK_d;
}

BouncingBall::BouncingBall(BaseEngine* engine, int size, int colourIndex, const char* label, int labelOffsetX,
	int labelOffsetY)
	: DisplayableObject(size, size, engine, size, size, false),
	  m_colourIndex(colourIndex), m_label(label), m_labelOffsetX(labelOffsetX), m_labelOffsetY(labelOffsetY)
{
	setVisible(true);
}

// The index counts modulo 8; a negative remainder counts as 0.
unsigned int BouncingBall::unitColourFor(int colourIndex)
{
	const int index = colourIndex % colourCount;
	return unitColours[index < 0 ? 0 : index];
}

unsigned int BouncingBall::labelColourFor(int colourIndex)
{
	return (allChannelsUnit - unitColourFor(colourIndex)) * fullBrightness;
}

void BouncingBall::draw()
{
	if (m_engine->isKeyPressed(rebuildWhileDrawingKey))
	{
		// Deletes this ball among all the others: nothing of it may be touched afterwards.
		m_engine->createObjects();
		return;
	}
	if (!isVisible())
		return;
	drawShadedDisc();
	drawLabel();
}

void BouncingBall::drawShadedDisc()
{
	const int r2 = (m_width / 2) * (m_width / 2);
	// A ball too small to have a radius has nothing to shade (and must not divide by 0).
	if (r2 == 0)
		return;
	const int left = getLeftEdge();
	const int top = getTopEdge();
	const int cx = left + m_width / 2;
	const int cy = top + m_height / 2;
	const unsigned int unit = unitColourFor(m_colourIndex);
	for (int i = left; i < left + m_width; i++)
		for (int j = top; j < top + m_height; j++)
		{
			const int d2 = (i - cx) * (i - cx) + (j - cy) * (j - cy);
			if (d2 <= r2)
				m_engine->setForegroundPixel(i, j, unit * static_cast<unsigned int>(fullBrightness - d2 * rimDarkening / r2));
		}
}

void BouncingBall::drawLabel()
{
	if (m_label == nullptr || m_label[0] == '\0')
		return;
	m_engine->drawForegroundString(getCentreX() + m_labelOffsetX, getCentreY() + m_labelOffsetY, m_label,
		labelColourFor(m_colourIndex));
}

void BouncingBall::update(int time)
{
	(void)time;
	requestFullRedraw();
}

// Every press reaches every ball, so a middle press anywhere rebuilds the scene.
void BouncingBall::onMouseDown(int button, int x, int y)
{
	(void)x;
	(void)y;
	if (button == SDL_BUTTON_MIDDLE)
		m_engine->createObjects();
}
