#pragma once
// Music for the generator: a stereo 44.1 kHz sample buffer that notes are mixed into,
// written as a 16-bit WAV file and encoded to MP3 with the `lame` encoder.

#include <cstdint>
#include <string>
#include <vector>

class AssetContext;

class SoundBuffer
{
public:
	enum class Wave { sine, square, triangle, sawtooth, noise };

	static const int sampleRate = 44100;
	static const int channels = 2;

	explicit SoundBuffer(double seconds);

	double seconds() const { return static_cast<double>(m_frames) / sampleRate; }

	// Mixes one note in: frequency in Hz, volume 0 to 1, pan -1 (left) to 1 (right). A short
	// attack and release keep notes from clicking. Parts beyond the buffer are dropped.
	void addNote(double startSeconds, double durationSeconds, double frequency, double volume,
		Wave wave = Wave::sine, double pan = 0.0);
	// Equal-tempered pitch of a MIDI note number (69 = A4 = 440 Hz).
	static double noteFrequency(int midiNote);

	// Scales the whole buffer so its loudest sample reaches peak (0 to 1); silence stays silent.
	void normalise(double peak = 0.9);

	// Writes 16-bit PCM; the path is absolute (or relative to the process's directory).
	bool writeWav(const std::string& path) const;
	// Writes an MP3 relative to the run directory through a temporary WAV file and `lame`.
	bool saveMp3(const AssetContext& context, const std::string& relativePath, int kilobitsPerSecond = 128) const;

private:
	std::vector<float> m_samples;  // interleaved left, right
	std::size_t m_frames;
};
