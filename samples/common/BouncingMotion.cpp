#include "common/BouncingMotion.h"

#include "BaseEngine.h"
#include "DisplayableObject.h"
#include "MovingObject.h"

void BouncingMotion::step(DisplayableObject& object, double& exactX, double& exactY, double& speedX, double& speedY)
{
	exactX += speedX;
	exactY += speedY;
	const BaseEngine* engine = object.getEngine();
	// The draw offsets, which the object keeps to itself, as its edges show them.
	const int drawOffsetX = object.getLeftEdge() - object.getX();
	const int drawOffsetY = object.getTopEdge() - object.getY();
	MovingObject::bounceAxis(exactX, speedX, drawOffsetX, object.getDrawWidth(), engine->getWindowWidth());
	MovingObject::bounceAxis(exactY, speedY, drawOffsetY, object.getDrawHeight(), engine->getWindowHeight());
	object.setPosition(static_cast<int>(exactX + 0.5), static_cast<int>(exactY + 0.5));
	object.requestFullRedraw();
}
