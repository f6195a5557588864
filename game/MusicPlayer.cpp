#include "MusicPlayer.h"

#include <SDL.h>

namespace
{
	const unsigned int firstOnceTrack = 6;

	const int mixerFrequency = 44100;
	const int mixerChannels = 2;
	const int mixerChunkSize = 2048;
	const int loopForever = -1;
	const int playOneTime = 1;
}

bool MusicPlayer::s_audioOpen = false;

const char* MusicPlayer::trackPath(unsigned int track)
{
	return track < trackCount ? MusicTracks::files[track] : nullptr;
}

bool MusicPlayer::playsOnce(unsigned int track)
{
	return track >= firstOnceTrack && track < trackCount;
}

void MusicPlayer::openAudio()
{
	if (s_audioOpen)
		return;
	if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
		return;
	if (Mix_OpenAudio(mixerFrequency, AUDIO_S16LSB, mixerChannels, mixerChunkSize) != 0)
	{
		SDL_QuitSubSystem(SDL_INIT_AUDIO);
		return;
	}
	s_audioOpen = true;
}

void MusicPlayer::closeAudio()
{
	while (Mix_Init(0) != 0)
		Mix_Quit();
	if (!s_audioOpen)
		return;
	Mix_CloseAudio();
	SDL_QuitSubSystem(SDL_INIT_AUDIO);
	s_audioOpen = false;
}

MusicPlayer::MusicPlayer(const char* path)
	: m_path(path)
{
	if (!s_audioOpen)
		return;
	m_music = Mix_LoadMUS(path);
	play(loopForever);
}

// Frees the track if nobody stopped it, so no decoded music outlives its player.
MusicPlayer::~MusicPlayer()
{
	stop();
}

void MusicPlayer::stop()
{
	if (m_music == nullptr)
		return;
	Mix_HaltMusic();
	Mix_FreeMusic(m_music);
	m_music = nullptr;
}

void MusicPlayer::playLooped()
{
	play(loopForever);
}

void MusicPlayer::playOnce()
{
	play(playOneTime);
}

void MusicPlayer::fadeOut()
{
	if (m_music != nullptr)
		Mix_FadeOutMusic(fadeOutMilliseconds);
}

void MusicPlayer::play(int loops)
{
	if (m_music != nullptr)
		Mix_PlayMusic(m_music, loops);
}
