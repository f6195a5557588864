#include "SoundBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

#include "AssetContext.h"

namespace
{
const double pi = 3.14159265358979323846;
const double envelopeSeconds = 0.01;
const int bitsPerSample = 16;
const double fullScale = 32767.0;

double waveValue(SoundBuffer::Wave wave, double phase, std::mt19937& random)
{
	const double cycle = phase - std::floor(phase);
	switch (wave)
	{
	case SoundBuffer::Wave::sine:
		return std::sin(2.0 * pi * cycle);
	case SoundBuffer::Wave::square:
		return cycle < 0.5 ? 1.0 : -1.0;
	case SoundBuffer::Wave::triangle:
		return cycle < 0.5 ? 4.0 * cycle - 1.0 : 3.0 - 4.0 * cycle;
	case SoundBuffer::Wave::sawtooth:
		return 2.0 * cycle - 1.0;
	case SoundBuffer::Wave::noise:
		return std::uniform_real_distribution<double>(-1.0, 1.0)(random);
	}
	return 0.0;
}

void writeLittleEndian(std::ofstream& out, std::uint32_t value, int bytes)
{
	for (int i = 0; i < bytes; i++)
		out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Quotes a path for the shell: single quotes, with embedded single quotes closed and escaped.
std::string shellQuoted(const std::string& text)
{
	std::string quoted = "'";
	for (char c : text)
		quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
	return quoted + "'";
}
}

SoundBuffer::SoundBuffer(double seconds)
	: m_frames(static_cast<std::size_t>(std::max(seconds, 0.0) * sampleRate))
{
	m_samples.assign(m_frames * channels, 0.0f);
}

double SoundBuffer::noteFrequency(int midiNote)
{
	return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

void SoundBuffer::addNote(double startSeconds, double durationSeconds, double frequency, double volume, Wave wave, double pan)
{
	if (durationSeconds <= 0.0 || startSeconds < 0.0)
		return;
	const std::size_t first = static_cast<std::size_t>(startSeconds * sampleRate);
	const std::size_t count = static_cast<std::size_t>(durationSeconds * sampleRate);
	const double envelopeFrames = std::min(envelopeSeconds * sampleRate, count / 2.0);
	const double leftGain = volume * std::min(1.0, 1.0 - pan);
	const double rightGain = volume * std::min(1.0, 1.0 + pan);
	std::mt19937 random(static_cast<std::uint32_t>(first + count));
	for (std::size_t i = 0; i < count && first + i < m_frames; i++)
	{
		double envelope = 1.0;
		if (envelopeFrames > 0.0)
			envelope = std::min({1.0, i / envelopeFrames, (count - i) / envelopeFrames});
		const double value = envelope * waveValue(wave, frequency * i / sampleRate, random);
		m_samples[(first + i) * channels] += static_cast<float>(value * leftGain);
		m_samples[(first + i) * channels + 1] += static_cast<float>(value * rightGain);
	}
}

void SoundBuffer::normalise(double peak)
{
	float loudest = 0.0f;
	for (float sample : m_samples)
		loudest = std::max(loudest, std::fabs(sample));
	if (loudest <= 0.0f)
		return;
	const float gain = static_cast<float>(peak / loudest);
	for (float& sample : m_samples)
		sample *= gain;
}

bool SoundBuffer::writeWav(const std::string& path) const
{
	std::ofstream out(path, std::ios::binary);
	if (!out)
	{
		std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
		return false;
	}
	const std::uint32_t bytesPerFrame = channels * bitsPerSample / 8;
	const std::uint32_t dataBytes = static_cast<std::uint32_t>(m_frames * bytesPerFrame);
	const std::uint32_t formatChunkBytes = 16;
	const std::uint32_t pcmFormat = 1;
	out.write("RIFF", 4);
	writeLittleEndian(out, 4 + (8 + formatChunkBytes) + (8 + dataBytes), 4);
	out.write("WAVE", 4);
	out.write("fmt ", 4);
	writeLittleEndian(out, formatChunkBytes, 4);
	writeLittleEndian(out, pcmFormat, 2);
	writeLittleEndian(out, channels, 2);
	writeLittleEndian(out, sampleRate, 4);
	writeLittleEndian(out, sampleRate * bytesPerFrame, 4);
	writeLittleEndian(out, bytesPerFrame, 2);
	writeLittleEndian(out, bitsPerSample, 2);
	out.write("data", 4);
	writeLittleEndian(out, dataBytes, 4);
	for (float sample : m_samples)
	{
		const double clipped = std::clamp(static_cast<double>(sample), -1.0, 1.0);
		const auto value = static_cast<std::int16_t>(std::lround(clipped * fullScale));
		writeLittleEndian(out, static_cast<std::uint16_t>(value), 2);
	}
	return static_cast<bool>(out);
}

bool SoundBuffer::saveMp3(const AssetContext& context, const std::string& relativePath, int kilobitsPerSecond) const
{
	const std::string target = context.prepareOutput(relativePath).string();
	if (target.empty())
		return false;
	const std::string wavPath = target + ".tmp.wav";
	if (!writeWav(wavPath))
		return false;
	const std::string command = "lame --quiet -b " + std::to_string(kilobitsPerSecond) + " "
		+ shellQuoted(wavPath) + " " + shellQuoted(target);
	const int status = std::system(command.c_str());
	std::remove(wavPath.c_str());
	if (status != 0)
	{
		std::fprintf(stderr, "assetgen: lame failed (status %d) for %s\n", status, target.c_str());
		return false;
	}
	return true;
}
