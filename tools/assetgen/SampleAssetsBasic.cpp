// Pictures of the first group of sample programs: "demo.png" (a small scene on a flat
// white ground that the samples treat as transparent), "demo2a.png" and "demo2b.png" (two
// shapes on black, which the flashing dragable picture leaves out), "ExampleImage.png"
// (a landscape drawn whole), and "frontl.png"/"frontr.png" (a walker facing left and
// right on a magenta ground that is transparent).

#include <cmath>
#include <string>
#include <vector>

#include "AssetCanvas.h"
#include "AssetContext.h"
#include "AssetRegistry.h"

namespace
{
const char* const labelFont = "Cornerstone Regular.ttf";

// The corners stay ground-coloured: samples take the top-left or bottom-right pixel as the
// transparent colour, so no drawing reaches the outer margin.
bool buildDemo(const AssetContext& context)
{
	const AssetColour ground(0xFFFFFF);
	AssetCanvas canvas(150, 110);
	canvas.clear(ground);
	canvas.fillRadialGradient(118, 26, 18, AssetColour(0xFFF176), AssetColour(0xF9A825));
	canvas.fillRect(6, 80, 138, 24, AssetColour(0x2E7D32));
	canvas.fillRect(24, 48, 56, 34, AssetColour(0xC62828));
	canvas.fillPolygon({ { 18, 50 }, { 52, 18 }, { 86, 50 } }, AssetColour(0x4E342E));
	canvas.fillRect(44, 60, 16, 22, AssetColour(0x3E2723));
	canvas.fillRect(28, 56, 12, 10, AssetColour(0x90CAF9));
	canvas.fillRect(64, 56, 12, 10, AssetColour(0x90CAF9));
	canvas.drawText(context.fontPath(labelFont), 16, 96, 82, "demo", AssetColour(0x0D47A1), AssetCanvas::TextAlign::left, false);
	canvas.strokeRect(2, 2, 146, 106, AssetColour(0x1565C0), 2);
	return canvas.savePng(context, "demo.png");
}

std::vector<AssetCanvas::Point> starPoints(double centreX, double centreY, double outer, double inner, int spikes)
{
	const double pi = 3.141592653589793;
	std::vector<AssetCanvas::Point> points;
	for (int i = 0; i < spikes * 2; i++)
	{
		const double radius = i % 2 == 0 ? outer : inner;
		const double angle = -pi / 2 + i * pi / spikes;
		points.push_back({ centreX + radius * std::cos(angle), centreY + radius * std::sin(angle) });
	}
	return points;
}

bool buildDemo2(const AssetContext& context)
{
	const AssetColour ground(0x000000);
	AssetCanvas starCanvas(100, 100);
	starCanvas.clear(ground);
	starCanvas.fillPolygon(starPoints(50, 52, 46, 20, 5), AssetColour(0xFF9800));
	starCanvas.fillPolygon(starPoints(50, 52, 30, 13, 5), AssetColour(0xFFEB3B));
	AssetCanvas ringCanvas(100, 100);
	ringCanvas.clear(ground);
	ringCanvas.fillEllipse(50, 50, 44, 44, AssetColour(0x00BCD4));
	ringCanvas.fillEllipse(50, 50, 26, 26, AssetColour(0x3F51B5));
	ringCanvas.fillEllipse(50, 50, 10, 10, AssetColour(0xFFFFFF));
	return starCanvas.savePng(context, "demo2a.png") && ringCanvas.savePng(context, "demo2b.png");
}

bool buildExampleImage(const AssetContext& context)
{
	AssetCanvas canvas(300, 180);
	canvas.fillVerticalGradient(0, 0, 300, 120, AssetColour(0x1E88E5), AssetColour(0xBBDEFB));
	canvas.fillPolygon({ { 0, 130 }, { 70, 50 }, { 130, 120 }, { 190, 40 }, { 300, 130 }, { 300, 180 }, { 0, 180 } },
		AssetColour(0x5D4037));
	canvas.fillPolygon({ { 58, 64 }, { 70, 50 }, { 82, 64 } }, AssetColour(0xFAFAFA));
	canvas.fillPolygon({ { 176, 56 }, { 190, 40 }, { 206, 53 } }, AssetColour(0xFAFAFA));
	canvas.fillVerticalGradient(0, 140, 300, 40, AssetColour(0x66BB6A), AssetColour(0x1B5E20));
	canvas.addNoise(0, 140, 300, 40, 18, AssetContext::seedFor("ExampleImage.png"));
	canvas.drawText(context.fontPath(labelFont), 22, 150, 146, "Example image", AssetColour(0xFFFFFF),
		AssetCanvas::TextAlign::centre);
	canvas.strokeRect(0, 0, 300, 180, AssetColour(0x263238), 2);
	return canvas.savePng(context, "ExampleImage.png");
}

// A little walker: body, head, one eye and a nose on the side it faces.
AssetCanvas drawWalker(bool facingLeft)
{
	const AssetColour ground(0xFF00FF);
	AssetCanvas canvas(40, 60);
	canvas.clear(ground);
	const double face = facingLeft ? -1.0 : 1.0;
	canvas.fillRect(12, 24, 16, 22, AssetColour(0x1976D2));
	canvas.fillRect(12, 46, 6, 10, AssetColour(0x263238));
	canvas.fillRect(22, 46, 6, 10, AssetColour(0x263238));
	canvas.fillEllipse(20, 14, 10, 10, AssetColour(0xFFCC80));
	canvas.fillEllipse(20 + face * 5, 12, 2, 2, AssetColour(0x000000));
	canvas.fillPolygon({ { 20 + face * 9, 14 }, { 20 + face * 14, 17 }, { 20 + face * 9, 19 } }, AssetColour(0xE65100));
	canvas.drawLine(20 + face * 8, 30, 20 + face * 16, 38, AssetColour(0xFFCC80), 3);
	return canvas;
}

bool buildWalkers(const AssetContext& context)
{
	return drawWalker(true).savePng(context, "frontl.png") && drawWalker(false).savePng(context, "frontr.png");
}

bool buildSampleBasics(const AssetContext& context)
{
	bool built = buildDemo(context);
	built = buildDemo2(context) && built;
	built = buildExampleImage(context) && built;
	built = buildWalkers(context) && built;
	return built;
}

AssetGroupRegistration registration("sample-basics", AssetOrder::pictures, buildSampleBasics);
}
