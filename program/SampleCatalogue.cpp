#include "SampleCatalogue.h"

#include <cstring>

#include "EngineProgram.h"
#include "balls/BouncingBallDemo.h"
#include "bouncing/BouncingImageDemo.h"
#include "bouncing/BouncingObjectDemo.h"
#include "cards/CardDemo.h"
#include "dragable/DragableDemo.h"
#include "flashing/FlashingDemo.h"
#include "flashing/StarfieldDemo.h"
#include "jigsaw/JigsawDemo.h"
#include "mapping/MappingDemo.h"
#include "maze/MazeDemoMain.h"
#include "simple/QelvarEngine.h"
#include "tiles/SimpleTileDemo.h"
#include "tiles/VelkorsDemoA.h"
#include "zoompan/ZoomPanDemo.h"

namespace
{
// Wide enough for the longest name, so the descriptions line up.
const int nameColumnWidth = 16;
}

// Each description is, word for word, the third column of the sample's row in README.md's
// table of samples (a program test holds the two together); plain words, no '|'.
const std::vector<SampleProgram>& SampleCatalogue::all()
{
	static const std::vector<SampleProgram> samples = {
		{ "simple", "arrows steer a walker that recolours the tile it stands on; two shapes move by themselves; presses of any mouse button are counted",
			&EngineProgram::run<QelvarEngine> },
		{ "tiles", "oval tiles over a picture: a left click on a tile recolours it, a right click paints a blue dot, SPACE draws a fresh background (new dots and tile colours, the blue dots gone), arrows move a green box",
			&EngineProgram::run<SimpleTileDemo> },
		{ "velkors", "the same, with the picture over the tiles",
			&EngineProgram::run<VelkorsDemoA> },
		{ "flashing", "four dotted backgrounds shown in turn; no input",
			&EngineProgram::run<FlashingDemo> },
		{ "starfield", "a field of dots scrolling upwards; no input",
			&EngineProgram::run<StarfieldDemo> },
		{ "bouncing", "a box bouncing over dots: arrows change its speed, SPACE pauses and resumes, a press of any mouse button draws new dots, Escape ends it",
			&EngineProgram::run<BouncingObjectDemo> },
		{ "bouncing-image", "the same with a small tiled picture, bouncing over a card sheet",
			&EngineProgram::run<BouncingImageDemo> },
		{ "dragable", "three rectangles and a picture to drag with any mouse button (overlapping ones move together); Escape ends it",
			&EngineProgram::run<DragableDemo> },
		{ "jigsaw", "drag pieces with the left button, turn one clockwise with any other, drag the table with any button to scroll it; left clicks on the window's buttons: the top left or top right corner switches on a mode in which a left click turns pieces anticlockwise or clockwise instead (a yellow button shows in that corner while it is on; neither shows before), a second click there switches it off; the bottom left and right buttons zoom out and in; the dotted square in the centre saves the pieces and switches the mode off; such a click also goes on to the piece under it, which then turns or is picked up; arrows scroll, SPACE scrolls back to the top left corner, the wheel zooms, Escape ends it",
			&EngineProgram::run<JigsawDemo> },
		{ "maze", "five walkers in a maze: SPACE starts, pauses and resumes them, held arrows steer them all, Escape ends it",
			&EngineProgram::run<MazeDemoMain> },
		{ "mapping", "one picture drawn five times, turning and distorting; no input but Escape, which ends it",
			&EngineProgram::run<MappingDemo> },
		{ "zoompan", "three objects to drag with any mouse button, one flashing: a middle press zooms out and a right press zooms in (as the wheel does), and either drags an object it lands on; arrows scroll, SPACE scrolls back to the top left corner, Escape ends it",
			&EngineProgram::run<ZoomPanDemo> },
		{ "cards", "clicks work with any mouse button, but a right click on a card doubles its size and a second one halves it again; a click on a box's band deals its top card onto the box (with d held, from its discard pile); the card lies over most of the band, so a click there picks the card up instead (let go over the box, it goes back in): drag it off before dealing the next; hold s while clicking a box to shuffle its deck (with d, its discard pile); drag a box by its name or DECK panel, a tray by its title, a card or a token by any part; a card dropped on a box goes into its deck, or with d held onto its discard pile; hold f while clicking a card to flip it; a token dropped on a box, tray, card or the picture of the pack at the right lies on it and moves with it; a tray's coloured cells make tokens just above the tray, its crossed cell clears the tokens lying on the tray (not those just made above it); hold o or p while clicking a token to lower or raise its number; hold m to drag the picture of the pack; arrows scroll, SPACE scrolls back to the top left corner, the wheel zooms, Escape ends it",
			&EngineProgram::run<CardDemo> },
		{ "balls", "three balls over the drawing primitives: a press of any mouse button moves ball B to the pointer, arrows change B's and C's speed, SPACE stops B and C (A keeps to its path), the middle button puts all three back at their starting places, and so does letting go of d or u (while d is held the balls are hidden, while u is held the picture stands still); Escape ends it",
			&EngineProgram::run<BouncingBallDemo> },
	};
	return samples;
}

const SampleProgram* SampleCatalogue::find(const char* name)
{
	for (const SampleProgram& sample : all())
		if (std::strcmp(sample.name, name) == 0)
			return &sample;
	return nullptr;
}

void SampleCatalogue::print(std::FILE* stream)
{
	for (const SampleProgram& sample : all())
		std::fprintf(stream, "%-*s %s\n", nameColumnWidth, sample.name, sample.description);
	std::fflush(stream);
}
