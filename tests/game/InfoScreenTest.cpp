#include <gtest/gtest.h>

#include <SDL.h>

#include "EngineHarness.h"
#include "ImageObject.h"
#include "PixelSurface.h"
#include "StarLayers.h"
#include "StateInfo.h"
#include "StateStart.h"
#include "TV4Engine.h"

namespace
{
const unsigned int layerColours[StarLayers::layerCount] = {0x282828, 0x404040, 0x585858, 0x696969, 0x808080, 0x989898};
const int layerRadii[StarLayers::layerCount] = {1, 1, 2, 2, 3, 3};
const int infoTrack = 1;
const int menuInfoItemX = 300;
const int menuInfoItemY = 555;
const int detailsSlot = 2;
const int controlsSlot = 3;
const int centreX = 500;
const int centreY = 350;

unsigned int rgb(unsigned int pixel)
{
	return pixel & 0xFFFFFFu;
}

class InfoScreenTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_EQ(0, harness.initialise());
		harness.step();
		enterInfoScreen();
	}

	void TearDown() override { closeEngine(); }

	void closeEngine()
	{
		if (!m_closed)
			engine.deinitialise();
		m_closed = true;
	}

	// From the menu, as the player does: a left click on the Info item.
	void enterInfoScreen()
	{
		ASSERT_NE(nullptr, dynamic_cast<StateStart*>(engine.getCurrentState()));
		harness.click(menuInfoItemX, menuInfoItemY);
		ASSERT_NE(nullptr, info());
	}

	StateInfo* info() { return dynamic_cast<StateInfo*>(engine.getCurrentState()); }

	// Every sampled screen point that shows an opaque pixel of the picture in the slot shows
	// its colour; zoomed out, several virtual pixels share a screen pixel and any of them may
	// be the one shown. Returns how many picture pixels were compared.
	int expectPictureDrawnThroughZoom(int slot)
	{
		ImageObject* picture = dynamic_cast<ImageObject*>(engine.getObjectAt(slot));
		const ImageHandle& image = picture->getImage();
		const unsigned int transparent = rgb(static_cast<unsigned int>(
			image.getPixelColour(image.getWidth() - 1, image.getHeight() - 1)));
		const int shared = info()->getZoomFilter().getXCompress();
		int compared = 0;
		for (int sy = 0; sy < engine.getWindowHeight(); sy += 7)
		{
			for (int sx = 0; sx < engine.getWindowWidth(); sx += 7)
			{
				const int ix = engine.toVirtualX(sx) - picture->getLeftEdge();
				const int iy = engine.toVirtualY(sy) - picture->getTopEdge();
				if (ix < 0 || iy < 0 || ix + shared > image.getWidth() || iy + shared > image.getHeight())
					continue;
				const unsigned int expected = rgb(static_cast<unsigned int>(image.getPixelColour(ix, iy)));
				if (expected == transparent)
					continue;
				++compared;
				bool found = false;
				for (int dy = 0; dy < shared; ++dy)
					for (int dx = 0; dx < shared; ++dx)
						found = found || rgb(static_cast<unsigned int>(image.getPixelColour(ix + dx, iy + dy))) == harness.foregroundPixel(sx, sy);
				EXPECT_TRUE(found) << "screen " << sx << "," << sy << " shows " << std::hex << harness.foregroundPixel(sx, sy)
					<< " for picture pixel " << std::dec << ix << "," << iy;
				if (!found)
					return compared;
			}
		}
		return compared;
	}

	TV4Engine engine;
	EngineHarness harness{engine};

private:
	bool m_closed = false;
};
} // namespace

TEST_F(InfoScreenTest, EnteringShowsBothPicturesAndTheBackButtonWithItsTrack)
{
	ASSERT_NE(nullptr, info());
	EXPECT_EQ(static_cast<unsigned int>(infoTrack), engine.getMusicTrack());
	ASSERT_EQ(4, engine.getObjectCount());
	EXPECT_EQ(nullptr, engine.getObjectAt(1));
	const int positions[][3] = {{0, 20, 580}, {2, 300, 50}, {3, 300, 250}};
	for (const auto& p : positions)
	{
		ImageObject* picture = dynamic_cast<ImageObject*>(engine.getObjectAt(p[0]));
		ASSERT_NE(nullptr, picture) << "slot " << p[0];
		EXPECT_EQ(p[1], picture->getLeftEdge());
		EXPECT_EQ(p[2], picture->getTopEdge());
		EXPECT_TRUE(picture->isVisible());
		EXPECT_TRUE(picture->getImage().isLoaded()) << "slot " << p[0];
	}
	EXPECT_GT(expectPictureDrawnThroughZoom(detailsSlot), 100);
}

TEST_F(InfoScreenTest, StarLayersShareTheirSitesAndGrowFromLayerToLayer)
{
	const StarLayers& layers = info()->getStarLayers();
	PixelSurface* first = layers.getLayer(1);
	int stars = 0;
	for (int y = 0; y < first->getHeight(); ++y)
	{
		for (int x = 0; x < first->getWidth(); ++x)
		{
			const bool edge = x < 2 || y < 2 || x >= first->getWidth() - 2 || y >= first->getHeight() - 2;
			for (int n = 1; n <= StarLayers::layerCount && edge; ++n)
				ASSERT_EQ(0u, rgb(layers.getLayer(n)->getPixel(x, y))) << "edge " << x << "," << y;
			// A star centre on layer 1 has all four neighbours lit.
			if (rgb(first->getPixel(x, y)) != layerColours[0] || rgb(first->getPixel(x - 1, y)) != layerColours[0]
				|| rgb(first->getPixel(x + 1, y)) != layerColours[0] || rgb(first->getPixel(x, y - 1)) != layerColours[0]
				|| rgb(first->getPixel(x, y + 1)) != layerColours[0])
				continue;
			++stars;
			for (int n = 1; n <= StarLayers::layerCount; ++n)
			{
				PixelSurface* layer = layers.getLayer(n);
				const int r = layerRadii[n - 1];
				EXPECT_EQ(layerColours[n - 1], rgb(layer->getPixel(x, y)));
				EXPECT_EQ(layerColours[n - 1], rgb(layer->getPixel(x + r, y)));
				EXPECT_EQ(layerColours[n - 1], rgb(layer->getPixel(x, y - r)));
			}
		}
	}
	// About one site in 4000 of some 680,000.
	EXPECT_GT(stars, 80);
	EXPECT_LT(stars, 300);
}

TEST_F(InfoScreenTest, BackgroundPulsesThroughTheLayersBackAndForth)
{
	engine.changeState(new StateInfo(&engine), TV4Engine::redrawNewSurfaces, infoTrack, true);
	const StarLayers& layers = info()->getStarLayers();
	const int expectedOrder[] = {2, 3, 4, 5, 6, 5, 4, 3, 2, 1, 2, 3};
	for (int tick = 1; tick <= 6; ++tick)
	{
		harness.step();
		EXPECT_EQ(engine.getOwnBackgroundSurface(), engine.getBackgroundSurface()) << "tick " << tick;
	}
	for (int expected : expectedOrder)
	{
		for (int tick = 0; tick < 7; ++tick)
		{
			harness.step();
			ASSERT_EQ(layers.getLayer(expected), engine.getBackgroundSurface()) << "layer " << expected;
		}
	}
}

TEST_F(InfoScreenTest, WheelZoomsAboutTheWindowCentreAndBack)
{
	const int virtualCentreX = engine.toVirtualX(centreX);
	const int virtualCentreY = engine.toVirtualY(centreY);

	harness.pushMouseWheel(0, 1);
	harness.step();
	EXPECT_EQ(2, info()->getZoomFilter().getXStretch());
	EXPECT_EQ(virtualCentreX, engine.toVirtualX(centreX));
	EXPECT_EQ(virtualCentreY, engine.toVirtualY(centreY));
	EXPECT_GT(expectPictureDrawnThroughZoom(detailsSlot), 100);

	// Deeper in, the pictures reach past every window edge and are cut there.
	harness.pushMouseWheel(0, 1);
	harness.step();
	EXPECT_GT(expectPictureDrawnThroughZoom(controlsSlot), 100);
	harness.pushMouseWheel(0, -1);
	harness.step();

	harness.pushMouseWheel(0, -1);
	harness.step();
	EXPECT_EQ(1, info()->getZoomFilter().getXStretch());
	EXPECT_EQ(1, info()->getZoomFilter().getXCompress());
	EXPECT_EQ(0, info()->getScrollFilter().getXOffset());
	EXPECT_EQ(0, info()->getScrollFilter().getYOffset());

	harness.pushMouseWheel(0, -1);
	harness.step();
	EXPECT_EQ(2, info()->getZoomFilter().getXCompress());
	EXPECT_EQ(virtualCentreX, engine.toVirtualX(centreX));
	EXPECT_EQ(virtualCentreY, engine.toVirtualY(centreY));
	EXPECT_GT(expectPictureDrawnThroughZoom(detailsSlot), 100);
}

TEST_F(InfoScreenTest, MiddleButtonResetsZoomAtAnyLevelAndOtherClicksDoNothing)
{
	for (int i = 0; i < 3; ++i)
	{
		harness.pushMouseWheel(0, 1);
		harness.step();
	}
	harness.click(700, 100, SDL_BUTTON_RIGHT);
	EXPECT_EQ(4, info()->getZoomFilter().getXStretch());

	harness.click(700, 100, SDL_BUTTON_MIDDLE);
	ASSERT_NE(nullptr, info());
	EXPECT_EQ(1, info()->getZoomFilter().getXStretch());
	EXPECT_EQ(0, info()->getScrollFilter().getXOffset());
	EXPECT_EQ(0, info()->getScrollFilter().getYOffset());
	EXPECT_EQ(123, engine.toVirtualX(123));
	EXPECT_GT(expectPictureDrawnThroughZoom(detailsSlot), 100);

	// A left click away from the back button stays on the screen.
	harness.click(500, 20);
	EXPECT_NE(nullptr, info());
}

TEST_F(InfoScreenTest, BackButtonIsHitWhereItIsDrawnWhileZoomed)
{
	harness.pushMouseWheel(0, -1);
	harness.step();
	// Unzoomed the button's top-left is (20, 580); zoomed out it is drawn elsewhere.
	harness.click(25, 585);
	ASSERT_NE(nullptr, info());
	const int drawnX = engine.toScreenX(20);
	const int drawnY = engine.toScreenY(580);
	ASSERT_NE(20, drawnX);
	harness.click(drawnX + 3, drawnY + 3);
	EXPECT_EQ(nullptr, info());
	EXPECT_NE(nullptr, dynamic_cast<StateStart*>(engine.getCurrentState()));
}

TEST_F(InfoScreenTest, LeavingRestoresTheEngineSurfacesFilterAndTitleTrack)
{
	harness.runFor(100);
	ASSERT_NE(engine.getOwnBackgroundSurface(), engine.getBackgroundSurface());
	harness.click(25, 585);
	ASSERT_NE(nullptr, dynamic_cast<StateStart*>(engine.getCurrentState()));
	EXPECT_EQ(engine.getEngineFilter(), engine.getForegroundSurface()->getFilter());
	EXPECT_EQ(engine.getOwnBackgroundSurface(), engine.getBackgroundSurface());
	EXPECT_EQ(0u, engine.getMusicTrack());
	EXPECT_EQ(321, engine.toVirtualX(321));
	harness.runFor(50);
}

TEST_F(InfoScreenTest, RepeatedVisitsStartUnzoomedWithFreshLayers)
{
	for (int visit = 0; visit < 20; ++visit)
	{
		ASSERT_NE(nullptr, info());
		EXPECT_EQ(1, info()->getZoomFilter().getXStretch());
		EXPECT_EQ(0, info()->getScrollFilter().getXOffset());
		harness.pushMouseWheel(0, 1);
		harness.runFor(80);
		harness.click(25 + 0, 585 + 0, SDL_BUTTON_MIDDLE);
		harness.click(25, 585);
		ASSERT_NE(nullptr, dynamic_cast<StateStart*>(engine.getCurrentState()));
		EXPECT_EQ(engine.getOwnBackgroundSurface(), engine.getBackgroundSurface());
		enterInfoScreen();
	}
}

TEST_F(InfoScreenTest, ClosingTheWindowOnTheScreenLeavesNoPointerIntoIt)
{
	harness.pushMouseWheel(0, 1);
	harness.runFor(100);
	harness.pushQuit();
	EXPECT_FALSE(harness.step());
	closeEngine();
	EXPECT_EQ(engine.getEngineFilter(), engine.getForegroundSurface()->getFilter());
	EXPECT_EQ(engine.getOwnBackgroundSurface(), engine.getBackgroundSurface());
}
