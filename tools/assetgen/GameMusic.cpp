// Game music group: the music player's eight tracks, each a short synthesised piece. The six
// looped tracks last a whole number of bars with every note ending inside the last bar, so the
// loop joins without a click; the win and loss stings are played once.

#include <algorithm>
#include <string>
#include <vector>

#include "AssetContext.h"
#include "AssetRegistry.h"
#include "GameAssetList.h"
#include "SoundBuffer.h"

using Wave = SoundBuffer::Wave;

namespace
{
const int beatsPerBar = 4;
const int rest = -1;

struct Note
{
	int pitch;  // MIDI note number, or rest
	double beats;
};

struct Chord
{
	int root;  // MIDI note of the bass root
	bool minor;
	int third() const { return root + (minor ? 3 : 4); }
	int fifth() const { return root + 7; }
};

struct Voice
{
	Wave wave;
	double volume;
	double pan;
	double legato;  // share of each note's length that sounds
};

// One piece being written: converts beats to seconds and mixes voices into its buffer.
class Score
{
public:
	Score(double beatsPerMinute, int bars, double tailBeats = 0.0)
		: m_secondsPerBeat(60.0 / beatsPerMinute), m_buffer((bars * beatsPerBar + tailBeats) * m_secondsPerBeat)
	{
	}

	void note(double beat, double beats, int pitch, const Voice& voice)
	{
		if (pitch == rest)
			return;
		sound(beat * m_secondsPerBeat, beats * voice.legato * m_secondsPerBeat, SoundBuffer::noteFrequency(pitch),
			voice.volume, voice.wave, voice.pan);
	}

	// A melody from a start beat; returns the beat after its last note.
	double line(double beat, const std::vector<Note>& notes, const Voice& voice)
	{
		for (const Note& n : notes)
		{
			note(beat, n.beats, n.pitch, voice);
			beat += n.beats;
		}
		return beat;
	}

	// Drums over one bar from a pattern of sixteenth steps: k kick, s snare, h hat, '.' nothing.
	void drums(double barBeat, const std::string& pattern, double volume)
	{
		const double step = beatsPerBar / static_cast<double>(pattern.size());
		for (std::size_t i = 0; i < pattern.size(); i++)
		{
			const double seconds = (barBeat + i * step) * m_secondsPerBeat;
			switch (pattern[i])
			{
			case 'k':
				sound(seconds, 0.14, 55.0, volume, Wave::sine);
				sound(seconds, 0.05, 110.0, volume * 0.5, Wave::sine);
				break;
			case 's':
				sound(seconds, 0.12, 1.0, volume * 0.45, Wave::noise);
				sound(seconds, 0.06, 196.0, volume * 0.4, Wave::triangle);
				break;
			case 'h':
				sound(seconds, 0.03, 1.0, volume * 0.15, Wave::noise, 0.3);
				break;
			default:
				break;
			}
		}
	}

	// Chord tones in turn, one every `every` beats, over each bar's chord.
	void arpeggio(const std::vector<Chord>& chords, int octaveUp, double every, const Voice& voice)
	{
		for (std::size_t bar = 0; bar < chords.size(); bar++)
		{
			const Chord& chord = chords[bar];
			const int tones[] = {chord.root, chord.third(), chord.fifth(), chord.root + 12, chord.fifth(), chord.third()};
			const int steps = static_cast<int>(beatsPerBar / every);
			for (int i = 0; i < steps; i++)
				note(bar * beatsPerBar + i * every, every, tones[i % 6] + 12 * octaveUp, voice);
		}
	}

	// Each bar's chord held as a soft pad.
	void pad(const std::vector<Chord>& chords, int octaveUp, const Voice& voice)
	{
		for (std::size_t bar = 0; bar < chords.size(); bar++)
			for (int pitch : {chords[bar].root, chords[bar].third(), chords[bar].fifth()})
				note(bar * beatsPerBar, beatsPerBar, pitch + 12 * octaveUp, voice);
	}

	// The bar's root on every `every` beats, jumping an octave on the off-beats when bouncing.
	void bass(const std::vector<Chord>& chords, double every, bool bouncing, const Voice& voice)
	{
		for (std::size_t bar = 0; bar < chords.size(); bar++)
		{
			const int steps = static_cast<int>(beatsPerBar / every);
			for (int i = 0; i < steps; i++)
				note(bar * beatsPerBar + i * every, every, chords[bar].root + (bouncing && i % 2 == 1 ? 12 : 0), voice);
		}
	}

	bool save(const AssetContext& context, const std::string& file)
	{
		m_buffer.normalise(0.85);
		return m_buffer.saveMp3(context, file);
	}

private:
	// Every sound ends inside the piece: one cut off at the end would click where the loop joins.
	void sound(double start, double duration, double frequency, double volume, Wave wave, double pan = 0.0)
	{
		const double endGuard = 0.002;
		duration = std::min(duration, m_buffer.seconds() - endGuard - start);
		m_buffer.addNote(start, duration, frequency, volume, wave, pan);
	}

	double m_secondsPerBeat;
	SoundBuffer m_buffer;
};

// Repeats a progression so a piece of `times` rounds has a chord for every bar.
std::vector<Chord> repeated(const std::vector<Chord>& chords, int times)
{
	std::vector<Chord> all;
	for (int i = 0; i < times; i++)
		all.insert(all.end(), chords.begin(), chords.end());
	return all;
}

const Voice lead{Wave::square, 0.16, 0.0, 0.9};
const Voice softLead{Wave::triangle, 0.35, 0.0, 0.95};
const Voice arp{Wave::triangle, 0.18, -0.3, 0.8};
const Voice padVoice{Wave::sine, 0.10, 0.2, 1.0};
const Voice bassVoice{Wave::sawtooth, 0.16, 0.0, 0.85};

// Menu: a bright march in C major.
bool titleTrack(const AssetContext& context, const std::string& file)
{
	const std::vector<Chord> chords = repeated({{48, false}, {45, true}, {41, false}, {43, false}}, 2);
	Score score(120, static_cast<int>(chords.size()));
	score.bass(chords, 1.0, true, bassVoice);
	score.pad(chords, 1, padVoice);
	score.arpeggio(chords, 2, 0.5, arp);
	double beat = score.line(0, {{72, 1}, {76, 1}, {79, 1.5}, {77, 0.5}, {76, 1}, {72, 1}, {69, 2},
									{65, 1}, {69, 1}, {72, 1.5}, {74, 0.5}, {71, 3}, {rest, 1}}, lead);
	score.line(beat, {{72, 1}, {76, 1}, {79, 1.5}, {81, 0.5}, {79, 1}, {76, 1}, {72, 2},
						 {77, 1}, {76, 1}, {74, 1}, {71, 1}, {72, 3}, {rest, 1}}, lead);
	for (int bar = 0; bar < static_cast<int>(chords.size()); bar++)
		score.drums(bar * beatsPerBar, "k...s...k.k.s...", 0.5);
	return score.save(context, file);
}

// Ship choice and information: a calm A minor arpeggio with a slow tune.
bool selectTrack(const AssetContext& context, const std::string& file)
{
	const std::vector<Chord> chords = repeated({{45, true}, {41, false}, {48, false}, {43, false}}, 2);
	Score score(90, static_cast<int>(chords.size()));
	score.pad(chords, 1, padVoice);
	score.arpeggio(chords, 2, 0.5, Voice{Wave::sine, 0.22, -0.4, 0.9});
	score.bass(chords, 2.0, false, Voice{Wave::triangle, 0.3, 0.0, 0.95});
	score.line(0, {{76, 3}, {74, 1}, {72, 2}, {69, 2}, {72, 3}, {74, 1}, {71, 4},
					   {76, 3}, {79, 1}, {77, 2}, {76, 2}, {74, 2}, {72, 2}, {71, 4}}, softLead);
	for (int bar = 0; bar < static_cast<int>(chords.size()); bar++)
		score.drums(bar * beatsPerBar, "..h...h...h...h.", 0.5);
	return score.save(context, file);
}

// Level 1: an upbeat G major run with a driving bass.
bool earthTrack(const AssetContext& context, const std::string& file)
{
	const std::vector<Chord> chords = repeated({{43, false}, {40, true}, {48, false}, {50, false}}, 2);
	Score score(140, static_cast<int>(chords.size()));
	score.bass(chords, 0.5, true, bassVoice);
	score.arpeggio(chords, 2, 0.25, Voice{Wave::square, 0.06, 0.35, 0.7});
	double beat = score.line(0, {{79, 0.5}, {78, 0.5}, {79, 1}, {74, 1}, {71, 1}, {76, 1.5}, {74, 0.5}, {71, 1}, {67, 1},
									{72, 1}, {74, 1}, {76, 1}, {79, 1}, {78, 2}, {74, 2}}, lead);
	score.line(beat, {{79, 0.5}, {78, 0.5}, {79, 1}, {83, 1}, {81, 1}, {79, 1.5}, {76, 0.5}, {79, 1}, {83, 1},
						 {84, 1}, {83, 1}, {81, 1}, {79, 1}, {78, 2}, {rest, 2}}, lead);
	for (int bar = 0; bar < static_cast<int>(chords.size()); bar++)
		score.drums(bar * beatsPerBar, "k.h.s.h.k.khs.h.", 0.55);
	return score.save(context, file);
}

// Level 2: a mysterious D minor theme over rolling sawtooth chords.
bool saturnTrack(const AssetContext& context, const std::string& file)
{
	const std::vector<Chord> chords = repeated({{38, true}, {46, false}, {43, true}, {45, false}}, 2);
	Score score(110, static_cast<int>(chords.size()));
	score.bass(chords, 1.0, false, Voice{Wave::triangle, 0.35, 0.0, 0.9});
	score.arpeggio(chords, 1, 0.5, Voice{Wave::sawtooth, 0.07, -0.4, 0.6});
	score.pad(chords, 2, padVoice);
	score.line(0, {{74, 1.5}, {77, 0.5}, {76, 2}, {rest, 0.5}, {70, 0.5}, {74, 1}, {72, 2}, {70, 1.5}, {67, 0.5},
					   {69, 2}, {73, 2}, {76, 2},
					   {74, 1.5}, {77, 0.5}, {81, 2}, {79, 1}, {77, 1}, {74, 2}, {70, 1}, {72, 1},
					   {74, 1}, {73, 1}, {69, 2}, {rest, 2}}, Voice{Wave::sine, 0.4, 0.1, 0.95});
	for (int bar = 0; bar < static_cast<int>(chords.size()); bar++)
		score.drums(bar * beatsPerBar, "k.....h.s.....h.", 0.5);
	return score.save(context, file);
}

// Level 3: fast E minor sixteenths, the hardest level's urgency.
bool uranusTrack(const AssetContext& context, const std::string& file)
{
	const std::vector<Chord> chords = repeated({{40, true}, {48, false}, {50, false}, {47, false}}, 2);
	Score score(150, static_cast<int>(chords.size()));
	score.bass(chords, 0.5, true, Voice{Wave::square, 0.12, 0.0, 0.75});
	score.arpeggio(chords, 2, 0.25, Voice{Wave::triangle, 0.14, -0.35, 0.7});
	double beat = score.line(0, {{76, 1}, {79, 1}, {83, 1}, {79, 1}, {84, 1.5}, {83, 0.5}, {79, 2},
									{81, 1}, {78, 1}, {74, 1}, {78, 1}, {75, 3}, {rest, 1}}, lead);
	score.line(beat, {{76, 1}, {79, 1}, {83, 1}, {88, 1}, {84, 1}, {83, 1}, {79, 1}, {76, 1},
						 {78, 1}, {81, 1}, {86, 1}, {81, 1}, {83, 2}, {rest, 2}}, lead);
	for (int bar = 0; bar < static_cast<int>(chords.size()); bar++)
		score.drums(bar * beatsPerBar, "k.hhs.hhk.hhs.hs", 0.55);
	return score.save(context, file);
}

// Bonus game: a heavy chromatic C minor riff.
bool bossTrack(const AssetContext& context, const std::string& file)
{
	const std::vector<Chord> chords = repeated({{36, true}, {37, false}, {36, true}, {35, false}}, 2);
	Score score(160, static_cast<int>(chords.size()));
	score.bass(chords, 0.5, true, Voice{Wave::square, 0.18, 0.0, 0.7});
	score.pad(chords, 2, Voice{Wave::sawtooth, 0.05, 0.3, 1.0});
	const std::vector<Note> riff = {{72, 0.5}, {75, 0.5}, {79, 0.5}, {78, 0.5}, {75, 1}, {72, 1},
		{73, 0.5}, {77, 0.5}, {80, 0.5}, {77, 0.5}, {73, 2},
		{72, 0.5}, {75, 0.5}, {79, 0.5}, {84, 0.5}, {83, 1}, {79, 1},
		{71, 1}, {74, 1}, {77, 1}, {rest, 1}};
	double beat = score.line(0, riff, lead);
	score.line(beat, riff, Voice{Wave::sawtooth, 0.12, -0.2, 0.85});
	for (int bar = 0; bar < static_cast<int>(chords.size()); bar++)
		score.drums(bar * beatsPerBar, "k.k.s.k.k.k.s.ss", 0.6);
	return score.save(context, file);
}

// Winning sting: a rising fanfare ending on a held C major chord.
bool levelClearTrack(const AssetContext& context, const std::string& file)
{
	Score score(132, 1, 2);
	score.line(0, {{60, 0.33}, {64, 0.33}, {67, 0.34}, {72, 0.5}, {67, 0.5}, {72, 0.5}, {76, 0.5}, {79, 2.99}}, lead);
	score.line(2, {{48, 0.5}, {43, 0.5}, {48, 2.99}}, bassVoice);
	for (int pitch : {60, 64, 67, 72})
		score.note(3, 2.99, pitch, Voice{Wave::triangle, 0.22, 0.0, 1.0});
	score.drums(0, "........k...k...", 0.5);
	return score.save(context, file);
}

// Losing sting: a slow chromatic fall into a low C minor chord.
bool gameOverTrack(const AssetContext& context, const std::string& file)
{
	Score score(80, 1, 1);
	score.line(0, {{67, 0.75}, {66, 0.75}, {65, 0.75}, {64, 0.75}, {63, 1.99}}, Voice{Wave::square, 0.14, 0.0, 0.95});
	for (int pitch : {36, 48, 51, 55})
		score.note(3, 1.99, pitch, Voice{Wave::triangle, 0.25, 0.0, 1.0});
	score.drums(3, "k...............", 0.6);
	return score.save(context, file);
}

using TrackWriter = bool (*)(const AssetContext&, const std::string&);

bool buildMusic(const AssetContext& context)
{
	// In track-number order, matching GameAssets::trackFiles.
	const TrackWriter writers[] = {titleTrack, selectTrack, earthTrack, saturnTrack, uranusTrack, bossTrack,
		levelClearTrack, gameOverTrack};
	const std::vector<std::string>& files = GameAssets::trackFiles();
	if (files.size() != sizeof(writers) / sizeof(writers[0]))
		return false;
	bool made = true;
	for (std::size_t track = 0; track < files.size(); track++)
		made = writers[track](context, files[track]) && made;
	return made;
}

AssetGroupRegistration registration("game-music", AssetOrder::music, buildMusic);
}
