#include "flashing/StarfieldDemo.h"

#include "common/RandomDotBackground.h"

namespace
{
	const int updatePeriod = 50;
}

StarfieldDemo::StarfieldDemo()
{
	setUpdatePeriod(updatePeriod);
}

void StarfieldDemo::drawBackground()
{
	RandomDotBackground::draw(this);
}

void StarfieldDemo::onBeforeUpdate()
{
	m_scrollOffset = (m_scrollOffset + 1) % getWindowHeight();
	requestFullRedraw();
}

void StarfieldDemo::copyBackgroundToForeground()
{
	const int width = getWindowWidth();
	const int height = getWindowHeight();
	// Background rows s to H - 1 to the top of the window, then rows 0 to s - 1 below them.
	getForegroundSurface()->copyRectangleFrom(getBackgroundSurface(), 0, 0, width, height, 0, m_scrollOffset);
	getForegroundSurface()->copyRectangleFrom(getBackgroundSurface(), 0, height - m_scrollOffset, width, height, 0,
		m_scrollOffset - height);
}
