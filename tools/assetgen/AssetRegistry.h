#pragma once
// The list of asset groups. Each group's source file registers itself with a static
// AssetGroupRegistration, so groups are added without touching a shared file.

#include <functional>
#include <string>
#include <vector>

class AssetContext;

// Groups run in ascending order, then by name; fonts come first because pictures draw words.
namespace AssetOrder
{
const int fonts = 0;
const int pictures = 100;
const int music = 200;
}

struct AssetGroup
{
	std::string name;
	int order;
	// Writes the group's files; false when something could not be made (reported by the group).
	std::function<bool(const AssetContext&)> build;
};

class AssetRegistry
{
public:
	static AssetRegistry& instance();

	void add(AssetGroup group);
	// Every group, in running order.
	std::vector<AssetGroup> orderedGroups() const;

private:
	std::vector<AssetGroup> m_groups;
};

// Declare one at namespace scope in a group's file:
//   static AssetGroupRegistration registration("ships", AssetOrder::pictures, buildShips);
class AssetGroupRegistration
{
public:
	AssetGroupRegistration(const char* name, int order, std::function<bool(const AssetContext&)> build);
};
