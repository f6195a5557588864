#pragma once
// The game's music files in track-number order: the music player loads them and the asset
// generator writes them. Plain data without includes, so the generator takes nothing else
// of the game.

namespace MusicTracks
{
inline constexpr unsigned int count = 8;

inline constexpr const char* files[count] = {
	"resources/01_Title Screen_repaired.mp3",
	"resources/02_Select Your Ship_repaired.mp3",
	"resources/05_Earth_repaired.mp3",
	"resources/08_Saturn_repaired.mp3",
	"resources/09_Uranus_repaired.mp3",
	"resources/13_Boss_repaired.mp3",
	"resources/14_Level Clear_repaired.mp3",
	"resources/15_Game Over_repaired.mp3",
};
} // namespace MusicTracks
