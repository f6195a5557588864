// The drawing shortcuts change no pixel: frames of level 1, the mapping demo and the jigsaw
// are drawn as the program draws them, then again with every point filter chain replaced by
// one plain filter (move, zoom, clip and store each point itself) and every mapping by one
// that turns pictures with atan, sqrt, cos and sin per pixel and samples them with modulo;
// both frames must agree in every pixel. Beside it, the rotation's tables and angle-sum
// against the direct formula at every sample point of the game's and the samples' pictures.

#include <gtest/gtest.h>

#include <SDL.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "CoordinateMappingRotate.h"
#include "CroppedCoordinateMapping.h"
#include "EngineHarness.h"
#include "FilterPointsScaling.h"
#include "FilterPointsTranslation.h"
#include "ImageHandle.h"
#include "ImageManager.h"
#include "MappableImageObject.h"
#include "ObjectsOfType.h"
#include "StateLevel1.h"
#include "TV4Engine.h"
#include "jigsaw/JigsawDemo.h"
#include "mapping/MappingDemo.h"

namespace
{
const double pi = 3.14159265358979323846;
const double verticalLineNudge = 0.0001;
const uint32_t opaque = 0xFF000000u;
const uint32_t colourBits = 0xFFFFFFu;

bool insidePicture(double x, double y, int width, int height)
{
	return x >= 0 && y >= 0 && x < width - 0.5 && y < height - 0.5;
}

// The turn about the picture's centre in its two halves: the offset's polar form, then the
// turned point.
void plainPolar(double dx, double dy, double& angle, double& radius)
{
	angle = std::atan(dy / (dx + verticalLineNudge));
	if (dx < 0)
		angle += pi;
	radius = std::sqrt(dx * dx + dy * dy);
}

void plainTurnedPoint(double angle, double radius, double turn, int width, int height, double& x, double& y)
{
	angle += turn;
	x = std::cos(angle) * radius + width / 2;
	y = std::sin(angle) * radius + height / 2;
}

bool plainTurn(double& x, double& y, int width, int height, double turn)
{
	if (!insidePicture(x, y, width, height))
		return false;
	double angle = 0, radius = 0;
	plainPolar(x - width / 2, y - height / 2, angle, radius);
	plainTurnedPoint(angle, radius, turn, width, height, x, y);
	return insidePicture(x, y, width, height);
}

// Colour of the picture at the point rounded to a pixel, the pixel wrapping around it.
int plainSample(const ImageHandle& image, double x, double y)
{
	const int width = image.getWidth();
	const int height = image.getHeight();
	const int px = ((static_cast<int>(x + 0.5) % width) + width) % width;
	const int py = ((static_cast<int>(y + 0.5) % height) + height) % height;
	return static_cast<int>(image.getImageData()->getRawPixel(px, py) & colourBits);
}

// Stands in for a surface's whole filter chain: moves, zooms and clips each point as the
// chain's filters would, then stores it itself.
class PlainChain : public FilterPoints
{
public:
	PlainChain(BaseEngine& engine, FilterPoints* real) : m_engine(engine), m_real(real)
	{
		for (FilterPoints* filter = real; filter != nullptr;)
		{
			if (filter == engine.getEngineFilter())
			{
				m_steps.push_back({Step::clip, 0, 0, 0, 0});
				filter = nullptr;
			}
			else if (auto* move = dynamic_cast<FilterPointsTranslation*>(filter))
			{
				m_steps.push_back({Step::move, move->getXOffset(), move->getYOffset(), 0, 0});
				filter = move->getNext();
			}
			else if (auto* zoom = dynamic_cast<FilterPointsScaling*>(filter))
			{
				m_steps.push_back(
					{Step::zoom, zoom->getXStretch(), zoom->getYStretch(), zoom->getXCompress(), zoom->getYCompress()});
				filter = zoom->getNext();
			}
			else
			{
				ADD_FAILURE() << "a filter this test does not know";
				filter = nullptr;
			}
		}
	}

	bool filterPoint(PixelSurface* surface, int& x, int& y, unsigned int& colour) override
	{
		pass(surface->getSDLSurface(), 0, x, y, colour);
		return false;
	}
	// Conversions are not drawing: the real chain's serve.
	int fromScreenX(int x) override { return m_real ? m_real->fromScreenX(x) : x; }
	int fromScreenY(int y) override { return m_real ? m_real->fromScreenY(y) : y; }
	int toScreenX(int x) override { return m_real ? m_real->toScreenX(x) : x; }
	int toScreenY(int y) override { return m_real ? m_real->toScreenY(y) : y; }

private:
	struct Step
	{
		enum Kind { move, zoom, clip } kind;
		int a, b, c, d; // move: dx, dy; zoom: x stretch, y stretch, x compress, y compress
	};

	void pass(SDL_Surface* target, size_t index, int x, int y, unsigned int colour) const
	{
		if (index == m_steps.size())
		{
			if (x >= 0 && y >= 0 && x < target->w && y < target->h)
				static_cast<uint32_t*>(target->pixels)[y * (target->pitch / 4) + x] = colour | opaque;
			return;
		}
		const Step& step = m_steps[index];
		if (step.kind == Step::move)
			pass(target, index + 1, x + step.a, y + step.b, colour);
		else if (step.kind == Step::clip)
		{
			if (clipAccepts(x, y))
				pass(target, index + 1, x, y, colour);
		}
		else
		{
			const int columns = step.a < 2 ? 1 : step.a;
			const int rows = step.b < 2 ? 1 : step.b;
			for (int i = 0; i < columns; ++i)
				for (int j = 0; j < rows; ++j)
					pass(target, index + 1, step.a < 2 ? x / step.c : x * step.a + i,
						step.b < 2 ? y / step.d : y * step.b + j, colour);
		}
	}
	bool clipAccepts(int x, int y) const
	{
		if (x < 0 || y < 0 || x >= m_engine.getWindowWidth() || y >= m_engine.getWindowHeight())
			return false;
		if (!m_engine.isRedrawPending() || m_engine.isWholeScreenRedraw())
			return true;
		return x >= m_engine.getDirtyScreenLeft() && x <= m_engine.getDirtyScreenRight()
			&& y >= m_engine.getDirtyScreenTop() && y <= m_engine.getDirtyScreenBottom();
	}

	BaseEngine& m_engine;
	FilterPoints* m_real;
	std::vector<Step> m_steps;
};

// Stands in for an object's mapping: turns with the direct formula in place of the framework's
// turn, forwards any other mapping, and samples the picture itself.
class PlainMapping : public CoordinateMapping
{
public:
	explicit PlainMapping(CoordinateMapping* real) : m_real(real ? real : &defaultCroppedMapping) {}

	bool mapCoordinates(double& x, double& y, const ImageHandle& image) override
	{
		m_image = &image;
		const bool drawn = typeid(*m_real) == typeid(CoordinateMappingRotate)
			? plainTurn(x, y, image.getWidth(), image.getHeight(), static_cast<CoordinateMappingRotate*>(m_real)->getRotation())
			: m_real->mapCoordinates(x, y, image);
		m_sampleX = x;
		m_sampleY = y;
		return drawn;
	}
	bool filterPixelColour(int x, int y, int& colour, PixelSurface* surface) override
	{
		colour = plainSample(*m_image, m_sampleX, m_sampleY);
		return m_real->filterPixelColour(x, y, colour, surface);
	}

private:
	CoordinateMapping* m_real;
	const ImageHandle* m_image = nullptr;
	double m_sampleX = 0;
	double m_sampleY = 0;
};

// Into a buffer kept between frames: fresh window-sized buffers for every frame cost more than drawing it.
void copyForeground(BaseEngine& engine, std::vector<uint32_t>& pixels)
{
	SDL_Surface* surface = engine.getForegroundSurface()->getSDLSurface();
	const uint32_t* first = static_cast<const uint32_t*>(surface->pixels);
	pixels.assign(first, first + surface->h * (surface->pitch / 4));
}

void restoreForeground(BaseEngine& engine, const std::vector<uint32_t>& pixels)
{
	std::memcpy(engine.getForegroundSurface()->getSDLSurface()->pixels, pixels.data(), pixels.size() * sizeof(uint32_t));
}

// The three engines of the table, each brought to its first frame.
struct Scenes
{
	Scenes()
	{
		useHeadlessDrivers();
		game = std::make_unique<TV4Engine>();
		gameHarness = std::make_unique<EngineHarness>(*game);
		mapping = std::make_unique<MappingDemo>();
		mappingHarness = std::make_unique<EngineHarness>(*mapping, 0);
		jigsaw = std::make_unique<JigsawDemo>(jigsawStatePath);
		jigsawHarness = std::make_unique<EngineHarness>(*jigsaw);
		std::srand(29);
		initialised = gameHarness->initialise() == 0 && mappingHarness->initialise() == 0
			&& jigsawHarness->initialise() == 0;
		if (!initialised)
			return;
		gameHarness->step();
		game->changeState(new StateLevel1(game.get()), TV4Engine::redrawObjectsThenBackground, TV4Engine::noTrack, true);
		// Far enough into the level for the first alien to have entered and moved.
		gameHarness->advanceClock(2500);
		gameHarness->step();
		mappingHarness->step();
		jigsawHarness->step();
	}
	~Scenes()
	{
		for (BaseEngine* engine : {static_cast<BaseEngine*>(game.get()), static_cast<BaseEngine*>(mapping.get()),
				 static_cast<BaseEngine*>(jigsaw.get())})
			engine->deinitialise();
		std::remove(jigsawStatePath.c_str());
	}

	StateLevel* level() { return dynamic_cast<StateLevel*>(game->getCurrentState()); }
	// Asteroid angles, then zoom factor (both axes) and scroll of the level's filters.
	void levelView(double angle, int zoom, int dx, int dy)
	{
		for (int i = 0; i < StateLevel::rotationCount; ++i)
			level()->getRotation(i)->setRotation(angle * (i + 1) * (i % 2 ? -1 : 1));
		FilterPointsTranslation* scroll = level()->getTranslationFilter();
		scroll->setOffset(dx, dy);
		static_cast<FilterPointsScaling*>(scroll->getNext())->setFactors(zoom, zoom);
	}
	void jigsawView(int zoom, int dx, int dy)
	{
		jigsaw->getScaling().setFactors(zoom, zoom);
		jigsaw->getTranslation().setOffset(dx, dy);
	}

	std::string jigsawStatePath = "/tmp/pixel-identity-jigsaw-" + std::to_string(getpid()) + ".txt";
	std::unique_ptr<TV4Engine> game;
	std::unique_ptr<EngineHarness> gameHarness;
	std::unique_ptr<MappingDemo> mapping;
	std::unique_ptr<EngineHarness> mappingHarness;
	std::unique_ptr<JigsawDemo> jigsaw;
	std::unique_ptr<EngineHarness> jigsawHarness;
	bool initialised = false;
};

struct FrameRow
{
	std::string name;
	std::function<BaseEngine&(Scenes&)> engine;
	std::function<void(Scenes&)> prepare;
	SDL_Rect dirty; // w == 0: the whole window
};

std::vector<FrameRow> frameTable()
{
	auto game = [](Scenes& s) -> BaseEngine& { return *s.game; };
	auto mapping = [](Scenes& s) -> BaseEngine& { return *s.mapping; };
	auto jigsaw = [](Scenes& s) -> BaseEngine& { return *s.jigsaw; };
	const SDL_Rect whole = {0, 0, 0, 0};
	std::vector<FrameRow> rows;
	const int asteroidAngles = 24;
	for (int k = 0; k < asteroidAngles; ++k)
	{
		const double angle = 0.37 * k - 1.1;
		rows.push_back({"level 1, asteroids at " + std::to_string(angle), game,
			[angle](Scenes& s) { s.levelView(angle, 0, 0, 0); }, whole});
	}
	rows.push_back({"level 1 zoomed in and scrolled", game, [](Scenes& s) { s.levelView(0.8, 1, -130, 45); }, whole});
	rows.push_back({"level 1 zoomed out and scrolled", game, [](Scenes& s) { s.levelView(2.3, -1, 70, -20); }, whole});
	rows.push_back({"level 1 dirty rectangle over life icons and an asteroid", game, [](Scenes& s) { s.levelView(1.7, 0, 0, 0); },
		{20, 50, 40, 300}});
	for (int time : {0, 1230, 5670})
		rows.push_back({"mapping demo at game time " + std::to_string(time), mapping,
			[time](Scenes& s) {
				s.mappingHarness->advanceClock(time - s.mapping->getGameTime());
				s.mappingHarness->step(0);
			},
			whole});
	rows.push_back({"mapping demo dirty rectangle", mapping, [](Scenes&) {}, {480, 470, 60, 50}});
	rows.push_back({"jigsaw", jigsaw, [](Scenes& s) { s.jigsawView(0, 0, 0); }, whole});
	rows.push_back({"jigsaw zoomed in and scrolled", jigsaw, [](Scenes& s) { s.jigsawView(1, -90, -40); }, whole});
	rows.push_back({"jigsaw zoomed out and scrolled", jigsaw, [](Scenes& s) { s.jigsawView(-1, 30, 60); }, whole});
	rows.push_back({"jigsaw dirty rectangle", jigsaw, [](Scenes& s) { s.jigsawView(0, 0, 0); }, {300, 250, 200, 100}});
	return rows;
}

void requestFrame(BaseEngine& engine, const SDL_Rect& dirty)
{
	if (dirty.w == 0)
		engine.requestFullRedraw();
	else
		engine.redrawArea(dirty.x, dirty.y, dirty.w, dirty.h);
}

// The same frame with the plain stand-ins in place of the surfaces' chains and the objects' mappings.
void drawPlainFrame(BaseEngine& engine, const SDL_Rect& dirty)
{
	PixelSurface* surfaces[] = {engine.getForegroundSurface(), engine.getBackgroundSurface()};
	FilterPoints* realFilters[] = {surfaces[0]->getFilter(), surfaces[1]->getFilter()};
	PlainChain plainForeground(engine, realFilters[0]);
	PlainChain plainBackground(engine, realFilters[1]);
	surfaces[0]->setFilter(&plainForeground);
	surfaces[1]->setFilter(&plainBackground);
	std::vector<MappableImageObject*> mapped = objectsOfType<MappableImageObject>(engine);
	std::vector<std::unique_ptr<PlainMapping>> plainMappings;
	std::vector<CoordinateMapping*> realMappings;
	for (MappableImageObject* object : mapped)
	{
		realMappings.push_back(object->getMapping());
		plainMappings.push_back(std::make_unique<PlainMapping>(object->getMapping()));
		object->setMapping(plainMappings.back().get());
	}

	requestFrame(engine, dirty);
	engine.renderFrame();

	for (size_t i = 0; i < mapped.size(); ++i)
		mapped[i]->setMapping(realMappings[i]);
	surfaces[0]->setFilter(realFilters[0]);
	surfaces[1]->setFilter(realFilters[1]);
}
} // namespace

TEST(PixelIdentityTest, FramesDrawnThroughTheShortcutsMatchThePlainFormulas)
{
	Scenes scenes;
	ASSERT_TRUE(scenes.initialised);
	ASSERT_NE(nullptr, scenes.level());
	std::vector<uint32_t> before, drawn, plain;
	for (const FrameRow& row : frameTable())
	{
		BaseEngine& engine = row.engine(scenes);
		row.prepare(scenes);
		copyForeground(engine, before);
		requestFrame(engine, row.dirty);
		engine.renderFrame();
		copyForeground(engine, drawn);
		restoreForeground(engine, before);
		drawPlainFrame(engine, row.dirty);
		copyForeground(engine, plain);

		const int perRow = engine.getForegroundSurface()->getSDLSurface()->pitch / 4;
		int differing = 0;
		size_t first = 0;
		for (size_t i = 0; i < drawn.size(); ++i)
			if (drawn[i] != plain[i] && differing++ == 0)
				first = i;
		EXPECT_EQ(0, differing) << row.name << ": first at (" << first % perRow << ", " << first / perRow << ")";
	}
}

// Sample points depend only on the picture's size, so each size is checked once, at every
// offset and at 3,600 angles over the whole range the angle-sum serves, densest near no turn
// where the game's turns begin (every eighth angle in the sanitizer build, to stay quick).
TEST(PixelIdentityTest, TurnedPicturesSampleTheDirectFormulasPixelsAtEveryAngle)
{
	const char* const pictures[] = {"images/HandDrawnAsteroid.png", "images/HandDrawnAsteroidBrown.png",
		"images/HandDrawnAsteroidBrownMedium.png", "images/HandDrawnAsteroidMedium.png", "demo.png", "demo2a.png",
		"demo2b.png"};
	const int angleCount = 3600;
#if defined(__SANITIZE_ADDRESS__)
	const int angleStep = 8;
#else
	const int angleStep = 1;
#endif
	std::set<std::pair<int, int>> checkedSizes;
	for (const char* name : pictures)
	{
		ImageHandle picture = ImageManager::loadImage(name);
		ASSERT_TRUE(picture.isLoaded()) << name;
		const int width = picture.getWidth();
		const int height = picture.getHeight();
		if (!checkedSizes.insert({width, height}).second)
			continue;
		std::vector<std::pair<double, double>> polar(static_cast<size_t>(width) * height);
		for (int i = 0; i < height; ++i)
			for (int j = 0; j < width; ++j)
				plainPolar(j - width / 2, i - height / 2, polar[i * width + j].first, polar[i * width + j].second);

		CoordinateMappingRotate mapping;
		long differing = 0;
		for (int k = 0; k < angleCount; k += angleStep)
		{
			const double share = static_cast<double>(k - angleCount / 2) / (angleCount / 2);
			const double turn = CoordinateMappingRotate::angleSumLimit * share * share * share;
			mapping.setRotation(turn);
			for (int i = 0; i < height; ++i)
				for (int j = 0; j < width; ++j)
				{
					double x = j, y = i;
					const bool drawn = mapping.mapCoordinates(x, y, picture);
					double px = 0, py = 0;
					plainTurnedPoint(polar[i * width + j].first, polar[i * width + j].second, turn, width, height, px, py);
					const bool plainDrawn = insidePicture(px, py, width, height);
					if (drawn != plainDrawn
						|| (drawn && (static_cast<int>(x + 0.5) != static_cast<int>(px + 0.5)
									  || static_cast<int>(y + 0.5) != static_cast<int>(py + 0.5))))
						++differing;
				}
		}
		EXPECT_EQ(0, differing) << name;
	}
	ImageManager::deleteInstance();
}
