#include "DisplayableObjectContainer.h"

#include <cstdlib>

#include "DisplayableObject.h"

DisplayableObjectContainer::DisplayableObjectContainer(int slots)
	: m_objects(slots > 0 ? static_cast<size_t>(slots) : 0u, nullptr)
{
}

DisplayableObjectContainer::~DisplayableObjectContainer()
{
	DisplayableObjectContainer::removeAllObjects(true);
}

// Entries are nulled before the object goes, so an object whose destructor looks at
// the list never finds itself or a deleted neighbour there.
void DisplayableObjectContainer::removeAllObjects(bool deleteObjects)
{
	markObjectsChanged();
	for (size_t i = 0; i < m_objects.size(); ++i)
	{
		DisplayableObject* object = m_objects[i];
		m_objects[i] = nullptr;
		if (object != nullptr && deleteObjects && object->deleteOnRemoval())
			delete object;
	}
}

void DisplayableObjectContainer::resetObjectSlots(int slots)
{
	removeAllObjects(true);
	m_objects.assign(slots > 0 ? static_cast<size_t>(slots) : 0u, nullptr);
	markObjectsChanged();
}

void DisplayableObjectContainer::setObjectAt(int index, DisplayableObject* object)
{
	markObjectsChanged();
	if (index >= 0 && static_cast<size_t>(index) < m_objects.size())
		m_objects[static_cast<size_t>(index)] = object;
}

void DisplayableObjectContainer::appendObject(DisplayableObject* object)
{
	markObjectsChanged();
	m_objects.push_back(object);
}

DisplayableObject* DisplayableObjectContainer::getObjectAt(int index) const
{
	if (static_cast<unsigned int>(index) >= m_objects.size())
		return nullptr;
	return m_objects[static_cast<size_t>(index)];
}

bool DisplayableObjectContainer::findIndex(const DisplayableObject* object, size_t& index) const
{
	for (size_t i = 0; i < m_objects.size(); ++i)
	{
		if (m_objects[i] == object)
		{
			index = i;
			return true;
		}
	}
	return false;
}

bool DisplayableObjectContainer::detachObject(DisplayableObject* object)
{
	markObjectsChanged();
	size_t index;
	if (!findIndex(object, index))
		return false;
	m_objects.erase(m_objects.begin() + static_cast<long>(index));
	return true;
}

bool DisplayableObjectContainer::moveObjectToEnd(DisplayableObject* object)
{
	markObjectsChanged();
	size_t index;
	if (!findIndex(object, index))
		return false;
	m_objects.erase(m_objects.begin() + static_cast<long>(index));
	m_objects.push_back(object);
	if (object != nullptr)
		object->redrawOwnArea();
	return true;
}

void DisplayableObjectContainer::applyToAll(const std::function<void(DisplayableObject*)>& function)
{
	for (size_t i = 0; i < m_objects.size(); ++i)
		function(m_objects[i]);
}

void DisplayableObjectContainer::notifyAllObjects(int code, int a, int b)
{
	forEachObjectUntil([code, a, b](DisplayableObject* object) {
		object->notify(code, a, b);
		return false;
	});
}

DisplayableObject* DisplayableObjectContainer::findTopmostByNotify(int code, int wanted, int x, int y)
{
	DisplayableObject* found = nullptr;
	forEachObjectUntil([&found, code, wanted, x, y](DisplayableObject* object) {
		if (object->notify(code, x, y) != wanted)
			return false;
		found = object;
		return true;
	}, true);
	return found;
}

void DisplayableObjectContainer::shuffleObjects()
{
	const size_t n = m_objects.size();
	for (size_t i = 1; i < n; ++i)
	{
		size_t j = static_cast<size_t>(std::rand()) % (i + 1);
		if (j != i)
			std::swap(m_objects[i], m_objects[j]);
	}
	if (n > 1)
		markObjectsChanged();
}

void DisplayableObjectContainer::processAllObjectsOnce(const std::function<void(DisplayableObject*)>& function)
{
	for (DisplayableObject* object : m_objects)
		if (object != nullptr)
			object->setProcessedThisPass(false);
	bool restart = true;
	while (restart)
	{
		restart = false;
		clearObjectsChanged();
		for (size_t i = 0; i < m_objects.size(); ++i)
		{
			DisplayableObject* object = m_objects[i];
			if (object == nullptr)
				continue;
			if (!object->isProcessedThisPass())
			{
				object->setProcessedThisPass(true);
				function(object);
			}
			// The object may be gone now; only the list is looked at again.
			if (objectsChanged())
			{
				restart = true;
				break;
			}
		}
	}
}

// Index walk that re-reads the list's length after every call, so objects that add,
// remove or delete entries (themselves included) during their call never leave the walk
// pointing past the list or at a deleted object.
bool DisplayableObjectContainer::forEachObjectUntil(const std::function<bool(DisplayableObject*)>& function, bool lastToFirst)
{
	if (lastToFirst)
	{
		for (int i = getObjectCount() - 1; i >= 0; --i)
		{
			if (i >= getObjectCount())
				continue;
			DisplayableObject* object = m_objects[static_cast<size_t>(i)];
			if (object != nullptr && function(object))
				return true;
		}
		return false;
	}
	for (int i = 0; i < getObjectCount(); ++i)
	{
		DisplayableObject* object = m_objects[static_cast<size_t>(i)];
		if (object != nullptr && function(object))
			return true;
	}
	return false;
}
