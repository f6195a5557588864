#include "PictureOnScreen.h"

#include "EngineHarness.h"
#include "ImageHandle.h"

PictureOnScreen::PictureOnScreen(const EngineHarness& harness, const ImageHandle& picture, int left, int top,
	int leftOutColour)
{
	for (int x = 0; x < picture.getWidth(); x++)
		for (int y = 0; y < picture.getHeight(); y++)
		{
			const int colour = picture.getPixelColour(x, y);
			if (colour == leftOutColour)
				continue;
			m_compared++;
			m_matching += harness.foregroundPixel(left + x, top + y) == static_cast<unsigned int>(colour & 0xFFFFFF);
		}
}

double PictureOnScreen::matchingShare() const
{
	return m_compared == 0 ? 0.0 : static_cast<double>(m_matching) / m_compared;
}
