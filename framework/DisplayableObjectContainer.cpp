#include "DisplayableObjectContainer.h"

#include <cstdlib>

#include "DisplayableObject.h"

DisplayableObjectContainer::DisplayableObjectContainer(int slots)
{
	placeEntries(slots > 0 ? static_cast<size_t>(slots) : 0u);
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

DisplayableObjectContainer::EntryId DisplayableObjectContainer::newEntryId()
{
	static EntryId nextId = 0;
	return ++nextId;
}

// Makes the list count null entries, each a new placement.
void DisplayableObjectContainer::placeEntries(size_t count)
{
	m_objects.assign(count, nullptr);
	m_entryIds.clear();
	for (size_t i = 0; i < count; ++i)
		m_entryIds.push_back(newEntryId());
}

void DisplayableObjectContainer::resetObjectSlots(int slots)
{
	removeAllObjects(true);
	placeEntries(slots > 0 ? static_cast<size_t>(slots) : 0u);
	markObjectsChanged();
}

void DisplayableObjectContainer::setObjectAt(int index, DisplayableObject* object)
{
	markObjectsChanged();
	if (index >= 0 && static_cast<size_t>(index) < m_objects.size())
	{
		m_objects[static_cast<size_t>(index)] = object;
		m_entryIds[static_cast<size_t>(index)] = newEntryId();
	}
}

void DisplayableObjectContainer::appendObject(DisplayableObject* object)
{
	markObjectsChanged();
	m_objects.push_back(object);
	m_entryIds.push_back(newEntryId());
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
	m_entryIds.erase(m_entryIds.begin() + static_cast<long>(index));
	return true;
}

bool DisplayableObjectContainer::moveObjectToEnd(DisplayableObject* object)
{
	markObjectsChanged();
	size_t index;
	if (!findIndex(object, index))
		return false;
	// The entry keeps its id: a walk in progress still calls it once, not twice.
	const EntryId id = m_entryIds[index];
	m_objects.erase(m_objects.begin() + static_cast<long>(index));
	m_entryIds.erase(m_entryIds.begin() + static_cast<long>(index));
	m_objects.push_back(object);
	m_entryIds.push_back(id);
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
		{
			std::swap(m_objects[i], m_objects[j]);
			std::swap(m_entryIds[i], m_entryIds[j]);
		}
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

// Entries usually stay where they were, or shifted by the removals so far, so the
// search starts where the previous entry was found.
bool DisplayableObjectContainer::findEntry(EntryId id, std::ptrdiff_t hint, size_t& index) const
{
	if (hint >= 0 && static_cast<size_t>(hint) < m_entryIds.size() && m_entryIds[static_cast<size_t>(hint)] == id)
	{
		index = static_cast<size_t>(hint);
		return true;
	}
	for (size_t i = 0; i < m_entryIds.size(); ++i)
	{
		if (m_entryIds[i] == id)
		{
			index = i;
			return true;
		}
	}
	return false;
}

// The walk follows the ids of the entries present at the start rather than indexes or
// pointers: an object that removes itself or others during its call neither makes the
// walk skip the entry that moves into its place nor leaves it holding a deleted object.
bool DisplayableObjectContainer::forEachObjectUntil(const std::function<bool(DisplayableObject*)>& function, bool lastToFirst)
{
	const std::vector<EntryId> startIds(m_entryIds);
	const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(startIds.size());
	std::ptrdiff_t shift = 0;
	for (std::ptrdiff_t step = 0; step < count; ++step)
	{
		const std::ptrdiff_t position = lastToFirst ? count - 1 - step : step;
		size_t index;
		if (!findEntry(startIds[static_cast<size_t>(position)], position + shift, index))
			continue;
		shift = static_cast<std::ptrdiff_t>(index) - position;
		DisplayableObject* object = m_objects[index];
		if (object != nullptr && function(object))
			return true;
	}
	return false;
}
