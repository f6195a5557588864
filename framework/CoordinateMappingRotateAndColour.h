#pragma once
// Offset, turn about a chosen centre, and colour rules: a transparent colour, three
// dither patterns, brightness and blending with a colour or with what is already drawn.

#include "CoordinateMappingRotate.h"

class CoordinateMappingRotateAndColour : public CoordinateMappingRotate
{
public:
	// Blend with the surface's current pixel at the destination.
	static const int blendWithSurface = -2;

	// Every rule off: angle 0, centre (0, 0) (the picture's top-left corner, not its middle),
	// no offset, no transparent colour, brightness 100, no patterns, no blending.
	CoordinateMappingRotateAndColour() : CoordinateMappingRotate(0.0) {}
	virtual ~CoordinateMappingRotateAndColour() {}

	// Adds the offset, then turns by the angle (setRotation()) about the centre, but only an
	// angle above 0: a negative one turns nothing. False when the point lies off the picture.
	bool mapCoordinates(double& x, double& y, const ImageHandle& image) override;
	// Called by a mapped draw for each pixel it is about to write at (x, y), virtual: false for
	// the transparent colour; else the pattern colours where x + y is a multiple of 2 or 3 and
	// x + 2y of 4 (the true sums, also at the int limits), then brightness and blending. The
	// brightness and blend percentage are stored back clamped to 0-100 the first time they apply.
	bool filterPixelColour(int x, int y, int& colour, PixelSurface* surface) override;

	// The sampled colour (24 bits) that is not drawn, even where a pattern would replace it; -1: none.
	void setTransparentColour(int colour) { m_transparentColour = colour; }
	// The picture point (image pixels) that a positive angle turns about.
	void setCentre(int x, int y) { m_centreX = x; m_centreY = y; }
	// Added to every sample point first, so the picture shows moved up and left by it.
	void setOffset(int x, int y) { m_offsetX = x; m_offsetY = y; }
	// Share of each channel kept, in per cent; 100 or more leaves the colour as it is.
	void setBrightness(int percent) { m_brightness = percent; }
	// Dither patterns on the destination's virtual position: the colour replaces the sampled
	// one where x + y is a multiple of 2 (second), of 3 (third), or where x + 2y is a multiple
	// of 4 (fourth); -1 turns a pattern off; where several apply the later one wins.
	void setSecondPixelColour(int colour) { m_secondPixelColour = colour; }
	void setThirdPixelColour(int colour) { m_thirdPixelColour = colour; }
	void setFourthPixelColour(int colour) { m_fourthPixelColour = colour; }
	// colour -1: no blending; blendWithSurface: blend with what is drawn there already.
	// percent is the mapped colour's share of the mix.
	void setBlend(int colour, int percent) { m_blendColour = colour; m_blendPercentage = percent; }

	// The settings as they stand (brightness and blend percentage as clamped by drawing).
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
