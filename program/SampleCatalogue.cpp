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
		{ "simple", "a steerable walker on triangle tiles, two shapes that move by themselves, a click counter",
			&EngineProgram::run<QelvarEngine> },
		{ "tiles", "oval tiles over a picture: left click grows a tile, right click paints, arrows move a box",
			&EngineProgram::run<SimpleTileDemo> },
		{ "velkors", "the tile demo with the picture over the tiles",
			&EngineProgram::run<VelkorsDemoA> },
		{ "flashing", "four dotted backgrounds shown in turn", &EngineProgram::run<FlashingDemo> },
		{ "starfield", "a field of dots scrolling upwards", &EngineProgram::run<StarfieldDemo> },
		{ "bouncing", "a box bouncing over dots: arrows steer, SPACE pauses",
			&EngineProgram::run<BouncingObjectDemo> },
		{ "bouncing-image", "a picture bouncing over dots: arrows steer, SPACE pauses",
			&EngineProgram::run<BouncingImageDemo> },
		{ "dragable", "rectangles and a picture to drag about", &EngineProgram::run<DragableDemo> },
		{ "jigsaw", "a jigsaw to drag, turn, scroll, zoom and save", &EngineProgram::run<JigsawDemo> },
		{ "maze", "five walkers in a maze: SPACE starts and pauses, arrows steer",
			&EngineProgram::run<MazeDemoMain> },
		{ "mapping", "one picture drawn five times, turning and distorting", &EngineProgram::run<MappingDemo> },
		{ "zoompan", "dragable objects on a table that zooms (buttons, wheel) and scrolls (arrows)",
			&EngineProgram::run<ZoomPanDemo> },
		{ "cards", "a card table: deal, flip, drag and drop cards and numbered tokens", &EngineProgram::run<CardDemo> },
		{ "balls", "three bouncing balls over the drawing primitives, a press moves one",
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
