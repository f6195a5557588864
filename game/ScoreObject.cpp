#include "ScoreObject.h"

#include <string>

#include "BaseEngine.h"

namespace
{
const int objectSize = 100;
const int rightMargin = 100;
const int textY = 50;
const unsigned int textColour = 0xffffff;
const char* const fontFile = "PixelGameFont.ttf";
const int fontSize = 24;
} // namespace

ScoreObject::ScoreObject(int x, int y, BaseEngine* engine, int* value, bool topLeft)
	: DisplayableObject(x, y, engine, objectSize, objectSize, topLeft), m_value(value)
{
}

void ScoreObject::draw()
{
	if (!isVisible())
		return;
	const std::string text = std::to_string(shownNumber());
	m_engine->drawForegroundString(m_engine->getWindowWidth() - rightMargin, textY, text.c_str(), textColour,
		m_engine->getFont(fontFile, fontSize));
}
