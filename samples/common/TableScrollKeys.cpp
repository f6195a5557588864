#include "common/TableScrollKeys.h"

#include <SDL.h>

#include "FilterPointsTranslation.h"

namespace
{
	const int scrollStep = 10;
}

bool TableScrollKeys::apply(FilterPointsTranslation& translation, int key)
{
	switch (key)
	{
	case SDLK_LEFT:
		translation.changeOffset(scrollStep, 0);
		return true;
	case SDLK_RIGHT:
		translation.changeOffset(-scrollStep, 0);
		return true;
	case SDLK_UP:
		translation.changeOffset(0, scrollStep);
		return true;
	case SDLK_DOWN:
		translation.changeOffset(0, -scrollStep);
		return true;
	case SDLK_SPACE:
		translation.setOffset(0, 0);
		return true;
	default:
		return false;
	}
}
