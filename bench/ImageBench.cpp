// Cost of drawing a 100 x 100 picture pixel by pixel (colour-keyed, through a rotating
// mapping, zoomed 2x through the scaling filter) and by the handle's scaled blit, each timed
// alternately with SDL drawing the same picture with the same colour left out (a colour-key
// blit, no blending); and of an image cache hit. Run under SDL_VIDEODRIVER=dummy.

#include <benchmark/benchmark.h>

#include <SDL.h>
#include <SDL_image.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "BaseEngine.h"
#include "BenchEngines.h"
#include "CoordinateMappingRotate.h"
#include "FilterPointsScaling.h"
#include "FloorRatio.h"
#include "ImageHandle.h"
#include "ImageManager.h"
#include "PlainFloors.h"
#include "RawImageData.h"

namespace
{
const int pictureSize = 100;
const int picturePixels = pictureSize * pictureSize;
const int drawX = 200;
const int drawY = 150;
const Uint32 leftOutColour = 0xFF00FF;
const int zoom = 2;
const double rotationAngle = 0.3;

// Removes the picture file when the run ends.
class PictureFile
{
public:
	PictureFile() : m_path("/tmp/image-bench-" + std::to_string(getpid()) + ".png")
	{
		SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, pictureSize, pictureSize, 32, SDL_PIXELFORMAT_ARGB8888);
		Uint32* pixels = static_cast<Uint32*>(surface->pixels);
		// A colour pattern with the left-out colour in every seventh pixel.
		for (int y = 0; y < pictureSize; y++)
			for (int x = 0; x < pictureSize; x++)
				pixels[y * surface->pitch / 4 + x] =
					(x + y) % 7 == 0 ? (0xFF000000u | leftOutColour) : (0xFF000000u | (x << 16) | (y << 8) | 0x40);
		IMG_SavePNG(surface, m_path.c_str());
		SDL_FreeSurface(surface);
	}
	~PictureFile() { std::remove(m_path.c_str()); }
	const std::string& path() const { return m_path; }

private:
	std::string m_path;
};

const std::string& benchPicture()
{
	static PictureFile file;
	return file.path();
}

BaseEngine& imageEngine()
{
	static BaseEngine* engine = BenchEngines::start(new BaseEngine());
	return *engine;
}

ImageHandle transparentPicture()
{
	ImageHandle image = ImageManager::loadImage(benchPicture(), true);
	image.setTransparencyColour(static_cast<int>(leftOutColour));
	return image;
}

// The floor: SDL draws the picture with the left-out colour keyed out.
class ColourKeyBlit
{
public:
	explicit ColourKeyBlit(const ImageHandle& image)
		: m_source(PlainFloors::colourKeyedCopy(image.getImageData()->getSurface(), leftOutColour)),
		  m_target(imageEngine().getForegroundSurface()->getSDLSurface())
	{
	}
	~ColourKeyBlit() { SDL_FreeSurface(m_source); }
	ColourKeyBlit(const ColourKeyBlit&) = delete;
	ColourKeyBlit& operator=(const ColourKeyBlit&) = delete;

	void draw(int scale = 1) const
	{
		SDL_Rect destination = {drawX, drawY, pictureSize * scale, pictureSize * scale};
		if (scale == 1)
			SDL_BlitSurface(m_source, nullptr, m_target, &destination);
		else
			SDL_BlitScaled(m_source, nullptr, m_target, &destination);
	}
	int drawnPixels() const { return PlainFloors::pixelsOtherThan(m_source, leftOutColour); }

private:
	SDL_Surface* m_source;
	SDL_Surface* m_target;
};
} // namespace

// What the per-pixel figures divide by: every pixel of the drawn rectangle, or only those
// that are not left out.
enum class PixelCount
{
	everyPicturePixel,
	drawnPixels,
};

// Times draw (the picture on the locked foreground) alternately with the colour-key blit of
// the same picture at floorScale, and reports both per pixel of the scaled picture.
template <typename Draw>
void timeAgainstColourKeyBlit(benchmark::State& state, int floorScale, PixelCount count, Draw draw)
{
	BaseEngine& engine = imageEngine();
	ImageHandle image = transparentPicture();
	ColourKeyBlit floor(image);
	PixelSurface* surface = engine.getForegroundSurface();
	engine.requestFullRedraw();
	FloorRatio ratio;
	for (auto _ : state)
	{
		surface->mySDLLockSurface();
		ratio.timeSubject([&] { draw(engine, image, *surface); });
		surface->mySDLUnlockSurface();
		ratio.timeFloor([&] { floor.draw(floorScale); });
	}
	const double picture = count == PixelCount::everyPicturePixel ? picturePixels : floor.drawnPixels();
	const double pixels = floorScale * floorScale * picture;
	ratio.report(state, pixels, pixels);
}

// Per drawn pixel: both leave out the same pixels, so the ratio is the per-pixel ratio too.
void BM_ImageDrawColourKeyed(benchmark::State& state)
{
	timeAgainstColourKeyBlit(state, 1, PixelCount::drawnPixels,
		[](BaseEngine&, ImageHandle& image, PixelSurface& surface) {
			image.render(&surface, 0, 0, drawX, drawY, pictureSize, pictureSize);
		});
}
BENCHMARK(BM_ImageDrawColourKeyed)->Apply(FloorRatio::repeated);

// Per destination pixel: the mapping visits every pixel of the same 100 x 100 rectangle.
void BM_ImageDrawThroughRotatingMapping(benchmark::State& state)
{
	CoordinateMappingRotate rotation(rotationAngle);
	timeAgainstColourKeyBlit(state, 1, PixelCount::everyPicturePixel,
		[&rotation](BaseEngine& engine, ImageHandle& image, PixelSurface& surface) {
			image.renderThroughMapping(&engine, &surface, drawX, drawY, pictureSize, pictureSize, &rotation);
		});
}
BENCHMARK(BM_ImageDrawThroughRotatingMapping)->Apply(FloorRatio::repeated);

// Per screen pixel drawn: each picture pixel becomes a 2 x 2 block; the floor is SDL's
// scaled blit of the colour-keyed copy.
void BM_ImageDrawZoomed2xThroughScalingFilter(benchmark::State& state)
{
	FilterPointsScaling scaling(zoom - 1, zoom - 1, imageEngine().getEngineFilter());
	timeAgainstColourKeyBlit(state, zoom, PixelCount::drawnPixels,
		[&scaling](BaseEngine& engine, ImageHandle& image, PixelSurface& surface) {
			surface.setFilter(&scaling);
			image.render(&surface, 0, 0, drawX / zoom, drawY / zoom, pictureSize, pictureSize);
			surface.setFilter(engine.getEngineFilter());
		});
}
BENCHMARK(BM_ImageDrawZoomed2xThroughScalingFilter)->Apply(FloorRatio::repeated);

// The same 2x zoom drawn by the handle's scaled way (one SDL blit with alpha).
void BM_ImageDrawScaled2xBlit(benchmark::State& state)
{
	timeAgainstColourKeyBlit(state, zoom, PixelCount::drawnPixels,
		[](BaseEngine& engine, ImageHandle& image, PixelSurface& surface) {
			image.renderScaled(&engine, &surface, drawX, drawY, zoom * pictureSize, zoom * pictureSize, 0, 0,
				pictureSize, pictureSize);
		});
}
BENCHMARK(BM_ImageDrawScaled2xBlit)->Apply(FloorRatio::repeated);

void BM_ImageCacheHit(benchmark::State& state)
{
	const std::string& name = benchPicture();
	ImageHandle keep = ImageManager::loadImage(name, true);
	ImageManager* cache = ImageManager::getInstance();
	for (auto _ : state)
		benchmark::DoNotOptimize(cache->getImage(name, true, false));
	state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ImageCacheHit);
