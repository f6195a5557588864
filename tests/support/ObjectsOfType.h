#pragma once
// The objects of one class in a container's list (an engine's, say), in list order: tests of
// scenes that mix several object classes pick out the ones they look at.

#include <vector>

#include "DisplayableObjectContainer.h"

template <typename T>
std::vector<T*> objectsOfType(const DisplayableObjectContainer& container)
{
	std::vector<T*> found;
	for (int i = 0; i < container.getObjectCount(); ++i)
		if (T* object = dynamic_cast<T*>(container.getObjectAt(i)))
			found.push_back(object);
	return found;
}
