#pragma once
// How much of a picture the foreground shows unchanged at a place: every pixel of the picture
// except those of one left-out colour (its transparent or ground colour) is compared.

class EngineHarness;
class ImageHandle;

class PictureOnScreen
{
public:
	PictureOnScreen(const EngineHarness& harness, const ImageHandle& picture, int left, int top, int leftOutColour);

	int comparedPixels() const { return m_compared; }
	int matchingPixels() const { return m_matching; }
	// Matching over compared; 0 when nothing was compared.
	double matchingShare() const;

private:
	int m_compared = 0;
	int m_matching = 0;
};
