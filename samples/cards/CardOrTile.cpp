#include "CardOrTile.h"

#include <utility>

#include "BaseEngine.h"
#include "CardContainer.h"
#include "ImageManager.h"
#include "RawImageData.h"
#include "TokenMessages.h"

namespace
{
const int tileSourceSize = 200;
const int toEdge = -1;
const int rightButton = 3;
const unsigned int failedColour = 0xFF0000;
const unsigned int failedTextColour = 0xFFFFFF;
const char* const failedFont = "Cornerstone Regular.ttf";
const int failedTextSize = 20;

// A scale below 1 would divide by zero when the drawn size is worked out.
int sanitiseScale(int scale)
{
	return scale < 1 ? 1 : scale;
}
} // namespace

CardOrTile::CardOrTile(BaseEngine* engine, int x, int y, std::string sideAUrl, int sideAX, int sideAY,
	int sideAWidth, int sideAHeight, std::string sideBUrl, int sideBX, int sideBY, int sideBWidth, int sideBHeight,
	int width, int height, int scale, bool topLeft)
	: DragableTokenContainer(x, y, engine, width / sanitiseScale(scale), height / sanitiseScale(scale), topLeft, true),
	  m_sideAUrl(std::move(sideAUrl)), m_sideA{sideAX, sideAY, sideAWidth, sideAHeight},
	  m_sideBUrl(std::move(sideBUrl)), m_sideB{sideBX, sideBY, sideBWidth, sideBHeight},
	  m_isTile(false), m_scale(sanitiseScale(scale)), m_baseScale(m_scale)
{
}

CardOrTile::CardOrTile(BaseEngine* engine, int x, int y, std::string url, int scale, bool topLeft)
	: DragableTokenContainer(x, y, engine, tileSourceSize / sanitiseScale(scale), tileSourceSize / sanitiseScale(scale),
		topLeft, true),
	  m_sideAUrl(url), m_sideA{0, 0, toEdge, toEdge}, m_sideBUrl(std::move(url)), m_sideB{0, 0, toEdge, toEdge},
	  m_isTile(true), m_scale(sanitiseScale(scale)), m_baseScale(m_scale)
{
}

// ---------------------------------------------------------------- image

void CardOrTile::setTileKey(int x, int y)
{
	m_keyX = x;
	m_keyY = y;
	applyKeyColour();
}

void CardOrTile::applyKeyColour()
{
	const std::shared_ptr<RawImageData>& image = m_image.getImageData();
	if (!image)
		return;
	if (m_keyX >= 0 && m_keyY >= 0)
		image->setTransparencyColour(image->getPixelColour(m_keyX, m_keyY));
	else
		// -1 means no key colour: the picture is left wholly opaque instead of losing its white.
		m_image.setTransparencyColour(m_keyColour);
}

void CardOrTile::ensureSideLoaded()
{
	if (m_showSideA)
		loadSideA();
	else
		loadSideB();
}

void CardOrTile::loadSideA()
{
	loadSide(LoadedSide::sideA, m_sideAUrl, m_sideA);
}

void CardOrTile::loadSideB()
{
	loadSide(LoadedSide::sideB, m_sideBUrl, m_sideB);
}

void CardOrTile::loadSide(LoadedSide side, const std::string& url, SideRect& rect)
{
	if (m_loadedSide == side)
		return;
	m_image = ImageManager::getInstance()->getImage(url, true, false);
	if (!m_image.isLoaded())
	{
		// Counted as held, so a missing picture is not asked for again on every frame.
		m_loadedSide = side;
		return;
	}
	applyKeyColour();
	if (rect.width == toEdge)
		rect.width = m_image.getWidth() - rect.x;
	if (rect.height == toEdge)
		rect.height = m_image.getHeight() - rect.y;
	m_current = rect;
	m_loadedSide = side;
	if (m_isTile)
		setSize(rect.width, rect.height);
}

// ---------------------------------------------------------------- drawing

void CardOrTile::draw()
{
	if (!isVisible())
		return;
	ensureSideLoaded();
	const int left = getLeftEdge();
	const int top = getTopEdge();
	if (!m_image.isLoaded())
		drawLoadFailed(left, top);
	else
	{
		m_width = m_current.width / m_scale;
		m_height = m_current.height / m_scale;
		m_image.renderScaled(m_engine, m_engine->getForegroundSurface(), left, top, m_width, m_height, m_current.x,
			m_current.y, m_current.width, m_current.height);
	}
	drawChildren();
}

// A red square as wide as the object, with the words that say why.
void CardOrTile::drawLoadFailed(int left, int top)
{
	for (int i = left; i < left + m_width; ++i)
		for (int j = top; j < top + m_width; ++j)
			m_engine->setForegroundPixel(i, j, failedColour);
	FontEntry* font = m_engine->getFont(failedFont, failedTextSize);
	m_engine->drawForegroundString(left + 3, top + 26, "Load", failedTextColour, font);
	m_engine->drawForegroundString(left + 3, top + 66, "Failed", failedTextColour, font);
}

// ---------------------------------------------------------------- input

void CardOrTile::bringToFront()
{
	if (!m_isTile)
		m_engine->moveObjectToEnd(this);
}

void CardOrTile::toggleScale()
{
	m_scale = m_scale == m_baseScale ? 1 : m_baseScale;
}

void CardOrTile::flip()
{
	m_showSideA = !m_showSideA;
	ensureSideLoaded();
	requestFullRedraw();
}

bool CardOrTile::offerClick(int button, int x, int y)
{
	if (!containsPoint(x, y))
		return false;
	bringToFront();
	if (button == rightButton)
	{
		toggleScale();
		return true;
	}
	if (!m_isTile && m_engine->isKeyPressed('f'))
		flip();
	if (pickChild(x, y))
		return true;
	if (!m_isTile || m_engine->isKeyPressed('m'))
	{
		dragStart(x, y);
		return true;
	}
	redrawOwnArea();
	return false;
}

// A card dropped on a box leaves the engine's list for the box's deck, or its discard pile
// with 'd' held. Only cards go into a box: the tile stays on the table where it was dropped.
void CardOrTile::onMouseUp(int button, int x, int y)
{
	(void)button;
	if (!m_dragging)
		return;
	DragableTokenContainer::onMouseMove(x, y);
	m_dragging = false;
	DisplayableObject* target = nullptr;
	if (!m_isTile)
		target = m_engine->findTopmostByNotify(TokenMessages::acceptCard, TokenMessages::yes, x, y);
	if (CardContainer* box = dynamic_cast<CardContainer*>(target))
	{
		m_engine->detachObject(this);
		box->addCard(this, m_engine->isKeyPressed('d'));
	}
	requestFullRedraw();
}
