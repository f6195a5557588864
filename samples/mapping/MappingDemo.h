#pragma once
// Five copies of one picture drawn through mappings that change with the game time; the engine
// is itself one of the mappings, turning the picture about its centre.

#include "BaseEngine.h"
#include "CoordinateMapping.h"
#include "CoordinateMappingRotate.h"
#include "mapping/RippleMapping.h"
#include "mapping/SwirlMapping.h"

class MappingDemo : public BaseEngine, public CoordinateMapping
{
public:
	MappingDemo() {}

	void drawBackground() override;
	int createObjects() override;
	void onKeyDown(int key) override;
	void onBeforeUpdate() override;
	bool mapCoordinates(double& x, double& y, const ImageHandle& image) override;

	CoordinateMappingRotate& getRotateMapping() { return m_rotateMapping; }
	RippleMapping& getSecondMapping() { return m_secondMapping; }
	SwirlMapping& getThirdMapping() { return m_thirdMapping; }

private:
	CoordinateMappingRotate m_rotateMapping;
	RippleMapping m_secondMapping;
	SwirlMapping m_thirdMapping;
};
