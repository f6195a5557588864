// Fonts asked for by name and size: one entry each, opened when the library starts, closed at the end.

#include <gtest/gtest.h>

#include "BaseEngine.h"
#include "EngineHarness.h"
#include "FontCache.h"

TEST(FontCacheTest, SameNameAndSizeGiveOneEntry)
{
	FontCache cache;
	OutputCapture output;
	output.start();
	FontEntry* first = cache.getFont("PixelGameFont.ttf", 30);
	FontEntry* again = cache.getFont("PixelGameFont.ttf", 30);
	FontEntry* other = cache.getFont("PixelGameFont.ttf", 24);
	std::string printed = output.stop();
	EXPECT_EQ(first, again);
	EXPECT_NE(first, other);
	EXPECT_EQ(2, cache.getCount());
	// Before the library starts every font is deferred: both messages, once each.
	EXPECT_EQ(printed, "Loading font: 30 point PixelGameFont.ttf\nFont loading failed.\n"
		"Loading font: 24 point PixelGameFont.ttf\nFont loading failed.\n");
}

TEST(FontCacheTest, CapacityGrowsByTen)
{
	FontCache cache;
	OutputCapture output;
	output.start();
	for (int size = 1; size <= 21; ++size)
		cache.getFont("none.ttf", size);
	EXPECT_EQ(30, cache.getCapacity());
	for (int size = 22; size <= 41; ++size)
		cache.getFont("none.ttf", size);
	output.stop();
	EXPECT_EQ(50, cache.getCapacity());
	EXPECT_EQ(41, cache.getCount());
	EXPECT_EQ("none.ttf", std::string(cache.getFont("none.ttf", 7)->getFileName()));
}

TEST(FontCacheTest, FontsAskedForEarlyOpenAtInitialiseAndCloseAtTheEnd)
{
	OutputCapture output;
	std::string printed;
	{
		BaseEngine engine;
		EngineHarness harness(engine);
		FontEntry* early = engine.getFont("PixelGameFont.ttf", 30);
		EXPECT_EQ(nullptr, early->getTTFFont());
		ASSERT_EQ(0, harness.initialise());
		EXPECT_NE(nullptr, early->getTTFFont());
		EXPECT_NE(nullptr, engine.getDefaultFont()->getTTFFont());
		FontEntry* missing = engine.getFont("NoSuchFont.ttf", 12);
		EXPECT_EQ(nullptr, missing->getTTFFont());
		engine.deinitialise();
		output.start();
	}
	printed = output.stop();
	EXPECT_EQ("Free font: 30 point PixelGameFont.ttf\nFree font: 24 point Cornerstone Regular.ttf\n", printed);
}
