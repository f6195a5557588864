#include "simple/MovingImageObject.h"

#include <utility>

#include "BaseEngine.h"
#include "TileManager.h"
#include "WrappingTime.h"
#include "common/ArrowKeySteering.h"
#include "common/TileValueSum.h"

namespace
{
	const int stepPerUpdate = 2;
	const int imageSwapInterval = 250;
	const int tileBumpInterval = 100;
	// -1: the picture's bottom-right pixel colour is transparent.
	const int bottomRightTransparent = -1;
}

MovingImageObject::MovingImageObject(BaseEngine* engine, const std::string& firstImage, const std::string& secondImage,
	int x, int y, int width, int height, TileManager* tileManager)
	: MovingObject(engine, x, y, width, height),
	  m_currentImage(engine->loadImage(firstImage, true)),
	  m_otherImage(engine->loadImage(secondImage, true)),
	  m_tileManager(tileManager)
{
}

void MovingImageObject::update(int time)
{
	ArrowKeySteering::moveByHeldArrows(*this, stepPerUpdate);
	ArrowKeySteering::clampInsideWindow(*this);
	swapImagesWhenDue(time);
	bumpTileWhenDue(time);
	requestFullRedraw();
}

// Intervals are measured by difference, so the swaps and bumps go on when the game time
// passes the int range.
void MovingImageObject::swapImagesWhenDue(int time)
{
	if (timeDifference(time, m_lastImageSwapTime) <= imageSwapInterval)
		return;
	std::swap(m_currentImage, m_otherImage);
	m_lastImageSwapTime = time;
}

void MovingImageObject::bumpTileWhenDue(int time)
{
	if (!m_tileManager->isScreenPointOnMap(m_x, m_y) || timeDifference(time, m_lastTileBumpTime) <= tileBumpInterval)
		return;
	m_lastTileBumpTime = time;
	const int column = m_tileManager->getMapColumnForScreenX(m_x);
	const int row = m_tileManager->getMapRowForScreenY(m_y);
	m_tileManager->setAndRedrawMapValue(column, row, TileValueSum::add(m_tileManager->getMapValue(column, row), 1),
		m_engine, m_engine->getBackgroundSurface());
}

void MovingImageObject::draw()
{
	if (!isVisible())
		return;
	m_currentImage.renderWithMask(m_engine->getForegroundSurface(), 0, 0, m_x + m_drawOffsetX, m_y + m_drawOffsetY,
		m_currentImage.getWidth(), m_currentImage.getHeight(), bottomRightTransparent);
}
