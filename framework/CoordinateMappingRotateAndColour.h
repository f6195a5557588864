#pragma once
// Offset, turn about a chosen centre, and colour rules: a transparent colour, three
// dither patterns, brightness and blending with a colour or with what is already drawn.

#include "CoordinateMappingRotate.h"

class CoordinateMappingRotateAndColour : public CoordinateMappingRotate
{
public:
	// Blend with the surface's current pixel at the destination.
	static const int blendWithSurface = -2;

	CoordinateMappingRotateAndColour() : CoordinateMappingRotate(0.0) {}
	virtual ~CoordinateMappingRotateAndColour() {}

	bool mapCoordinates(double& x, double& y, const ImageHandle& image) override;
	// Called by a mapped draw for each pixel it is about to write at (x, y), virtual: false for
	// the transparent colour; else the pattern colours where x + y is a multiple of 2 or 3 and
	// x + 2y of 4 (the true sums, also at the int limits), then brightness and blending.
	bool filterPixelColour(int x, int y, int& colour, PixelSurface* surface) override;

	void setTransparentColour(int colour) { m_transparentColour = colour; }
	void setCentre(int x, int y) { m_centreX = x; m_centreY = y; }
	void setOffset(int x, int y) { m_offsetX = x; m_offsetY = y; }
	void setBrightness(int percent) { m_brightness = percent; }
	void setSecondPixelColour(int colour) { m_secondPixelColour = colour; }
	void setThirdPixelColour(int colour) { m_thirdPixelColour = colour; }
	void setFourthPixelColour(int colour) { m_fourthPixelColour = colour; }
	// colour -1: no blending; blendWithSurface: blend with what is drawn there already.
	void setBlend(int colour, int percent) { m_blendColour = colour; m_blendPercentage = percent; }

	int getTransparentColour() const { return m_transparentColour; }
	int getBrightness() const { return m_brightness; }
	int getBlendColour() const { return m_blendColour; }
	int getBlendPercentage() const { return m_blendPercentage; }

private:
	int applyPatterns(int x, int y, int colour) const;
	static int clampPercent(int value);

	int m_centreX = 0;
	int m_centreY = 0;
	int m_transparentColour = -1;
	int m_brightness = 100;
	int m_secondPixelColour = -1;
	int m_thirdPixelColour = -1;
	int m_fourthPixelColour = -1;
	int m_blendColour = -1;
	int m_blendPercentage = -1;
	int m_offsetX = 0;
	int m_offsetY = 0;
};
