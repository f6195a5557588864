#pragma once
// One music track of the game: building a player loads its track and starts it looping.
// The audio device is opened once for the whole program (openAudio/closeAudio), not per track.

#include <SDL_mixer.h>

#include "MusicTracks.h"

class MusicPlayer
{
public:
	static constexpr unsigned int trackCount = MusicTracks::count;

	// The file of a track number, or null for a number outside the table.
	static const char* trackPath(unsigned int track);
	// Tracks that play once and then leave silence (the end-screen stings).
	static bool playsOnce(unsigned int track);

	// Opens the audio device and the mixer unless already open; failures leave the game silent.
	static void openAudio();
	// Unloads every decoder and closes the mixer; players must have been stopped first.
	static void closeAudio();
	static bool isAudioOpen() { return s_audioOpen; }

	explicit MusicPlayer(const char* path);
	~MusicPlayer();
	MusicPlayer(const MusicPlayer&) = delete;
	MusicPlayer& operator=(const MusicPlayer&) = delete;

	void stop();
	void playLooped();
	void playOnce();
	void fadeOut();

	const char* getPath() const { return m_path; }
	bool isLoaded() const { return m_music != nullptr; }

private:
	void play(int loops);

	static bool s_audioOpen;
	static const int fadeOutMilliseconds = 3000;

	const char* m_path;
	Mix_Music* m_music = nullptr;
};
