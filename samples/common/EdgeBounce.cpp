#include "common/EdgeBounce.h"

void EdgeBounce::bounceAxis(double& position, double& speed, int drawOffset, int size, int limit)
{
	if (drawOffset + position < 0)
	{
		position = -drawOffset;
		if (speed < 0)
			speed = -speed;
	}
	if (drawOffset + position + size > limit - 1)
	{
		position = limit - 1 - drawOffset - size;
		if (speed > 0)
			speed = -speed;
	}
}
