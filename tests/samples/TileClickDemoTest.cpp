#include <gtest/gtest.h>

#include <SDL.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <vector>

#include "DisplayableObject.h"
#include "EngineHarness.h"
#include "SampleEngineTest.h"
#include "SampleSnapshot.h"
#include "common/TileValueSum.h"
#include "tiles/SimpleTileDemo.h"
#include "tiles/TileValueColour.h"
#include "tiles/VelkorsDemoA.h"

namespace
{
const int mapCells = 15;
const unsigned int discBlue = 0x0000FF;
const unsigned int rectangleGreen = 0x00FF00;
// The tiles whose centres lie under the picture in the window's top left corner.
const int columnsUnderPicture = 4;
const int rowsUnderPicture = 3;

// Both tile click demos behave alike; one fixture runs the same sessions on either.
template <typename Engine>
class TileClickDemoTest : public SampleEngineTest<Engine>
{
protected:
	TileClickDemoTest() : SampleEngineTest<Engine>(11, true) {}

	std::vector<int> tileValues()
	{
		std::vector<int> values;
		for (int column = 0; column < mapCells; column++)
			for (int row = 0; row < mapCells; row++)
				values.push_back(this->engine.getTileManager().getMapValue(column, row));
		return values;
	}
	// Centre pixel of a tile on the background.
	unsigned int tileCentre(int column, int row) { return this->harness.backgroundPixel(60 + column * 20, 60 + row * 20); }
};

using TileClickEngines = ::testing::Types<VelkorsDemoA, SimpleTileDemo>;
TYPED_TEST_SUITE(TileClickDemoTest, TileClickEngines);
}

TYPED_TEST(TileClickDemoTest, TilesShowTheColourOfTheirValue)
{
	for (int column = 8; column < mapCells; column++)
		for (int row = 8; row < mapCells; row++)
			EXPECT_EQ(TileValueColour::colourFor(this->engine.getTileManager().getMapValue(column, row)),
				this->tileCentre(column, row));
	// Where the picture and the map overlap, one demo shows its tiles and the other its picture.
	const bool tilesOverPicture = std::is_same<TypeParam, SimpleTileDemo>::value;
	for (int column = 0; column < columnsUnderPicture; column++)
		for (int row = 0; row < rowsUnderPicture; row++)
			EXPECT_EQ(tilesOverPicture, TileValueColour::colourFor(this->engine.getTileManager().getMapValue(column, row))
					== this->tileCentre(column, row)) << "tile " << column << ", " << row;
	saveSampleSnapshot(this->harness, std::string("tiles-") + ::testing::UnitTest::GetInstance()->current_test_info()->type_param());
}

TYPED_TEST(TileClickDemoTest, LeftPressGrowsOnlyTheTileUnderThePointer)
{
	const std::vector<int> before = this->tileValues();
	OutputCapture output;
	output.start();
	this->harness.click(349, 349);
	this->harness.click(350, 200);
	const std::string printed = output.stop();
	EXPECT_NE(std::string::npos, printed.find("Mouse clicked at 349 349\n"));
	EXPECT_NE(std::string::npos, printed.find("Mouse clicked at 350 200\n"));
	const std::vector<int> after = this->tileValues();
	int changed = 0;
	for (size_t i = 0; i < before.size(); i++)
		changed += before[i] != after[i];
	EXPECT_LE(changed, 1);
	const int value = this->engine.getTileManager().getMapValue(14, 14);
	EXPECT_NE(before.back(), value);
	EXPECT_GE(value, 0) << "a sum past the int range wraps round";
	EXPECT_EQ(TileValueColour::colourFor(value), this->tileCentre(14, 14));
}

TYPED_TEST(TileClickDemoTest, RightPressPaintsADiscThatSpaceWipesOut)
{
	this->harness.click(600, 400, SDL_BUTTON_RIGHT);
	EXPECT_EQ(discBlue, this->harness.backgroundPixel(600, 400));
	EXPECT_EQ(discBlue, this->harness.foregroundPixel(605, 395));
	EXPECT_GT(this->harness.countForegroundPixels(590, 390, 21, 21, discBlue), 250);
	const std::vector<int> before = this->tileValues();
	this->harness.tapKey(SDLK_SPACE);
	this->harness.step();
	EXPECT_LT(this->harness.countForegroundPixels(590, 390, 21, 21, discBlue), 30);
	EXPECT_NE(before, this->tileValues());
}

TYPED_TEST(TileClickDemoTest, RectangleFollowsTheArrowsButStaysInTheWindow)
{
	this->harness.pushKeyDown(SDLK_RIGHT);
	this->harness.pushKeyDown(SDLK_DOWN);
	this->harness.runFor(6000);
	DisplayableObject* rectangle = this->engine.getObjectAt(0);
	EXPECT_EQ(900, rectangle->getX());
	EXPECT_EQ(500, rectangle->getY());
	EXPECT_EQ(rectangleGreen, this->harness.foregroundPixel(999, 699));
	EXPECT_EQ(rectangleGreen, this->harness.foregroundPixel(900, 500));
	this->harness.pushKeyUp(SDLK_RIGHT);
	this->harness.pushKeyUp(SDLK_DOWN);
	this->harness.pushKeyDown(SDLK_LEFT);
	this->harness.pushKeyDown(SDLK_UP);
	this->harness.runFor(6000);
	EXPECT_EQ(0, rectangle->getX());
	EXPECT_EQ(0, rectangle->getY());
}

TEST(TileValueRules, ColourComesFromTheThreeLowHexDigits)
{
	EXPECT_EQ(0xA0B0C0u, TileValueColour::colourFor(0xABC));
	EXPECT_EQ(0xA0B0C0u, TileValueColour::colourFor(0x7FABC));
	EXPECT_EQ(0u, TileValueColour::colourFor(4096 * 5));
}

TEST(TileValueRules, GrowingValuesStayNonNegativeAndKeepTheirLowBits)
{
	EXPECT_EQ(12, TileValueSum::add(5, 7));
	EXPECT_EQ(INT_MAX, TileValueSum::add(INT_MAX - 32767, 32767));
	const int wrapped = TileValueSum::add(INT_MAX - 10, 32767);
	EXPECT_GE(wrapped, 0);
	EXPECT_EQ(TileValueColour::colourFor(static_cast<int>((static_cast<long long>(INT_MAX) - 10 + 32767) & 0xFFF)),
		TileValueColour::colourFor(wrapped));
	EXPECT_EQ(0, TileValueSum::add(INT_MAX, 1));
}
