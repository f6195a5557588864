#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

#include "EndlessFifo.h"
#include "EngineHarness.h"
#include "ObjectsOfType.h"
#include "SampleSnapshot.h"
#include "SaverChecks.h"
#include "ImageManager.h"
#include "jigsaw/JigsawDemo.h"
#include "jigsaw/JigsawPiece.h"
#include "jigsaw/JigsawShapeMask.h"
#include "jigsaw/JigsawStateFile.h"
#include "jigsaw/JigsawStateLine.h"

namespace
{
const int columns = 9;
const int rows = 6;
const int pieceCount = columns * rows;
const int cell = JigsawPiece::cellSize;

// The state file, in a directory of the test's own.
std::string privateStatePath()
{
	const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
	const std::string directory = "/tmp/jigsaw-test-" + std::to_string(getpid()) + "-" + info->name();
	mkdir(directory.c_str(), 0700);
	return directory + "/jigsaw_simple_save_state.txt";
}

std::string readFile(const std::string& path)
{
	std::ifstream in(path, std::ios::binary);
	std::stringstream content;
	content << in.rdbuf();
	return content.str();
}

void writeFile(const std::string& path, const std::string& content)
{
	std::ofstream out(path, std::ios::binary | std::ios::trunc);
	out << content;
}

// What a piece shows and where, for comparing layouts.
struct PieceState
{
	int x, y, rotation, sourceX, sourceY;
	bool operator==(const PieceState& o) const
	{
		return x == o.x && y == o.y && rotation == o.rotation && sourceX == o.sourceX && sourceY == o.sourceY;
	}
};

class JigsawDemoTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		std::srand(7);
		std::remove(statePath.c_str());
		ASSERT_EQ(0, harness.initialise());
		harness.step();
	}
	void TearDown() override
	{
		std::error_code ignored;
		std::filesystem::remove_all(std::filesystem::path(statePath).parent_path(), ignored);
	}

	std::vector<JigsawPiece*> pieces() { return objectsOfType<JigsawPiece>(engine); }
	JigsawPiece* pieceWithSource(int sourceX, int sourceY)
	{
		for (JigsawPiece* piece : pieces())
			if (piece->getSourceX() == sourceX && piece->getSourceY() == sourceY)
				return piece;
		return nullptr;
	}
	std::vector<PieceState> layout()
	{
		std::vector<PieceState> states;
		for (JigsawPiece* piece : pieces())
			states.push_back({piece->getX(), piece->getY(), piece->getRotation(), piece->getSourceX(), piece->getSourceY()});
		return states;
	}

	// Every piece where a fresh shuffle lays it: on the layout grid, unturned.
	bool laidOutAfresh()
	{
		for (const PieceState& piece : layout())
			if (piece.x % 75 != 0 || piece.y % 75 != 0 || piece.x < 0 || piece.y < 0 || piece.rotation != 0)
				return false;
		return true;
	}

	// A window point on the piece that no overlay button and no piece drawn above it covers.
	bool freePointOn(JigsawPiece* piece, int& x, int& y)
	{
		const std::vector<JigsawPiece*> all = pieces();
		size_t index = 0;
		while (all[index] != piece)
			++index;
		for (int dy = 5; dy < JigsawPiece::pieceSize; dy += 10)
			for (int dx = 5; dx < JigsawPiece::pieceSize; dx += 10)
			{
				const int vx = piece->getX() + dx;
				const int vy = piece->getY() + dy;
				const int sx = engine.toScreenX(vx);
				const int sy = engine.toScreenY(vy);
				if (onButton(sx, sy) || sx < 0 || sy < 0 || sx >= 1000 || sy >= 700)
					continue;
				bool covered = false;
				for (size_t above = index + 1; above < all.size(); ++above)
					covered = covered || all[above]->containsPoint(vx, vy);
				if (!covered)
				{
					x = sx;
					y = sy;
					return true;
				}
			}
		return false;
	}
	static bool onButton(int x, int y)
	{
		const bool corner = (x < 55 || x > 945) && (y < 55 || y > 645);
		const bool centre = x > 470 && x < 530 && y > 320 && y < 380;
		return corner || centre;
	}
	// Drags the piece so that, before snapping, it would lie at (toX, toY).
	void dragPieceTo(JigsawPiece* piece, int toX, int toY)
	{
		int x = 0, y = 0;
		ASSERT_TRUE(freePointOn(piece, x, y));
		harness.drag(x, y, x + toX - piece->getX(), y + toY - piece->getY());
	}
	void pressCentreButton() { harness.click(500, 350); }

	std::string statePath = privateStatePath();
	JigsawDemo engine{statePath};
	EngineHarness harness{engine};
};
} // namespace

TEST_F(JigsawDemoTest, FreshStartLaysEverySourceOnceOnThePitchGridUnjoined)
{
	ASSERT_EQ(pieceCount + 1, engine.getObjectCount());
	const std::vector<JigsawPiece*> all = pieces();
	ASSERT_EQ(static_cast<size_t>(pieceCount), all.size());
	std::set<std::pair<int, int>> sources;
	std::set<std::pair<int, int>> places;
	for (JigsawPiece* piece : all)
	{
		EXPECT_EQ(0, piece->getX() % 75);
		EXPECT_EQ(0, piece->getY() % 75);
		EXPECT_EQ(0, piece->getRotation());
		EXPECT_TRUE(piece->getLeft() == nullptr && piece->getRight() == nullptr && piece->getAbove() == nullptr &&
			piece->getBelow() == nullptr);
		sources.insert({piece->getSourceX(), piece->getSourceY()});
		places.insert({piece->getX(), piece->getY()});
	}
	EXPECT_EQ(static_cast<size_t>(pieceCount), sources.size());
	EXPECT_EQ(static_cast<size_t>(pieceCount), places.size());
	// The table and the overlay: dark grey, the zoom buttons' white dots.
	EXPECT_EQ(0x404040u, harness.foregroundPixel(950, 500));
	EXPECT_EQ(0xFFFFFFu, harness.foregroundPixel(25, 675));
	EXPECT_EQ(0xFFFFFFu, harness.foregroundPixel(975, 675));
	EXPECT_EQ(0xFFFF00u, harness.foregroundPixel(475, 325));
	saveSampleSnapshot(harness, "jigsaw-fresh");
}

TEST_F(JigsawDemoTest, PiecesShowTheirPartOfThePictureThroughTheirOutline)
{
	const ImageHandle image = ImageManager::loadImage(JigsawDemo::imageUrl);
	JigsawPiece* middle = pieceWithSource(4 * cell, 2 * cell);
	ASSERT_NE(nullptr, middle);
	EXPECT_EQ(&engine.getMask(JigsawDemo::maskMiddle), middle->getShapeMask());
	EXPECT_EQ(&engine.getMask(JigsawDemo::maskTopLeft), pieceWithSource(0, 0)->getShapeMask());
	EXPECT_EQ(&engine.getMask(JigsawDemo::maskBottomRight), pieceWithSource(8 * cell, 5 * cell)->getShapeMask());
	EXPECT_EQ(&engine.getMask(JigsawDemo::maskTop), pieceWithSource(3 * cell, 0)->getShapeMask());
	// Inside the cell: the picture's pixel. In the left gap and beyond the tabs: the table.
	const int x = 750;
	const int y = 450;
	middle->setPosition(x, y);
	engine.requestFullRedraw();
	harness.step();
	EXPECT_EQ(static_cast<unsigned int>(image.getPixelColour(4 * cell + 40, 2 * cell + 40)), harness.foregroundPixel(x + 40, y + 40));
	EXPECT_EQ(0x404040u, harness.foregroundPixel(x + 25, y + 3));
	EXPECT_EQ(0x404040u, harness.foregroundPixel(x + 3, y + 25));
	EXPECT_EQ(0x404040u, harness.foregroundPixel(x + 65, y + 65));
	EXPECT_EQ(static_cast<unsigned int>(image.getPixelColour(4 * cell + 55, 2 * cell + 25)), harness.foregroundPixel(x + 55, y + 25));
}

TEST_F(JigsawDemoTest, QuarterTurnsMapTheSquareClockwise)
{
	JigsawPiece* piece = pieceWithSource(cell, cell);
	piece->setShapeMask(nullptr);
	const ImageHandle image = ImageManager::loadImage(JigsawDemo::imageUrl);
	double x = 69, y = 0;
	ASSERT_TRUE(piece->mapCoordinates(x, y, image));
	EXPECT_EQ(std::make_pair(50.0 + 69, 50.0 + 0), std::make_pair(x, y));
	int px = 0, py = 0;
	ASSERT_TRUE(freePointOn(piece, px, py));
	harness.click(px, py, SDL_BUTTON_RIGHT);
	EXPECT_EQ(1, piece->getRotation());
	x = 69;
	y = 0;
	ASSERT_TRUE(piece->mapCoordinates(x, y, image));
	// The picture's top-left corner now shows at the top-right.
	EXPECT_EQ(std::make_pair(50.0 + 0, 50.0 + 1), std::make_pair(x, y));
	for (int turn = 0; turn < 3; ++turn)
		harness.click(px, py, SDL_BUTTON_RIGHT);
	EXPECT_EQ(0, piece->getRotation());
}

TEST_F(JigsawDemoTest, RightClickTurnsWithoutBringingToFrontInAnyMode)
{
	JigsawPiece* piece = pieceWithSource(2 * cell, cell);
	int px = 0, py = 0;
	ASSERT_TRUE(freePointOn(piece, px, py));
	harness.click(20, 20);  // click mode 2: left clicks turn anticlockwise
	EXPECT_EQ(JigsawDemo::clickModeTurnAnticlockwise, engine.getClickMode());
	const DisplayableObject* last = engine.getObjectAt(engine.getObjectCount() - 1);
	harness.click(px, py, SDL_BUTTON_MIDDLE);
	EXPECT_EQ(1, piece->getRotation());
	EXPECT_EQ(last, engine.getObjectAt(engine.getObjectCount() - 1));
	harness.click(px, py);
	EXPECT_EQ(0, piece->getRotation());
	harness.click(px, py);
	EXPECT_EQ(3, piece->getRotation());
	EXPECT_EQ(piece, engine.getObjectAt(engine.getObjectCount() - 1));
}

TEST_F(JigsawDemoTest, CornerButtonsCycleTheClickModeAndKeepWindowPlaces)
{
	harness.click(20, 20);
	EXPECT_EQ(2, engine.getClickMode());
	EXPECT_EQ(0xFFFF00u, harness.foregroundPixel(25, 25));
	harness.click(20, 20);
	EXPECT_EQ(0, engine.getClickMode());
	harness.click(50, 20);  // the border itself is outside the button
	EXPECT_EQ(0, engine.getClickMode());
	harness.click(20, 20);
	harness.click(980, 20);
	EXPECT_EQ(1, engine.getClickMode());
	harness.tapKey(SDLK_RIGHT);
	harness.pushMouseWheel(0, 1);
	harness.step();
	harness.click(980, 20);
	EXPECT_EQ(0, engine.getClickMode());
	JigsawPiece* piece = pieceWithSource(0, cell);
	harness.click(980, 20);
	int px = 0, py = 0;
	ASSERT_TRUE(freePointOn(piece, px, py));
	harness.click(px, py);
	EXPECT_EQ(1, piece->getRotation());
	pressCentreButton();
	EXPECT_EQ(0, engine.getClickMode());
}

TEST_F(JigsawDemoTest, DroppedPiecesSnapToTheQuarterCellGrid)
{
	JigsawPiece* piece = pieceWithSource(0, 0);
	dragPieceTo(piece, 711, 512);
	EXPECT_EQ(700, piece->getX());
	EXPECT_EQ(525, piece->getY());
	dragPieceTo(piece, 736, 487);
	EXPECT_EQ(725, piece->getX());
	EXPECT_EQ(500, piece->getY());
	// Far left, past the window's edge: pan the table first so the spot can be reached.
	for (int i = 0; i < 10; ++i)
		harness.tapKey(SDLK_LEFT);
	dragPieceTo(piece, -13, 200);
	EXPECT_EQ(0, piece->getX());
	dragPieceTo(piece, -14, 200);
	EXPECT_EQ(-25, piece->getX());
}

TEST_F(JigsawDemoTest, PiecesDroppedInPlaceJoinAndThenMoveAsOneGroup)
{
	JigsawPiece* a = pieceWithSource(0, 0);
	JigsawPiece* b = pieceWithSource(cell, 0);
	JigsawPiece* c = pieceWithSource(0, cell);
	JigsawPiece* d = pieceWithSource(cell, cell);
	dragPieceTo(a, 700, 400);
	OutputCapture capture;
	capture.start();
	dragPieceTo(b, 752, 397);  // snaps to (750, 400)
	dragPieceTo(c, 700, 450);
	dragPieceTo(d, 750, 450);
	const std::string output = capture.stop();
	EXPECT_NE(std::string::npos, output.find("checkJoinLeft success\n"));
	EXPECT_NE(std::string::npos, output.find("checkJoinBottom success\n"));
	EXPECT_EQ(a, b->getLeft());
	EXPECT_EQ(b, a->getRight());
	EXPECT_EQ(a, c->getAbove());
	EXPECT_EQ(c, d->getLeft());
	EXPECT_EQ(b, d->getAbove());
	saveSampleSnapshot(harness, "jigsaw-joined");

	// The 2 x 2 block is a cycle of links; each piece still moves exactly once per step.
	dragPieceTo(d, 650, 300);
	EXPECT_EQ(std::make_pair(600, 250), std::make_pair(a->getX(), a->getY()));
	EXPECT_EQ(std::make_pair(650, 250), std::make_pair(b->getX(), b->getY()));
	EXPECT_EQ(std::make_pair(600, 300), std::make_pair(c->getX(), c->getY()));
	EXPECT_EQ(std::make_pair(650, 300), std::make_pair(d->getX(), d->getY()));
}

TEST_F(JigsawDemoTest, NeighboursOneCellApartJoinButNotOnePixelOff)
{
	JigsawPiece* a = pieceWithSource(2 * cell, 3 * cell);
	JigsawPiece* b = pieceWithSource(3 * cell, 3 * cell);
	a->setPosition(100, 100);
	b->setPosition(149, 100);
	a->checkJoinRight(b);
	EXPECT_EQ(nullptr, a->getRight());
	b->setPosition(151, 100);
	a->checkJoinRight(b);
	EXPECT_EQ(nullptr, a->getRight());
	b->setPosition(150, 100);
	a->checkJoinRight(nullptr);
	a->checkJoinRight(b);
	EXPECT_EQ(b, a->getRight());
	EXPECT_EQ(a, b->getLeft());
}

TEST_F(JigsawDemoTest, OnlyTheDroppedPieceLooksForNeighbours)
{
	JigsawPiece* a = pieceWithSource(0, 0);
	JigsawPiece* b = pieceWithSource(cell, 0);
	JigsawPiece* lone = pieceWithSource(0, cell);
	dragPieceTo(a, 700, 400);
	dragPieceTo(b, 750, 400);
	ASSERT_EQ(a, b->getLeft());
	dragPieceTo(lone, 650, 200);
	// Drag b so that a, following it, lands right above the lone piece.
	dragPieceTo(b, 700, 150);
	EXPECT_EQ(std::make_pair(650, 150), std::make_pair(a->getX(), a->getY()));
	EXPECT_EQ(nullptr, a->getBelow());
	pressCentreButton();
	EXPECT_EQ(lone, a->getBelow());
}

TEST_F(JigsawDemoTest, DraggingTheEmptyTablePansItKeysScrollAndSpaceResets)
{
	JigsawPiece* piece = pieceWithSource(0, 0);
	const int screenX = engine.toScreenX(piece->getX());
	harness.drag(900, 500, 860, 520);
	EXPECT_FALSE(engine.isPanning());
	EXPECT_EQ(-40, engine.getTranslation().getXOffset());
	EXPECT_EQ(20, engine.getTranslation().getYOffset());
	EXPECT_EQ(screenX - 40, engine.toScreenX(piece->getX()));
	harness.tapKey(SDLK_LEFT);
	harness.tapKey(SDLK_UP);
	EXPECT_EQ(-30, engine.getTranslation().getXOffset());
	EXPECT_EQ(30, engine.getTranslation().getYOffset());
	harness.tapKey(SDLK_RIGHT);
	harness.tapKey(SDLK_DOWN);
	EXPECT_EQ(-40, engine.getTranslation().getXOffset());
	EXPECT_EQ(20, engine.getTranslation().getYOffset());
	harness.click(975, 675);  // zoom in
	harness.tapKey(SDLK_SPACE);
	EXPECT_EQ(0, engine.getTranslation().getXOffset());
	EXPECT_EQ(0, engine.getTranslation().getYOffset());
	EXPECT_EQ(2, engine.getScaling().getXStretch());
	harness.tapKey(SDLK_ESCAPE);
	EXPECT_EQ(0, engine.getExitCode());
}

TEST_F(JigsawDemoTest, ZoomKeepsTheTablePointUnderTheWindowCentre)
{
	const int centreX = engine.toVirtualX(500);
	const int centreY = engine.toVirtualY(350);
	harness.click(975, 675);
	EXPECT_EQ(2, engine.getScaling().getXStretch());
	EXPECT_NEAR(centreX, engine.toVirtualX(500), 1);
	EXPECT_NEAR(centreY, engine.toVirtualY(350), 1);
	harness.pushMouseWheel(0, 1);
	harness.step();
	EXPECT_EQ(3, engine.getScaling().getXStretch());
	EXPECT_NEAR(centreX, engine.toVirtualX(500), 1);
	saveSampleSnapshot(harness, "jigsaw-zoomed");
	harness.pushMouseWheel(0, -1);
	harness.step();
	harness.click(25, 675);
	harness.click(25, 675);
	EXPECT_EQ(2, engine.getScaling().getXCompress());
	EXPECT_NEAR(centreX, engine.toVirtualX(500), 2);
	// The overlay stays in window places at any zoom.
	EXPECT_EQ(0xFFFFFFu, harness.foregroundPixel(975, 675));
}

TEST_F(JigsawDemoTest, SavedStateRestoresPlacesTurnsOrderAndJoinsAfterRestart)
{
	JigsawPiece* a = pieceWithSource(0, 0);
	JigsawPiece* b = pieceWithSource(cell, 0);
	dragPieceTo(a, 700, 400);
	dragPieceTo(b, 750, 400);
	// In place but not joined: the restart joins it from positions and sources.
	JigsawPiece* c = pieceWithSource(cell, cell);
	c->setPosition(750, 450);
	int px = 0, py = 0;
	JigsawPiece* turned = pieceWithSource(5 * cell, 4 * cell);
	ASSERT_TRUE(freePointOn(turned, px, py));
	harness.click(px, py, SDL_BUTTON_RIGHT);
	harness.click(px, py, SDL_BUTTON_RIGHT);
	OutputCapture quiet;
	quiet.start();
	engine.saveState();
	quiet.stop();
	const std::vector<PieceState> saved = layout();

	const std::string content = readFile(statePath);
	ASSERT_EQ(static_cast<size_t>(pieceCount * 42), content.size());
	EXPECT_EQ("\r\n", content.substr(40, 2));
	EXPECT_EQ('x', content[5]);
	EXPECT_EQ("00001x", content.substr(42, 6));

	std::srand(99);  // a different shuffle, which the saved state overrides
	JigsawDemo restarted(statePath);
	EngineHarness second(restarted);
	OutputCapture capture;
	capture.start();
	ASSERT_EQ(0, second.initialise());
	const std::string output = capture.stop();
	std::vector<PieceState> restored;
	for (int i = 0; i < restarted.getObjectCount(); ++i)
		if (JigsawPiece* piece = dynamic_cast<JigsawPiece*>(restarted.getObjectAt(i)))
		{
			restored.push_back({piece->getX(), piece->getY(), piece->getRotation(), piece->getSourceX(), piece->getSourceY()});
			if (piece->getSourceX() == cell && piece->getSourceY() == cell)
			{
				EXPECT_NE(nullptr, piece->getAbove());
			}
			if (piece->getSourceX() == 0 && piece->getSourceY() == 0)
			{
				EXPECT_NE(nullptr, piece->getRight());
			}
		}
	EXPECT_EQ(saved, restored);
	EXPECT_NE(std::string::npos, output.find("success"));
}

TEST_F(JigsawDemoTest, AFailedSaveKeepsTheLastGoodState)
{
	engine.saveState();
	const std::string good = readFile(statePath);
	ASSERT_FALSE(good.empty());
	dragPieceTo(pieceWithSource(0, 0), 700, 400);
	saveOnAFullDisk([this] { engine.saveState(); });
	EXPECT_EQ(good, readFile(statePath));
	EXPECT_FALSE(std::filesystem::exists(statePath + ".tmp"));
	engine.saveState();
	EXPECT_NE(good, readFile(statePath));
}

TEST_F(JigsawDemoTest, SaveKeepsWhatAPlainWriteKeeps)
{
	expectSaveKeepsWhatAPlainWriteKeeps(statePath, [this] { engine.saveState(); }, "");
}

TEST_F(JigsawDemoTest, PipeAtTheTemporaryNameNeitherStopsNorSpoilsTheSave)
{
	expectSaveIgnoresAPipeAtTheTemporaryName(statePath, [this] { engine.saveState(); });
}

TEST_F(JigsawDemoTest, RacingOrKilledSaversNeverSpoilTheFile)
{
	expectRacingOrKilledSaversNeverSpoilTheFile(statePath, [this] { engine.saveState(); });
}

TEST_F(JigsawDemoTest, SaveOpensNothingToMoreThanTheFile)
{
	expectSaveOpensNothingToMoreThanTheFile(statePath, [this] { engine.saveState(); });
}

TEST_F(JigsawDemoTest, SaveWritesThroughAFileMountedOverIt)
{
	expectSaveWritesThroughAFileMountedOverIt(statePath, [this] { engine.saveState(); });
}

TEST_F(JigsawDemoTest, SaveLandsInTheOldFilesSpaceOnAFullDisk)
{
	expectSaveLandsInTheOldFilesSpaceOnAFullDisk(statePath, [this] { engine.saveState(); }, "");
}

TEST_F(JigsawDemoTest, SaveWaitsForALeaseToBeGivenUp)
{
	expectSaveWaitsForALeaseToBeGivenUp(statePath, [this] { engine.saveState(); });
}

TEST_F(JigsawDemoTest, SaveWritesPastADirectoryHeldLocked)
{
	expectSaveWritesPastADirectoryHeldLocked(statePath, [this] { engine.saveState(); });
}

// ---------------------------------------------------------------- damaged state files

namespace
{
// A state as the program writes it: pieces in a row off the grid, every turn, every cell once.
std::vector<PieceState> writtenLayout()
{
	std::vector<PieceState> states;
	for (int i = 0; i < pieceCount; ++i)
		states.push_back({(i % columns) * 80 - 100, (i / columns) * 80, i % 4, (i % columns) * cell, (i / columns) * cell});
	return states;
}

std::string validState()
{
	std::string text;
	char line[64];
	int index = 0;
	for (const PieceState& piece : writtenLayout())
	{
		std::snprintf(line, sizeof line, "%05dx%07dy%07dr%02dc%07dr%07d\r\n", index++, piece.x, piece.y,
			piece.rotation, piece.sourceX, piece.sourceY);
		text += line;
	}
	return text;
}

const int lineLength = 42;

std::string replaced(std::string text, size_t at, const std::string& with)
{
	return text.replace(at, with.size(), with);
}

// The lines of a state file, without their line feeds.
std::vector<std::string> fileLines(const std::string& content)
{
	std::istringstream in(content);
	std::vector<std::string> lines;
	for (std::string line; std::getline(in, line);)
		lines.push_back(line);
	return lines;
}

std::string randomBytes(size_t size, std::mt19937& random)
{
	std::string bytes(size, ' ');
	for (char& c : bytes)
		c = static_cast<char>(random() % 256);
	return bytes;
}
} // namespace

TEST(JigsawStateFileTest, LinesReadByTheirColumnsAndOnlyWholeNumbersAreTaken)
{
	const std::string good = "00003x-000025y0000150r02c0000100r0000050";
	struct Readable
	{
		const char* what;
		std::string text;
		PieceState expected;
	};
	const std::vector<Readable> readable = {
		{"as written", good + "\r\r\n", {-25, 150, 2, 100, 50}},
		{"blank after the columns", good + " \r\n", {-25, 150, 2, 100, 50}},
		{"NUL after the columns", good + std::string("\0x\r\n", 4), {-25, 150, 2, 100, 50}},
		{"index and letters unused", replaced(replaced(good, 0, "ab\0-?"), 13, "\0"), {-25, 150, 2, 100, 50}},
		{"a turn of 7", replaced(good, 22, "07"), {-25, 150, 7, 100, 50}},
		{"blanks and a sign before the digits", replaced(good, 14, "  +0150"), {-25, 150, 2, 100, 50}},
	};
	for (const Readable& c : readable)
	{
		JigsawStateLine line;
		ASSERT_TRUE(JigsawStateLine::parse(c.text, line)) << c.what;
		EXPECT_TRUE((PieceState{line.x, line.y, line.rotation, line.sourceX, line.sourceY} == c.expected)) << c.what;
	}
	const std::vector<std::pair<const char*, std::string>> unreadable = {
		{"cut inside the last number", good.substr(0, 37) + "\r\n"},
		{"a NUL inside a number", replaced(good, 8, std::string(1, '\0'))},
		{"a blank between digits", replaced(good, 28, " ")},
		{"a letter after digits", replaced(good, 39, "x")},
		{"a sign without digits", replaced(good, 14, "     --")},
		{"a value too wide for its columns", "00003x12345678y0000150r02c0000100r0000050\r\n"},
		{"blank", "\r\n"},
	};
	for (const auto& c : unreadable)
	{
		JigsawStateLine line;
		EXPECT_FALSE(JigsawStateLine::parse(c.second, line)) << c.first;
	}

	// A piece dragged beyond what its columns hold is written at the nearest place that fits,
	// so the line still reads back.
	JigsawStateLine farOff;
	farOff.x = 12345678;
	farOff.y = INT_MIN;
	std::FILE* file = std::tmpfile();
	ASSERT_NE(file, nullptr);
	ASSERT_TRUE(farOff.write(file));
	// An over-long line (here a hole, read as NUL bytes) is read past up to the bound, never beyond it.
	std::fseek(file, JigsawStateLine::maxScannedBytes, SEEK_CUR);
	std::fputs("\n", file);
	std::rewind(file);
	JigsawStateLine line;
	ASSERT_TRUE(JigsawStateLine::readNext(file, line));
	EXPECT_EQ(9999999, line.x);
	EXPECT_EQ(-999999, line.y);
	std::string text;
	EXPECT_TRUE(JigsawStateLine::readText(file, text));
	EXPECT_EQ(JigsawStateLine::maxScannedBytes, std::ftell(file));
	EXPECT_FALSE(JigsawStateLine::readText(file, text));
	std::fclose(file);
}

// Each line is taken on its own by the piece in its slot: a line that cannot be used leaves
// only that piece where the shuffle put it, and the lines after it still reach their own slots.
TEST_F(JigsawDemoTest, EachStateLineLoadsIntoItsOwnSlotAndADamagedOneOnlyLosesItself)
{
	const std::string good = validState();
	const size_t damaged = 7;  // written with turn 3, so a turn of 7 loads as the same turn
	const size_t at = damaged * lineLength;
	std::mt19937 random(5);
	std::set<int> everySlot;
	for (int slot = 0; slot < pieceCount; ++slot)
		everySlot.insert(slot);
	const std::set<int> fromTheCut(everySlot.find(31), everySlot.end());
	const std::vector<PieceState> written = writtenLayout();
	auto withDamaged = [&written](const PieceState& piece) {
		std::vector<PieceState> states = written;
		states[damaged] = piece;
		return states;
	};
	auto withSource = [&](int sourceX, int sourceY) {
		const PieceState& piece = written[damaged];
		return withDamaged({piece.x, piece.y, piece.rotation, sourceX, sourceY});
	};
	const int damagedX = written[damaged].sourceX;
	const int most = 9999999;
	struct Case
	{
		const char* what;
		std::string content;
		std::set<int> shuffled;
		std::vector<PieceState> loaded = {};  // when not as written
	};
	const std::vector<Case> cases = {
		{"as written", good, {}},
		{"cut inside a line", good.substr(0, 31 * lineLength + 20), fromTheCut},
		{"a NUL in a number", replaced(good, at + 8, std::string(1, '\0')), {7}},
		{"a turn of 7", replaced(good, at + 22, "07"), {}},
		{"a blank after the columns", good.substr(0, at + 40) + " " + good.substr(at + 40), {}},
		{"over-long", good.substr(0, at + 40) + std::string(3000, 'x') + good.substr(at + 40), {}},
		{"a line of 1 MiB of digits", good.substr(0, at) + std::string(1 << 20, '9') + "\r\n" + good.substr(at + lineLength),
			{}, withDamaged({most, most, 3, most, most})},
		{"a value too wide", good.substr(0, at + 6) + "1" + good.substr(at + 6), {7}},
		{"a blank line", good.substr(0, at) + "\r\n" + good.substr(at + lineLength), {7}},
		{"source off the cell grid", replaced(good, at + 25, "0000025"), {}, withSource(25, 0)},
		{"source left of the picture", replaced(good, at + 25, "-000050"), {7}},
		{"source above the picture", replaced(good, at + 33, "-000050"), {7}},
		{"source reaching past the right edge", replaced(good, at + 25, "0000411"), {}, withSource(411, 0)},
		{"source far past the right edge", replaced(good, at + 25, "9999999"), {}, withSource(most, 0)},
		{"source past the last row", replaced(good, at + 33, "0000300"), {}, withSource(damagedX, 300)},
		{"source far past the last row", replaced(good, at + 33, "9999999"), {}, withSource(damagedX, most)},
		{"garbage", randomBytes(3000, random), everySlot},
	};
	const ImageHandle image = ImageManager::loadImage(JigsawDemo::imageUrl);
	for (const Case& c : cases)
	{
		writeFile(statePath, c.content);
		engine.createObjects();
		engine.requestFullRedraw();
		harness.step();
		const std::vector<PieceState> now = layout();
		const std::vector<PieceState>& loaded = c.loaded.empty() ? written : c.loaded;
		ASSERT_EQ(written.size(), now.size()) << c.what;
		for (int slot = 0; slot < pieceCount; ++slot)
		{
			const PieceState& piece = now[static_cast<size_t>(slot)];
			if (c.shuffled.count(slot) == 0)
			{
				EXPECT_TRUE(piece == loaded[static_cast<size_t>(slot)]) << c.what << ", slot " << slot;
				continue;
			}
			// Slots are filled column by column: slot s is created with the cell (s / rows, s % rows).
			const PieceState own{piece.x, piece.y, 0, (slot / rows) * cell, (slot % rows) * cell};
			EXPECT_TRUE(piece == own && piece.x % 75 == 0 && piece.y % 75 == 0) << c.what << ", slot " << slot;
		}
		// The damaged line's piece, turned 3, shows at its (40, 40) the source's pixel (30, 40),
		// the picture wrapping round where the source lies past its edge.
		const PieceState& shown = loaded[damaged];
		if (c.shuffled.count(static_cast<int>(damaged)) == 0 && shown.x == written[damaged].x)
		{
			const int colour =
				image.getPixelColour((shown.sourceX + 30) % image.getWidth(), (shown.sourceY + 40) % image.getHeight());
			EXPECT_EQ(static_cast<unsigned int>(colour), harness.foregroundPixel(shown.x + 40, shown.y + 40)) << c.what;
		}
		EXPECT_EQ(c.content, readFile(statePath)) << c.what;
	}
}

TEST_F(JigsawDemoTest, DamagedStateFilesNeverCrashAndLoseOnlyTheirDamagedLines)
{
	const std::string good = validState();
	const std::vector<PieceState> written = writtenLayout();
	const std::vector<std::string> goodLines = fileLines(good);
	std::mt19937 random(2024);
	int intactChecked = 0;
	for (int round = 0; round < 300; ++round)
	{
		std::string content = good;
		switch (round % 5)
		{
		case 0:  // truncated anywhere
			content.resize(random() % content.size());
			break;
		case 1:  // bytes overwritten with anything
			for (int k = 0; k < 1 + static_cast<int>(random() % 4); ++k)
				content[random() % content.size()] = static_cast<char>(random() % 256);
			break;
		case 2:  // huge numbers and long lines
			content.insert(random() % content.size(), std::string(random() % 1500, '9'));
			break;
		case 3:  // garbage only
			content = randomBytes(random() % 4000, random);
			break;
		default:  // a line removed or doubled, or left as it was
			if (random() % 3 == 0)
				content.erase((random() % pieceCount) * lineLength, lineLength);
			else if (random() % 2 == 0)
				content += content.substr((random() % pieceCount) * lineLength, lineLength);
			break;
		}
		writeFile(statePath, content);
		engine.createObjects();
		const std::vector<PieceState> now = layout();
		ASSERT_EQ(static_cast<size_t>(pieceCount), now.size());
		// Every line that came through whole loads in the slot of its place in the file.
		const std::vector<std::string> lines = fileLines(content);
		for (size_t slot = 0; slot < lines.size() && slot < now.size(); ++slot)
			for (size_t k = 0; k < goodLines.size(); ++k)
				if (lines[slot] == goodLines[k])
				{
					EXPECT_TRUE(now[slot] == written[k]) << "round " << round << " slot " << slot;
					++intactChecked;
				}
		// Whatever the damage, no piece takes a negative source, and none is turned other than
		// 0 to 3.
		for (const PieceState& piece : now)
			EXPECT_TRUE(piece.sourceX >= 0 && piece.sourceY >= 0 && piece.rotation >= 0 && piece.rotation < 4)
				<< "round " << round;
		if (round % 5 == 3)
		{
			EXPECT_TRUE(laidOutAfresh()) << "round " << round;
		}
		EXPECT_EQ(content, readFile(statePath)) << "round " << round;
	}
	EXPECT_GT(intactChecked, 0);
}

// Whatever short file the table came from (later pieces keep their own cells, so cells
// may repeat) and whatever the player then did, the file the table saves loads back to
// the same table: saving again writes the same bytes.
TEST_F(JigsawDemoTest, EverySavedTableLoadsBackToTheSameFile)
{
	std::mt19937 random(16);
	auto below = [&random](int limit) { return static_cast<int>(random() % static_cast<unsigned>(limit)); };
	OutputCapture quiet;
	quiet.start();
	for (int round = 0; round < 30; ++round)
	{
		std::string shortFile;
		char text[64];
		for (int i = below(pieceCount); i > 0; --i)
		{
			std::snprintf(text, sizeof text, "%05dx%07dy%07dr%02dc%07dr%07d\r\n", i, below(3000) - 1000,
				below(3000) - 1000, below(4), below(columns) * cell, below(rows) * cell);
			shortFile += text;
		}
		writeFile(statePath, shortFile);
		engine.createObjects();
		const std::vector<JigsawPiece*> all = pieces();
		for (int change = 0; change < 40; ++change)
		{
			JigsawPiece* piece = all[static_cast<size_t>(below(pieceCount))];
			const int x = piece->getX() + 1;
			const int y = piece->getY() + 1;
			switch (below(4))
			{
			case 3:  // lay it right of the piece showing the cell to its left, which joins them
				if (JigsawPiece* left = pieceWithSource(piece->getSourceX() - cell, piece->getSourceY()))
				{
					piece->setPosition(left->getX() + cell, left->getY());
					piece->checkJoins();
				}
				break;
			case 0:  // turn
				piece->offerClick(SDL_BUTTON_RIGHT, x, y);
				break;
			case 1:  // bring to the front
				engine.moveObjectToEnd(piece);
				break;
			default:  // drag its group and drop it, joining where it fits
				engine.applyToAll([x, y](DisplayableObject* object) {
					if (object != nullptr)
						object->onMouseDown(SDL_BUTTON_LEFT, x, y);
				});
				piece->dragStart(x, y);
				piece->onMouseUp(SDL_BUTTON_LEFT, x + below(600) - 300, y + below(600) - 300);
				break;
			}
		}
		engine.saveState();
		const std::string saved = readFile(statePath);
		engine.createObjects();
		engine.saveState();
		ASSERT_EQ(saved, readFile(statePath)) << "round " << round;
	}
	EXPECT_NE(std::string::npos, quiet.stop().find("checkJoinLeft success"));
}

TEST_F(JigsawDemoTest, EndlessStateFileIsRefusedAfterABoundedRead)
{
	EndlessFifo endless(statePath, validState());
	engine.createObjects();
	EXPECT_LT(endless.bytesWritten(), size_t(1) << 20);
	EXPECT_TRUE(laidOutAfresh());
}

TEST(JigsawShapeMaskTest, OutlinesInterlockWithTheirNeighbours)
{
	const JigsawShapeMask middle = JigsawShapeMask::makePieceOutline(70, 50, true, true, true, true);
	const JigsawShapeMask corner = JigsawShapeMask::makePieceOutline(70, 50, false, false, true, true);
	const JigsawShapeMask leftGapOnly = JigsawShapeMask::makePieceOutline(70, 50, true, false, true, true);
	const JigsawShapeMask topGapOnly = JigsawShapeMask::makePieceOutline(70, 50, false, true, true, true);
	EXPECT_FALSE(middle.isInside(-1, 10));
	EXPECT_FALSE(middle.isInside(70, 10));
	EXPECT_TRUE(corner.isInside(0, 25));
	// Every pixel where two neighbours overlap belongs to exactly one of them.
	for (int y = 0; y < 50; ++y)
		for (int x = 0; x < 20; ++x)
		{
			EXPECT_NE(corner.isInside(50 + x, y), leftGapOnly.isInside(x, y)) << x << "," << y;
			EXPECT_NE(corner.isInside(y, 50 + x), topGapOnly.isInside(y, x)) << y << "," << x;
		}
	EXPECT_FALSE(middle.isInside(60, 60));
}
