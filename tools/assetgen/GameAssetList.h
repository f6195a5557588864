#pragma once
// Every picture and music file the game loads, with the size each picture is drawn for; the
// generator draws from this list and the game's asset test checks the run directory against it.

#include <iterator>
#include <string>
#include <vector>

#include "MusicTracks.h"

namespace GameAssets
{
// How the game draws a picture, which decides what its background must be.
enum class Drawing
{
	keyed,    // the colour of the bottom-right pixel is see-through (sprites, buttons, messages)
	opaque,   // copied whole, every pixel drawn (menu items)
	rotated,  // turned through a mapping, every pixel inside the picture drawn over black space
};

struct Picture
{
	std::string file;
	int width;
	int height;
	Drawing drawing;
};

// The see-through colour of every keyed picture: the screens behind them are black space, so
// a black key also hides the soft dark edges that smooth shapes leave around a figure.
const unsigned keyColour = 0x000000;

const int explosionFrames = 12;

inline std::string explosionFrameFile(int frame)
{
	return "images/Explosion/" + std::to_string(frame) + ".png";
}

// Sprites: the sizes are the hit boxes the game gives them.
inline const Picture shipPlain{"images/HandDrawnShip2.png", 106, 106, Drawing::keyed};
inline const Picture shipBlue{"images/HandDrawnShipBlue2.png", 106, 106, Drawing::keyed};
inline const Picture shipPurple{"images/HandDrawnShipPurple2.png", 106, 106, Drawing::keyed};
inline const Picture shipPlainSelected{"images/HandDrawnShipSelected2.png", 106, 106, Drawing::keyed};
inline const Picture shipBlueSelected{"images/HandDrawnShipBlueSelected2.png", 106, 106, Drawing::keyed};
inline const Picture shipPurpleSelected{"images/HandDrawnShipPurpleSelected2.png", 106, 106, Drawing::keyed};
inline const Picture shipPlainLife{"images/HandDrawnShipLife.png", 30, 30, Drawing::keyed};
inline const Picture shipBlueLife{"images/HandDrawnShipBlueLife.png", 30, 30, Drawing::keyed};
inline const Picture shipPurpleLife{"images/HandDrawnShipPurpleLife.png", 30, 30, Drawing::keyed};
inline const Picture shipBonus{"images/HandDrawnShipBonus.png", 77, 77, Drawing::keyed};
inline const Picture alien1{"images/Alien1.png", 60, 40, Drawing::keyed};
inline const Picture alien2{"images/Alien2.png", 60, 40, Drawing::keyed};
inline const Picture alien3{"images/Alien3.png", 52, 52, Drawing::keyed};
inline const Picture alienBonus1{"images/AlienBonus1.png", 60, 40, Drawing::keyed};
inline const Picture alienBonus2{"images/AlienBonus2.png", 60, 40, Drawing::keyed};
inline const Picture alienBonus3{"images/AlienBonus3.png", 60, 40, Drawing::keyed};
const int explosionSize = 60;

// Asteroids turn about their centre; the large ones fill the 100-pixel square they are placed as.
inline const Picture asteroid{"images/HandDrawnAsteroid.png", 100, 100, Drawing::rotated};
inline const Picture asteroidMedium{"images/HandDrawnAsteroidMedium.png", 70, 70, Drawing::rotated};
inline const Picture asteroidBrown{"images/HandDrawnAsteroidBrown.png", 100, 100, Drawing::rotated};
inline const Picture asteroidBrownMedium{"images/HandDrawnAsteroidBrownMedium.png", 70, 70, Drawing::rotated};

// Menu: the logo is centred at W / 2 - 400 and bobs above the first item at y 305; the items
// are centred at W / 2 - 200 (Info at W / 2 - 210) and stand 116 pixels apart.
inline const Picture menuLogo{"images/MainMenuLogo2.png", 800, 250, Drawing::keyed};
inline const Picture newGame{"images/NewGame.png", 400, 100, Drawing::opaque};
inline const Picture newGameSelected{"images/NewGameSelected.png", 400, 100, Drawing::opaque};
inline const Picture loadGame{"images/LoadGame.png", 400, 100, Drawing::opaque};
inline const Picture loadGameSelected{"images/LoadGameSelected.png", 400, 100, Drawing::opaque};
inline const Picture info{"images/Info.png", 420, 100, Drawing::opaque};
inline const Picture infoSelected{"images/InfoSelected.png", 420, 100, Drawing::opaque};

// Corner buttons, 100 pixels from the window's edges.
inline const Picture bonusGameButton{"images/BonusGameImage.png", 100, 100, Drawing::keyed};
inline const Picture backButton{"images/BackButton2.png", 100, 100, Drawing::keyed};
inline const Picture forwardButton{"images/ForwardButton2.png", 100, 100, Drawing::keyed};

// Messages centred at W / 2 - 200: the pause picture at y 50 stays clear of the level title
// and the saved picture at y 200.
inline const Picture level1Title{"images/Level1Image.png", 400, 140, Drawing::keyed};
inline const Picture level2Title{"images/Level2Image.png", 400, 140, Drawing::keyed};
inline const Picture level3Title{"images/Level3Image.png", 400, 140, Drawing::keyed};
inline const Picture pauseMessage{"images/PauseImage.png", 400, 140, Drawing::keyed};
inline const Picture savedMessage{"images/GameSavedImage.png", 400, 140, Drawing::keyed};
inline const Picture winning{"images/WinningImage.png", 400, 300, Drawing::keyed};
inline const Picture losing{"images/LosingImage.png", 400, 300, Drawing::keyed};
// Information screen: details at y 50 end above the controls at y 250.
inline const Picture details{"images/DetailsImage.png", 400, 190, Drawing::keyed};
inline const Picture controls{"images/ControlsImage.png", 400, 310, Drawing::keyed};

inline std::vector<Picture> allPictures()
{
	std::vector<Picture> pictures = {shipPlain, shipBlue, shipPurple, shipPlainSelected, shipBlueSelected,
		shipPurpleSelected, shipPlainLife, shipBlueLife, shipPurpleLife, shipBonus, alien1, alien2, alien3,
		alienBonus1, alienBonus2, alienBonus3, asteroid, asteroidMedium, asteroidBrown, asteroidBrownMedium,
		menuLogo, newGame, newGameSelected, loadGame, loadGameSelected, info, infoSelected, bonusGameButton,
		backButton, forwardButton, level1Title, level2Title, level3Title, pauseMessage, savedMessage, winning,
		losing, details, controls};
	for (int frame = 1; frame <= explosionFrames; frame++)
		pictures.push_back({explosionFrameFile(frame), explosionSize, explosionSize, Drawing::keyed});
	return pictures;
}

// The music player's tracks, in track-number order; 6 and 7 are played once, the rest loop.
inline const std::vector<std::string>& trackFiles()
{
	static const std::vector<std::string> files(std::begin(MusicTracks::files), std::end(MusicTracks::files));
	return files;
}
}
