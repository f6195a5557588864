#include <gtest/gtest.h>

#include "DisplayableObject.h"
#include "GameSession.h"
#include "ImageObjectWithChangingImage.h"
#include "MainMenuTitle.h"
#include "StateBonusGame.h"
#include "StateEnterDetails.h"
#include "StateInfo.h"
#include "StateLevel1.h"
#include "StateStart.h"

namespace
{
	const int newGameSlot = 1;
	const int loadGameSlot = 2;
	const int forwardSlot = 1;
	const int firstShipSlot = 2;

	class MenuAndDetailsTest : public GameSession
	{
	protected:
		void SetUp() override
		{
			GameSession::SetUp();
			startGame();
		}

		std::string itemPicture(int slot)
		{
			auto* item = dynamic_cast<ImageObjectWithChangingImage*>(engine().getObjectAt(slot));
			return item ? item->getImage().getURL() : std::string();
		}

		bool forwardVisible() { return engine().getObjectAt(forwardSlot)->isVisible(); }
	};
}

TEST_F(MenuAndDetailsTest, MenuShowsItsPicturesWhereTheyBelong)
{
	harness().step();
	EXPECT_TRUE(foregroundShowsPicture("images/NewGame.png", 300, 305));
	EXPECT_TRUE(foregroundShowsPicture("images/LoadGame.png", 300, 421));
	EXPECT_TRUE(foregroundShowsPicture("images/Info.png", 290, 540));
	EXPECT_TRUE(foregroundShowsPicture("images/BonusGameImage.png", 880, 580));
}

TEST_F(MenuAndDetailsTest, ItemsLightExactlyWhileTheMouseIsOverThem)
{
	harness().pushMouseMove(newGameX, newGameY);
	harness().step();
	EXPECT_EQ(itemPicture(newGameSlot), "images/NewGameSelected.png");
	EXPECT_EQ(itemPicture(loadGameSlot), "images/LoadGame.png");

	harness().pushMouseMove(loadGameX, loadGameY);
	harness().step();
	EXPECT_EQ(itemPicture(newGameSlot), "images/NewGame.png");
	EXPECT_EQ(itemPicture(loadGameSlot), "images/LoadGameSelected.png");
	harness().step();
	EXPECT_TRUE(foregroundShowsPicture("images/LoadGameSelected.png", 300, 421));
}

TEST_F(MenuAndDetailsTest, TitleLogoBobsBetween25And35)
{
	int lowest = 1000;
	int highest = -1000;
	for (int tick = 0; tick < 200; ++tick)
	{
		harness().step();
		const int y = engine().getObjectAt(0)->getY();
		lowest = std::min(lowest, y);
		highest = std::max(highest, y);
	}
	EXPECT_EQ(lowest, 25);
	EXPECT_GE(highest, 34);
	EXPECT_LE(highest, 35);
}

TEST_F(MenuAndDetailsTest, OnlyALeftClickOnAnItemLeavesTheMenu)
{
	harness().click(newGameX, newGameY, SDL_BUTTON_RIGHT);
	harness().click(newGameX, newGameY, SDL_BUTTON_MIDDLE);
	harness().click(20, 20);
	EXPECT_NE(current<StateStart>(), nullptr);
	clickNewGame();
	EXPECT_NE(current<StateEnterDetails>(), nullptr);
	EXPECT_EQ(engine().getMusicTrack(), 1u);
}

TEST_F(MenuAndDetailsTest, InfoAndBonusButtonsOpenTheirScreensWithTheirTracks)
{
	clickAt(infoX, infoY);
	ASSERT_NE(current<StateInfo>(), nullptr);
	EXPECT_EQ(engine().getMusicTrack(), 1u);
	clickAt(40, 600);
	ASSERT_NE(current<StateStart>(), nullptr);
	EXPECT_EQ(engine().getMusicTrack(), 0u);
	clickAt(bonusX, bonusY);
	ASSERT_NE(current<StateBonusGame>(), nullptr);
	EXPECT_EQ(engine().getMusicTrack(), 5u);
}

TEST_F(MenuAndDetailsTest, TypingEditsTheNameWithTheFirstLetterUpperCase)
{
	clickNewGame();
	auto* details = current<StateEnterDetails>();
	ASSERT_NE(details, nullptr);
	typeKeys("abc");
	EXPECT_STREQ(details->getNameBuffer(), " Abc");
	tapKey(SDLK_BACKSPACE);
	tapKey(SDLK_BACKSPACE);
	typeKeys("d");
	EXPECT_STREQ(details->getNameBuffer(), " Ad ");
	typeKeys("1 ");
	tapKey(SDLK_LEFT);
	EXPECT_STREQ(details->getNameBuffer(), " Ad ") << "digits, space and arrows are not letters";
	typeKeys("efghijklmn");
	EXPECT_STREQ(details->getNameBuffer(), " Adefghijkl") << "an eleventh letter is ignored";
}

TEST_F(MenuAndDetailsTest, BackspaceWithNothingTypedChangesNothing)
{
	clickNewGame();
	tapKey(SDLK_BACKSPACE);
	EXPECT_STREQ(current<StateEnterDetails>()->getNameBuffer(), " ");
}

TEST_F(MenuAndDetailsTest, ForwardShowsOnlyWithANameAndAShip)
{
	clickNewGame();
	auto* details = current<StateEnterDetails>();
	EXPECT_FALSE(forwardVisible());
	clickAt(forwardX, forwardY);
	EXPECT_EQ(current<StateEnterDetails>(), details) << "a hidden forward button does nothing";
	typeKeys("a");
	EXPECT_FALSE(forwardVisible());
	clickAt(shipX(0), shipY);
	EXPECT_TRUE(forwardVisible());
	EXPECT_TRUE(details->isShipSelected(0));
	clickAt(shipX(2), shipY);
	EXPECT_FALSE(details->isShipSelected(0));
	EXPECT_TRUE(details->isShipSelected(2));
	tapKey(SDLK_BACKSPACE);
	EXPECT_FALSE(forwardVisible());
}

TEST_F(MenuAndDetailsTest, ShipsLightUnderTheMouseAndASelectedShipStaysLit)
{
	clickNewGame();
	auto ship = [this](int index) {
		return dynamic_cast<ImageObjectWithChangingImage*>(engine().getObjectAt(firstShipSlot + index))->getImage().getURL();
	};
	harness().pushMouseMove(shipX(1), shipY);
	harness().step();
	EXPECT_EQ(ship(1), "images/HandDrawnShipBlueSelected2.png");
	clickAt(shipX(1), shipY);
	harness().pushMouseMove(shipX(0), shipY);
	harness().step();
	EXPECT_EQ(ship(0), "images/HandDrawnShipSelected2.png");
	EXPECT_EQ(ship(1), "images/HandDrawnShipBlueSelected2.png");
	harness().pushMouseMove(10, 10);
	harness().step();
	EXPECT_EQ(ship(0), "images/HandDrawnShip2.png");
}

TEST_F(MenuAndDetailsTest, ForwardStoresTheNameAndShipAndStartsLevelOne)
{
	startLevel1("abc", 2);
	ASSERT_NE(current<StateLevel1>(), nullptr);
	EXPECT_STREQ(engine().getPlayerName(), "Abc");
	EXPECT_EQ(engine().getShipIndex(), 2);
	EXPECT_EQ(engine().getMusicTrack(), 2u);
}

TEST_F(MenuAndDetailsTest, ANameWithRemovedLettersKeepsTheirSpaces)
{
	clickNewGame();
	typeKeys("abc");
	tapKey(SDLK_BACKSPACE);
	clickAt(shipX(1), shipY);
	harness().pushMouseMove(shipX(1) + 1, shipY);
	harness().step();
	clickAt(forwardX, forwardY);
	EXPECT_STREQ(engine().getPlayerName(), "Ab ");
}

TEST_F(MenuAndDetailsTest, BackReturnsToTheMenuWithTheTitleTrack)
{
	clickNewGame();
	typeKeys("zed");
	clickAt(backX, backY);
	ASSERT_NE(current<StateStart>(), nullptr);
	EXPECT_EQ(engine().getMusicTrack(), 0u);
	EXPECT_STREQ(engine().getPlayerName(), "bob") << "the typed name is lost";
	EXPECT_NE(dynamic_cast<MainMenuTitle*>(engine().getObjectAt(0)), nullptr);
}

TEST_F(MenuAndDetailsTest, DetailsScreenDrawsTheTypedNameInDarkRed)
{
	clickNewGame();
	typeKeys("www");
	harness().step();
	EXPECT_GT(harness().countForegroundPixels(340, 125, 300, 70, 0x8B0000), 50);
}
