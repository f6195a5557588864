#pragma once
// An ordered list of object pointers (null entries allowed) with a changed flag, so that
// passes over the list can restart when an object changes the list during its own call.
// The engine is one; container objects are others.

#include <cstddef>
#include <cstdint>
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
	// Calls the function on each non-null entry present at the start, first to last (or
	// last to first); stops early (and returns true) once the function returns true.
	// Entries removed before their turn are skipped, entries placed during the walk wait
	// for the next one, and every other entry is called exactly once however the list changes.
	bool forEachObjectUntil(const std::function<bool(DisplayableObject*)>& function, bool lastToFirst = false);

private:
	// Every placement of an entry gets a new id, so a walk can tell an entry it started
	// with from a new object that happens to reuse a deleted object's address.
	using EntryId = std::uint64_t;
	static EntryId newEntryId();
	void placeEntries(size_t count);

	bool findIndex(const DisplayableObject* object, size_t& index) const;
	bool findEntry(EntryId id, std::ptrdiff_t hint, size_t& index) const;

	bool m_objectsChanged = false;
	std::vector<DisplayableObject*> m_objects;
	std::vector<EntryId> m_entryIds; // parallel to m_objects
};
