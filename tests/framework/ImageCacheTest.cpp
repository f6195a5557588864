// The image cache: one load per name, sharing, pinning, dropping with the last handle,
// copies by derived keys, and the lines it prints.

#include <gtest/gtest.h>

#include "EngineHarness.h"
#include "ImageHandle.h"
#include "ImageManager.h"
#include "TestImages.h"

namespace
{
class ImageCacheTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		demo = images.writePng("demo.png", 6, 4, patternColour);
		other = images.writePng("other.png", 3, 7, patternColour);
	}
	void TearDown() override { ImageManager::deleteInstance(); }

	ImageManager& cache() { return *ImageManager::getInstance(); }

	// Runs the action and returns what it printed.
	template <typename Action> std::string printedBy(Action action)
	{
		OutputCapture capture;
		capture.start();
		action();
		return capture.stop();
	}

	static int count(const std::string& text, const std::string& part)
	{
		int n = 0;
		for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
			n++;
		return n;
	}

	TestImageDirectory images;
	std::string demo;
	std::string other;
};
}

TEST_F(ImageCacheTest, SameNameLoadsOnceAndShares)
{
	ImageHandle first, second;
	const std::string printed = printedBy([&] {
		first = cache().getImage(demo, true, false);
		second = cache().getImage(demo, true, false);
	});
	EXPECT_EQ("\t\t+++ Load image: " + demo + "\n", printed);
	ASSERT_TRUE(first.isLoaded());
	EXPECT_EQ(first.getRawImageData(), second.getRawImageData());
	EXPECT_EQ(6, second.getWidth());
	EXPECT_EQ(-1, second.getTransparencyColour());
	EXPECT_EQ(demo, second.getURL());
}

TEST_F(ImageCacheTest, LookupWithoutLoadingPrintsNothing)
{
	std::shared_ptr<RawImageData> found;
	const std::string printed = printedBy([&] { found = cache().getImagePtrbyURL(demo, false, false); });
	EXPECT_EQ(nullptr, found);
	EXPECT_EQ("", printed);
}

TEST_F(ImageCacheTest, UnpinnedImageGoesWithItsLastHandle)
{
	std::weak_ptr<RawImageData> watch;
	{
		ImageHandle handle = ImageManager::loadImage(demo);
		ImageHandle copy = handle;
		watch = handle.getRawImageData();
		EXPECT_TRUE(cache().isCached(demo));
	}
	EXPECT_TRUE(watch.expired());
	EXPECT_FALSE(cache().getImage(demo, false, false).isLoaded());
	const std::string printed = printedBy([&] { cache().getImage(demo, true, false); });
	EXPECT_EQ(1, count(printed, "+++ Load image: "));
}

TEST_F(ImageCacheTest, PinnedImageOutlivesItsHandles)
{
	ImageManager::loadImage(demo, true);
	ImageHandle again = cache().getImage(demo, false, false);
	EXPECT_TRUE(again.isLoaded());
	EXPECT_TRUE(cache().isPinned(demo));
}

TEST_F(ImageCacheTest, AskingAgainWithKeepDoesNotPinAFoundImage)
{
	ImageHandle first = cache().getImage(demo, true, false);
	ImageHandle second = cache().getImage(demo, true, true);
	EXPECT_EQ(first.getRawImageData(), second.getRawImageData());
	EXPECT_FALSE(cache().isPinned(demo));
}

TEST_F(ImageCacheTest, FailedLoadPrintsBothLinesAndIsTriedAgain)
{
	const std::string missing = images.file("missing.png");
	ImageHandle handle;
	const std::string printed = printedBy([&] { handle = cache().getImage(missing, true, true); });
	EXPECT_EQ("\t\t+++ Load image: " + missing + "\nFailed to load image " + missing
			+ "\nImageManager::getImagePtrbyURL() : Failed to load image " + missing + "\n",
		printed);
	EXPECT_FALSE(handle.isLoaded());
	EXPECT_EQ(0, handle.getWidth());
	EXPECT_EQ(0, handle.getHeight());
	EXPECT_EQ("", handle.getURL());
	EXPECT_FALSE(cache().isPinned(missing));

	images.writePng("missing.png", 2, 2, patternColour);
	EXPECT_TRUE(cache().getImage(missing, true, false).isLoaded());
}

TEST_F(ImageCacheTest, BackslashedNameIsItsOwnKeyForTheSameFile)
{
	images.writePng("images/cards.png", 5, 5, patternColour);
	const std::string asWritten = images.path() + "/images\\cards.png";
	ImageHandle handle = cache().getImage(asWritten, true, false);
	ASSERT_TRUE(handle.isLoaded());
	EXPECT_EQ(5, handle.getWidth());
	EXPECT_EQ(asWritten, handle.getURL());
	EXPECT_TRUE(cache().isCached(asWritten));
	EXPECT_FALSE(cache().isCached(images.file("images/cards.png")));
}

TEST_F(ImageCacheTest, ResizedAndShrunkCopiesAreSharedByTheirKeys)
{
	ImageHandle source = cache().getImage(demo, true, false);
	source.setTransparencyColour(static_cast<int>(patternColour(0, 0) & 0xFFFFFF));

	ImageHandle tall = cache().getResizedImage(source, 10, 20);
	ImageHandle tallAgain = cache().getResizedImage(source, 10, 20);
	ImageHandle wide = cache().getResizedImage(source, 20, 10);
	EXPECT_EQ(tall.getRawImageData(), tallAgain.getRawImageData());
	EXPECT_NE(tall.getRawImageData(), wide.getRawImageData());
	EXPECT_TRUE(cache().isCached("#R10#20#" + demo));
	EXPECT_EQ(-1, tall.getTransparencyColour());
	EXPECT_EQ(10, tall.getWidth());
	EXPECT_EQ(20, tall.getHeight());

	ImageHandle half = cache().getShrunkImage(source, 2);
	EXPECT_EQ(half.getRawImageData(), cache().getShrunkImage(source, 2).getRawImageData());
	EXPECT_TRUE(cache().isCached("#S2#" + demo));
	EXPECT_EQ(3, half.getWidth());
	EXPECT_EQ(2, half.getHeight());
	EXPECT_FALSE(cache().isPinned("#S2#" + demo));
}

TEST_F(ImageCacheTest, CopiesOfUnnamedOrEmptyImagesAreNotConfused)
{
	ImageHandle first = cache().getImage(demo, true, false).makeShrunkCopy(1);
	ImageHandle second = cache().getImage(other, true, false).makeShrunkCopy(1);
	ImageHandle firstResized = cache().getResizedImage(first, 2, 2);
	ImageHandle secondResized = cache().getResizedImage(second, 2, 2);
	EXPECT_NE(firstResized.getRawImageData(), secondResized.getRawImageData());
	EXPECT_EQ(first.getPixelColour(0, 0), firstResized.getPixelColour(0, 0));
	EXPECT_EQ(second.getPixelColour(0, 0), secondResized.getPixelColour(0, 0));

	EXPECT_FALSE(cache().getResizedImage(ImageHandle(), 4, 4).isLoaded());
	EXPECT_FALSE(cache().getShrunkImage(ImageHandle(), 2).isLoaded());
	EXPECT_FALSE(cache().getShrunkImage(first, 0).isLoaded());
}

TEST_F(ImageCacheTest, DeletingTheCacheReleasesPinnedImagesAndStartsAfresh)
{
	std::weak_ptr<RawImageData> watch = cache().getImagePtrbyURL(demo, true, true);
	EXPECT_FALSE(watch.expired());
	ImageManager::deleteInstance();
	EXPECT_TRUE(watch.expired());
	EXPECT_FALSE(cache().isCached(demo));
}
