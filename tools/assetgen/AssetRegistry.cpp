#include "AssetRegistry.h"

#include <algorithm>

AssetRegistry& AssetRegistry::instance()
{
	// A function-local static: registrations run during static initialisation, in no set order.
	static AssetRegistry registry;
	return registry;
}

void AssetRegistry::add(AssetGroup group)
{
	m_groups.push_back(std::move(group));
}

std::vector<AssetGroup> AssetRegistry::orderedGroups() const
{
	std::vector<AssetGroup> groups = m_groups;
	std::sort(groups.begin(), groups.end(), [](const AssetGroup& a, const AssetGroup& b) {
		return a.order != b.order ? a.order < b.order : a.name < b.name;
	});
	return groups;
}

AssetGroupRegistration::AssetGroupRegistration(const char* name, int order, std::function<bool(const AssetContext&)> build)
{
	AssetRegistry::instance().add(AssetGroup{name, order, std::move(build)});
}
