// Tile maps: values, screen positions, and drawing all tiles, a range or one tile.

#include <gtest/gtest.h>

#include <climits>

#include "BaseEngine.h"
#include "EngineHarness.h"
#include "PixelSurface.h"
#include "TileManager.h"

namespace
{
// Records which tiles were drawn where.
class RecordingTiles : public TileManager
{
public:
	using TileManager::TileManager;
	void drawTile(BaseEngine*, PixelSurface*, int column, int row, int screenX, int screenY) override
	{
		drawn.push_back({ column, row, screenX, screenY });
	}
	struct Tile
	{
		int column, row, x, y;
	};
	std::vector<Tile> drawn;
};

class TileManagerTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_EQ(0, harness.initialise());
		surface = engine.getBackgroundSurface();
	}
	void TearDown() override { engine.deinitialise(); }

	unsigned int backgroundPixel(int x, int y) const { return harness.backgroundPixel(x, y); }

	BaseEngine engine;
	EngineHarness harness{ engine };
	PixelSurface* surface = nullptr;
};
}

TEST_F(TileManagerTest, ScreenPositionsMapToTiles)
{
	TileManager tiles(10, 10, 2, 2);
	tiles.setTopLeftOnScreen(100, 50);
	EXPECT_TRUE(tiles.isScreenPointOnMap(119, 69));
	EXPECT_FALSE(tiles.isScreenPointOnMap(120, 69));
	EXPECT_FALSE(tiles.isScreenPointOnMap(99, 50));
	EXPECT_EQ(1, tiles.getMapColumnForScreenX(119));
	EXPECT_EQ(0, tiles.getMapColumnForScreenX(99));
	EXPECT_EQ(1, tiles.getMapRowForScreenY(60));
}

TEST_F(TileManagerTest, ValuesAreStoredAndResetByResizing)
{
	TileManager tiles(8, 12, 3, 2);
	EXPECT_EQ(12, tiles.getTileWidth());
	EXPECT_EQ(8, tiles.getTileHeight());
	tiles.setMapValue(2, 1, 7);
	tiles.setMapValue(0, 1, 3);
	EXPECT_EQ(7, tiles.getMapValue(2, 1));
	EXPECT_EQ(3, tiles.getMapValue(0, 1));
	EXPECT_EQ(0, tiles.getMapValue(1, 1));
	tiles.setMapSize(4, 4);
	EXPECT_EQ(0, tiles.getMapValue(2, 1));
	EXPECT_EQ(4, tiles.getMapHeight());

	TileManager empty(10, 10);
	EXPECT_EQ(0, empty.getMapWidth());
	EXPECT_FALSE(empty.isScreenPointOnMap(0, 0));
}

TEST_F(TileManagerTest, PositionsOffTheMapReadZeroAndAreNeverWritten)
{
	TileManager tiles(10, 10, 3, 2);
	tiles.setMapValue(2, 1, 5);
	tiles.setMapValue(3, 1, 9); // one column past the end: would land on the next row's start
	tiles.setMapValue(-1, 0, 9);
	tiles.setMapValue(0, 2, 9);
	EXPECT_EQ(0, tiles.getMapValue(0, 0));
	EXPECT_EQ(5, tiles.getMapValue(2, 1));
	EXPECT_EQ(0, tiles.getMapValue(3, 1));
	EXPECT_EQ(0, tiles.getMapValue(0, -1));

	// A range that reaches past the map draws the missing tiles as value 0.
	tiles.setTopLeftOnScreen(0, 0);
	tiles.drawTileRange(&engine, surface, 2, 1, 3, 3);
	EXPECT_EQ(0x808080u, backgroundPixel(5, 5));   // tile (2, 1) holds 5: 2 + 1 + 5 = 8
	EXPECT_EQ(0x404040u, backgroundPixel(15, 5));  // tile (3, 1), off the map: 3 + 1 + 0
	EXPECT_EQ(0x707070u, backgroundPixel(25, 25)); // tile (4, 3), off the map: 4 + 3 + 0
}

TEST_F(TileManagerTest, DefaultTilesAreGreyLevels)
{
	TileManager tiles(10, 10, 3, 3);
	tiles.setTopLeftOnScreen(20, 30);
	tiles.setMapValue(1, 2, 3);
	tiles.setMapValue(2, 2, 12);
	tiles.setMapValue(0, 0, INT_MAX); // a value grown far: no overflow in the colour
	tiles.drawAllTiles(&engine, surface);
	EXPECT_EQ(0x606060u, backgroundPixel(30, 50));
	EXPECT_EQ(0x606060u, backgroundPixel(39, 59));
	EXPECT_EQ(0x000000u, backgroundPixel(40, 50)); // 2 + 2 + 12 = 16
	EXPECT_EQ((INT_MAX % 16) * 0x101010u, backgroundPixel(20, 30));
	EXPECT_EQ(0, surface->getLockCount());
}

TEST_F(TileManagerTest, RangesAndSingleTilesAreDrawnWhereTheySay)
{
	RecordingTiles tiles(10, 20, 8, 8);
	tiles.setTopLeftOnScreen(100, 50);
	tiles.drawTileRange(&engine, surface, 5, 5, 2, 1);
	ASSERT_EQ(2u, tiles.drawn.size());
	EXPECT_EQ(5, tiles.drawn[0].column);
	EXPECT_EQ(100, tiles.drawn[0].x);
	EXPECT_EQ(50, tiles.drawn[0].y);
	EXPECT_EQ(6, tiles.drawn[1].column);
	EXPECT_EQ(120, tiles.drawn[1].x);

	tiles.drawn.clear();
	tiles.setAndRedrawMapValue(3, 2, 9, &engine, surface);
	EXPECT_EQ(9, tiles.getMapValue(3, 2));
	ASSERT_EQ(1u, tiles.drawn.size());
	EXPECT_EQ(160, tiles.drawn[0].x);
	EXPECT_EQ(70, tiles.drawn[0].y);

	tiles.drawn.clear();
	tiles.drawAllTiles(&engine, surface);
	ASSERT_EQ(64u, tiles.drawn.size());
	EXPECT_EQ(0, tiles.drawn[1].column); // column by column
	EXPECT_EQ(1, tiles.drawn[1].row);
}
