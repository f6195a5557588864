#pragma once
// An ordered list of object pointers (null entries allowed) with a changed flag, so that
// passes over the list can restart when an object changes the list during its own call.
// The engine is one; container objects are others.

#include <functional>
#include <vector>

class DisplayableObject;

class DisplayableObjectContainer
{
public:
	explicit DisplayableObjectContainer(int slots = 0);
	virtual ~DisplayableObjectContainer();
	DisplayableObjectContainer(const DisplayableObjectContainer&) = delete;
	DisplayableObjectContainer& operator=(const DisplayableObjectContainer&) = delete;

	// Nulls every entry (the list keeps its length); with true deletes those that allow it.
	virtual void removeAllObjects(bool deleteObjects);

	void markObjectsChanged() { m_objectsChanged = true; }
	bool objectsChanged() const { return m_objectsChanged; }
	void clearObjectsChanged() { m_objectsChanged = false; }

	void resetObjectSlots(int slots);
	// Does nothing for an index outside the list.
	void setObjectAt(int index, DisplayableObject* object);
	void appendObject(DisplayableObject* object);
	// Null for an index outside the list.
	DisplayableObject* getObjectAt(int index) const;
	DisplayableObject* objectAtIndex(int index) const { return getObjectAt(index); }
	int getObjectCount() const { return static_cast<int>(m_objects.size()); }
	bool detachObject(DisplayableObject* object);
	bool moveObjectToEnd(DisplayableObject* object);
	void applyToAll(const std::function<void(DisplayableObject*)>& function);
	void notifyAllObjects(int code, int a, int b);
	DisplayableObject* findTopmostByNotify(int code, int wanted, int x, int y);
	void shuffleObjects();

	// Calls the function once on every object present at the start, restarting the walk
	// whenever the list changes; objects added during the pass wait for the next one.
	void processAllObjectsOnce(const std::function<void(DisplayableObject*)>& function);
	// Calls the function on each non-null entry from first to last; stops early (and
	// returns true) once the function returns true. Survives changes to the list.
	bool forEachObjectUntil(const std::function<bool(DisplayableObject*)>& function, bool lastToFirst = false);

private:
	bool findIndex(const DisplayableObject* object, size_t& index) const;

	bool m_objectsChanged = false;
	std::vector<DisplayableObject*> m_objects;
};
