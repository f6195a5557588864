#include "CoordinateMappingRotateAndColour.h"

#include <algorithm>
#include <cstdint>

#include "ImageHandle.h"
#include "PixelSurface.h"

namespace
{
const int noColour = -1;
const int fullBrightness = 100;

double channel(int colour, int shift)
{
	return (colour >> shift) & 0xFF;
}

int finishChannel(double value, int shift)
{
	return (static_cast<int>(std::min(value, 255.0) + 0.5) & 0xFF) << shift;
}
} // namespace

bool CoordinateMappingRotateAndColour::mapCoordinates(double& x, double& y, const ImageHandle& image)
{
	x += m_offsetX;
	y += m_offsetY;
	if (!isInsideImage(x, y, image))
		return false;
	// A zero or negative angle turns nothing.
	if (m_angle > 0)
	{
		rotateAbout(x, y, m_centreX, m_centreY);
		if (!isInsideImage(x, y, image))
			return false;
	}
	return true;
}

int CoordinateMappingRotateAndColour::clampPercent(int value)
{
	return std::max(0, std::min(100, value));
}

int CoordinateMappingRotateAndColour::applyPatterns(int x, int y, int colour) const
{
	// The sums are taken in 64 bits, so that pixels at the int limits keep their pattern.
	const int64_t sum = static_cast<int64_t>(x) + y;
	const int64_t sumWithDoubleY = sum + y;
	// Later rules win where several apply.
	if (m_secondPixelColour != noColour && sum % 2 == 0)
		colour = m_secondPixelColour;
	if (m_thirdPixelColour != noColour && sum % 3 == 0)
		colour = m_thirdPixelColour;
	if (m_fourthPixelColour != noColour && sumWithDoubleY % 4 == 0)
		colour = m_fourthPixelColour;
	return colour;
}

bool CoordinateMappingRotateAndColour::filterPixelColour(int x, int y, int& colour, PixelSurface* surface)
{
	const int existing = static_cast<int>(surface->getFilteredPixel(x, y));
	if (m_transparentColour != noColour && colour == m_transparentColour)
		return false;
	colour = applyPatterns(x, y, colour);
	if (m_brightness >= fullBrightness && m_blendColour == noColour)
		return true;

	// The clamped values are kept, so later pixels see the same settings.
	m_brightness = clampPercent(m_brightness);
	const int shifts[3] = { 16, 8, 0 };
	double values[3];
	for (int k = 0; k < 3; k++)
		values[k] = channel(colour, shifts[k]) * m_brightness / 100.0;

	if (m_blendColour != noColour)
	{
		const int blend = m_blendColour == blendWithSurface ? existing : m_blendColour;
		m_blendPercentage = clampPercent(m_blendPercentage);
		for (int k = 0; k < 3; k++)
			values[k] = (m_blendPercentage * values[k] + channel(blend, shifts[k]) * (100 - m_blendPercentage)) / 100;
	}

	colour = 0;
	for (int k = 0; k < 3; k++)
		colour |= finishChannel(values[k], shifts[k]);
	return true;
}
