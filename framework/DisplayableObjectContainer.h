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
	// Starts with slots null entries (none when slots is not positive).
	explicit DisplayableObjectContainer(int slots = 0);
	// Deletes every held object whose deleteOnRemoval() is true (this class's removeAllObjects(),
	// not an override's).
	virtual ~DisplayableObjectContainer();
	// Not copyable: two lists would delete the same objects.
	DisplayableObjectContainer(const DisplayableObjectContainer&) = delete;
	DisplayableObjectContainer& operator=(const DisplayableObjectContainer&) = delete;

	// Nulls every entry (the list keeps its length); with true deletes those that allow it.
	// Each entry is nulled before its object is deleted.
	virtual void removeAllObjects(bool deleteObjects);

	// The changed flag: every change of the list below sets it, processAllObjectsOnce() clears
	// it and restarts its walk when it is set again.
	void markObjectsChanged() { m_objectsChanged = true; }
	bool objectsChanged() const { return m_objectsChanged; }
	void clearObjectsChanged() { m_objectsChanged = false; }

	// removeAllObjects(true), then exactly slots null entries (none when not positive), to be
	// filled with setObjectAt().
	void resetObjectSlots(int slots);
	// Does nothing for an index outside the list. The old entry is replaced, not deleted.
	void setObjectAt(int index, DisplayableObject* object);
	// Adds at the end, so the object is drawn over the others; null is allowed. The list then
	// deletes the object with the others unless its deleteOnRemoval() says no.
	void appendObject(DisplayableObject* object);
	// Null for an index outside the list.
	DisplayableObject* getObjectAt(int index) const;
	DisplayableObject* objectAtIndex(int index) const { return getObjectAt(index); }
	// Entries, null ones included.
	int getObjectCount() const { return static_cast<int>(m_objects.size()); }
	// Removes the object's first entry (later ones move down an index) without deleting it: the
	// caller owns it again. False when it is not in the list; the list is marked changed anyway.
	bool detachObject(DisplayableObject* object);
	// Moves the object's entry to the end (drawn on top) and redraws its area; false when it
	// is not in the list.
	bool moveObjectToEnd(DisplayableObject* object);
	// Calls the function on every entry in order, null ones included; the walk is by index and
	// not guarded against changes of the list (forEachObjectUntil() is).
	void applyToAll(const std::function<void(DisplayableObject*)>& function);
	// notify(code, a, b) on each object present at the start, first to last.
	void notifyAllObjects(int code, int a, int b);
	// Asks notify(code, x, y) from the last (topmost) object down and returns the first that
	// answers wanted; null when none does.
	DisplayableObject* findTopmostByNotify(int code, int wanted, int x, int y);
	// Puts the entries in a random order (std::rand(), so srand() seeds it); the drawing order
	// changes, but no redraw is requested.
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
