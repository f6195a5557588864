// Image, dragable and mappable objects in a running engine: their size, drawing (also
// inside a dirty rectangle), dragging by real mouse events, and pictures that fail to load.

#include <gtest/gtest.h>

#include "BaseEngine.h"
#include "CoordinateMappingRotate.h"
#include "DragableImageObject.h"
#include "DragableObject.h"
#include "EngineHarness.h"
#include "ImageManager.h"
#include "ImageObject.h"
#include "MappableImageObject.h"
#include "TestImages.h"

namespace
{
// Lets the tests see whether mouse events are forwarded to every object.
class ProbeEngine : public BaseEngine
{
public:
	bool forwardsMouseToObjects() const { return m_mouseEventsToObjects; }
};

const unsigned int white = 0xFFFFFF;

// A 40 x 30 picture in a white frame: the bottom-right (mask) colour is white.
uint32_t framedPicture(int x, int y)
{
	return (x == 0 || y == 0 || x == 39 || y == 29) ? 0xFFFFFFFFu : patternColour(x, y);
}

class ImageObjectTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_EQ(0, harness.initialise());
		picture = images.writePng("framed.png", 40, 30, framedPicture);
		missing = images.file("missing.png");
		harness.step();
		background = harness.foregroundPixel(500, 500);
	}
	void TearDown() override
	{
		engine.removeAllObjects(true);
		ImageManager::deleteInstance();
		engine.deinitialise();
	}

	template <typename Object> Object* add(Object* object)
	{
		engine.appendObject(object);
		return object;
	}
	unsigned int pixel(int x, int y) const { return harness.foregroundPixel(x, y); }
	static unsigned int picturePixel(int x, int y) { return framedPicture(x, y) & 0xFFFFFF; }

	ProbeEngine engine;
	EngineHarness harness{ engine };
	TestImageDirectory images;
	std::string picture;
	std::string missing;
	unsigned int background = 0;
};
}

TEST_F(ImageObjectTest, ImageObjectTakesThePicturesSizeAfterTheProvisionalClamp)
{
	ImageObject centred(10, 10, &engine, picture, false, true);
	EXPECT_EQ(40, centred.getDrawWidth());
	EXPECT_EQ(30, centred.getDrawHeight());
	EXPECT_EQ(50, centred.getX()); // clamped as a centred 100 x 100 object
	EXPECT_EQ(30, centred.getLeftEdge());
	EXPECT_EQ(35, centred.getTopEdge());
	EXPECT_FALSE(engine.forwardsMouseToObjects());

	ImageObject hidden(0, 0, &engine, picture, true, false);
	EXPECT_FALSE(hidden.isVisible());
}

TEST_F(ImageObjectTest, ImageObjectDrawsWithItsMaskColourLeftOut)
{
	add(new ImageObject(100, 100, &engine, picture, true, true));
	engine.requestFullRedraw();
	harness.step();
	EXPECT_EQ(picturePixel(5, 6), pixel(105, 106));
	EXPECT_EQ(picturePixel(38, 28), pixel(138, 128));
	EXPECT_EQ(background, pixel(100, 100)); // the white frame is the mask
	EXPECT_EQ(background, pixel(139, 129));
	EXPECT_EQ(background, pixel(140, 110));
}

TEST_F(ImageObjectTest, PartialRedrawDrawsImagesOnlyInsideTheDirtyRectangle)
{
	ImageObject* object = add(new ImageObject(100, 100, &engine, picture, true, true));
	MappableImageObject* mapped = add(new MappableImageObject(nullptr, 100, 300, &engine, picture, true, true));
	engine.requestFullRedraw();
	harness.step();

	object->setPosition(300, 100);
	mapped->setPosition(300, 300);
	engine.redrawArea(300, 100, 20, 30);
	engine.redrawArea(300, 300, 20, 30);
	harness.step();
	EXPECT_EQ(picturePixel(5, 5), pixel(305, 105));
	EXPECT_EQ(background, pixel(325, 105)); // drawn outside the dirty area: dropped
	EXPECT_EQ(picturePixel(5, 5), pixel(105, 105)); // the old place was not rebuilt
	EXPECT_EQ(picturePixel(5, 5), pixel(305, 305));
	EXPECT_EQ(background, pixel(325, 305));
}

TEST_F(ImageObjectTest, DragableImageFollowsTheMouseFromPressToRelease)
{
	DragableImageObject* object = add(new DragableImageObject(100, 100, &engine, picture, true, true));
	EXPECT_TRUE(engine.forwardsMouseToObjects());

	harness.drag(110, 110, 210, 160);
	EXPECT_EQ(200, object->getX());
	EXPECT_EQ(150, object->getY());
	EXPECT_FALSE(object->isBeingDragged());
	EXPECT_EQ(picturePixel(5, 5), pixel(205, 155));

	harness.drag(10, 10, 300, 300); // pressed outside: stays
	EXPECT_EQ(200, object->getX());

	harness.pushMouseMove(400, 400);
	harness.step();
	EXPECT_EQ(200, object->getX());
}

TEST_F(ImageObjectTest, DragsAreNotClampedToTheWindow)
{
	DragableObject* box = add(new DragableObject(100, 100, &engine, 50, 50, true, true));
	harness.drag(120, 120, -30, 120);
	EXPECT_EQ(-50, box->getX());
}

TEST_F(ImageObjectTest, ReleaseRedrawRequests)
{
	DragableObject* box = add(new DragableObject(100, 100, &engine, 50, 50, true, true));
	DragableImageObject* image = add(new DragableImageObject(300, 100, &engine, picture, true, true));
	harness.step();
	ASSERT_FALSE(engine.isRedrawPending());

	image->onMouseUp(SDL_BUTTON_LEFT, 0, 0);
	EXPECT_FALSE(engine.isRedrawPending());
	box->onMouseUp(SDL_BUTTON_LEFT, 0, 0);
	EXPECT_TRUE(engine.isRedrawPending());
}

TEST_F(ImageObjectTest, MappableImageDrawsThroughItsMapping)
{
	CoordinateMappingRotate halfTurn(3.14159265358979);
	MappableImageObject* object = add(new MappableImageObject(&halfTurn, 100, 100, &engine, picture, true, true));
	EXPECT_TRUE(engine.forwardsMouseToObjects());
	EXPECT_EQ(static_cast<int>(picturePixel(3, 4)), object->getPixelColour(3, 4));
	engine.requestFullRedraw();
	harness.step();
	// Turned half way about (20, 15): offset (5, 5) samples about (35, 25).
	EXPECT_EQ(picturePixel(35, 25), pixel(105, 105));

	object->setMapping(nullptr);
	engine.requestFullRedraw();
	harness.step();
	EXPECT_EQ(picturePixel(5, 5), pixel(105, 105));
	EXPECT_EQ(white, pixel(100, 100)); // through a mapping the mask plays no part
}

TEST_F(ImageObjectTest, ObjectsWhosePictureFailedToLoadDrawNothing)
{
	ImageObject* plain = add(new ImageObject(100, 100, &engine, missing, true, true));
	DragableImageObject* dragable = add(new DragableImageObject(200, 100, &engine, missing, true, true));
	MappableImageObject* mapped = add(new MappableImageObject(nullptr, 300, 100, &engine, missing, false, true));
	EXPECT_EQ(0, plain->getDrawWidth());
	EXPECT_EQ(0, dragable->getDrawHeight());
	EXPECT_EQ(0, mapped->getPixelColour(1, 1));
	mapped->setTransparencyColour(0);

	engine.requestFullRedraw();
	harness.step();
	harness.drag(200, 100, 250, 150);
	EXPECT_EQ(200, dragable->getX());
	EXPECT_EQ(0, 300 * 100 - harness.countForegroundPixels(50, 50, 300, 100, background));
}
