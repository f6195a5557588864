// Cost of drawing a 100 x 100 picture pixel by pixel (transparent colour, rotating mapping,
// 2x zoom through the scaling filter) beside a plain SDL blit of the same picture, and of
// a cache hit. Run under SDL_VIDEODRIVER=dummy.

#include <benchmark/benchmark.h>

#include <SDL.h>
#include <SDL_image.h>

#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "BaseEngine.h"
#include "CoordinateMappingRotate.h"
#include "FilterPointsScaling.h"
#include "ImageHandle.h"
#include "ImageManager.h"
#include "RawImageData.h"

namespace
{
const int pictureSize = 100;
const int picturePixels = pictureSize * pictureSize;
const int drawX = 200;
const int drawY = 150;

// Writes the picture once: a colour pattern with one colour in every seventh pixel to leave out.
std::string benchPicture()
{
	static std::string path;
	if (path.empty())
	{
		path = "/tmp/image-bench-" + std::to_string(getpid()) + ".png";
		SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, pictureSize, pictureSize, 32, SDL_PIXELFORMAT_ARGB8888);
		Uint32* pixels = static_cast<Uint32*>(surface->pixels);
		for (int y = 0; y < pictureSize; y++)
			for (int x = 0; x < pictureSize; x++)
				pixels[y * surface->pitch / 4 + x] = (x + y) % 7 == 0 ? 0xFFFF00FFu : (0xFF000000u | (x << 16) | (y << 8) | 0x40);
		IMG_SavePNG(surface, path.c_str());
		SDL_FreeSurface(surface);
		std::atexit([] { unlink(path.c_str()); });
	}
	return path;
}

BaseEngine& imageEngine()
{
	static std::unique_ptr<BaseEngine> engine;
	if (!engine)
	{
		setenv("SDL_VIDEODRIVER", "dummy", 0);
		setenv("SDL_AUDIODRIVER", "dummy", 0);
		engine = std::make_unique<BaseEngine>();
		if (engine->initialise("image bench", 1000, 700, "Cornerstone Regular.ttf", 24) != 0)
			std::abort();
	}
	return *engine;
}

ImageHandle transparentPicture()
{
	ImageHandle image = ImageManager::loadImage(benchPicture(), true);
	image.setTransparencyColour(0xFF00FF);
	return image;
}

void reportPixels(benchmark::State& state, int pixelsPerIteration)
{
	state.SetItemsProcessed(state.iterations() * pixelsPerIteration);
	state.counters["ns_per_pixel"] = benchmark::Counter(static_cast<double>(state.iterations()) * pixelsPerIteration,
		benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
} // namespace

void BM_ImageDrawTransparentColour(benchmark::State& state)
{
	BaseEngine& engine = imageEngine();
	ImageHandle image = transparentPicture();
	PixelSurface* surface = engine.getForegroundSurface();
	surface->mySDLLockSurface();
	for (auto _ : state)
		image.render(surface, 0, 0, drawX, drawY, pictureSize, pictureSize);
	surface->mySDLUnlockSurface();
	reportPixels(state, picturePixels);
}
BENCHMARK(BM_ImageDrawTransparentColour);

void BM_ImageDrawThroughRotatingMapping(benchmark::State& state)
{
	BaseEngine& engine = imageEngine();
	ImageHandle image = transparentPicture();
	CoordinateMappingRotate rotation(0.3);
	PixelSurface* surface = engine.getForegroundSurface();
	surface->mySDLLockSurface();
	for (auto _ : state)
		image.renderThroughMapping(&engine, surface, drawX, drawY, pictureSize, pictureSize, &rotation);
	surface->mySDLUnlockSurface();
	reportPixels(state, picturePixels);
}
BENCHMARK(BM_ImageDrawThroughRotatingMapping);

// Counted per screen pixel written: each picture pixel becomes a 2 x 2 block.
void BM_ImageDrawZoomed2xThroughScalingFilter(benchmark::State& state)
{
	BaseEngine& engine = imageEngine();
	ImageHandle image = transparentPicture();
	PixelSurface* surface = engine.getForegroundSurface();
	FilterPointsScaling zoom(1, 1, engine.getEngineFilter());
	surface->setFilter(&zoom);
	surface->mySDLLockSurface();
	for (auto _ : state)
		image.render(surface, 0, 0, drawX / 2, drawY / 2, pictureSize, pictureSize);
	surface->mySDLUnlockSurface();
	surface->setFilter(engine.getEngineFilter());
	reportPixels(state, 4 * picturePixels);
}
BENCHMARK(BM_ImageDrawZoomed2xThroughScalingFilter);

// The same 2x zoom drawn by the handle's scaled way (one SDL blit with alpha).
void BM_ImageDrawScaled2xBlit(benchmark::State& state)
{
	BaseEngine& engine = imageEngine();
	ImageHandle image = transparentPicture();
	PixelSurface* surface = engine.getForegroundSurface();
	surface->mySDLLockSurface();
	for (auto _ : state)
		image.renderScaled(&engine, surface, drawX, drawY, 2 * pictureSize, 2 * pictureSize, 0, 0, pictureSize, pictureSize);
	surface->mySDLUnlockSurface();
	reportPixels(state, 4 * picturePixels);
}
BENCHMARK(BM_ImageDrawScaled2xBlit);

// The floor: SDL_BlitSurface of the same picture's surface.
void BM_ImagePlainSdlBlitFloor(benchmark::State& state)
{
	BaseEngine& engine = imageEngine();
	ImageHandle image = transparentPicture();
	SDL_Surface* source = image.getImageData()->getSurface();
	SDL_Surface* target = engine.getForegroundSurface()->getSDLSurface();
	for (auto _ : state)
	{
		SDL_Rect destination = { drawX, drawY, pictureSize, pictureSize };
		SDL_BlitSurface(source, nullptr, target, &destination);
	}
	reportPixels(state, picturePixels);
}
BENCHMARK(BM_ImagePlainSdlBlitFloor);

void BM_ImageCacheHit(benchmark::State& state)
{
	const std::string name = benchPicture();
	ImageHandle keep = ImageManager::loadImage(name, true);
	ImageManager* cache = ImageManager::getInstance();
	for (auto _ : state)
		benchmark::DoNotOptimize(cache->getImage(name, true, false));
	state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ImageCacheHit);
