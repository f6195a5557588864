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

const std::vector<SampleProgram>& SampleCatalogue::all()
{
	static const std::vector<SampleProgram> samples = {
		{ "simple", "arrows steer a walker that recolours the tile it stands on; two shapes move by themselves; mouse presses are counted",
			&EngineProgram::run<QelvarEngine> },
		{ "tiles", "oval tiles over a picture: left click recolours a tile, right click paints a blue dot, SPACE redraws the background, arrows move a green box",
			&EngineProgram::run<SimpleTileDemo> },
		{ "velkors", "the same, with the picture over the tiles",
			&EngineProgram::run<VelkorsDemoA> },
		{ "flashing", "four dotted backgrounds shown in turn; no input",
			&EngineProgram::run<FlashingDemo> },
		{ "starfield", "a field of dots scrolling upwards; no input",
			&EngineProgram::run<StarfieldDemo> },
		{ "bouncing", "a box bouncing over dots: arrows change its speed, SPACE pauses, a click draws new dots",
			&EngineProgram::run<BouncingObjectDemo> },
		{ "bouncing-image", "the same with a small tiled picture, bouncing over a card sheet",
			&EngineProgram::run<BouncingImageDemo> },
		{ "dragable", "three rectangles and a picture to drag",
			&EngineProgram::run<DragableDemo> },
		{ "jigsaw", "drag pieces, right click turns one, drag the table to scroll; a click in the top left or top right corner makes a click turn pieces anticlockwise or clockwise (a yellow button shows there while that mode is on; neither shows before), the bottom corner buttons zoom out and in, a click in the window's centre saves; arrows scroll, SPACE undoes the scroll, the wheel zooms",
			&EngineProgram::run<JigsawDemo> },
		{ "maze", "five walkers in a maze: SPACE starts and pauses, arrows steer them all",
			&EngineProgram::run<MazeDemoMain> },
		{ "mapping", "one picture drawn five times, turning and distorting; no input",
			&EngineProgram::run<MappingDemo> },
		{ "zoompan", "three objects to drag, one flashing: the middle button zooms out, the right one in, as the wheel does; arrows scroll, SPACE undoes the scroll",
			&EngineProgram::run<ZoomPanDemo> },
		{ "cards", "click a box's band to deal (with d held, from its discard pile); hold s while clicking a box to shuffle its deck (with d, its discard pile); a card dropped on a box goes back into its deck, or with d held onto its discard pile; hold f while clicking a card to flip it; a right click halves or restores a card; drag cards, boxes and tokens; a tray's coloured cells make tokens, its crossed cell clears its tokens; hold o or p while clicking a token to lower or raise its number; hold m to drag the picture tile; arrows scroll, SPACE undoes the scroll, the wheel zooms",
			&EngineProgram::run<CardDemo> },
		{ "balls", "three balls over the drawing primitives: a click moves ball B, arrows change B's and C's speed, SPACE stops B and C (A keeps to its path), the middle button puts all three back at their starting places",
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
