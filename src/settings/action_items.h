#pragma once

#include <string>
#include <vector>

// The items of the lists that choose a stored action, each item's index
// the code it stands for; Hibernate last, and only while hibernation is
// offered. The scheduled action's list (TaskManagerAktion, which the
// conditions share) and the tray icon click's (mouseclick).
std::vector<std::string> scheduledActionItems(bool german, bool withHibernate);
std::vector<std::string> clickActionItems(bool german, bool withHibernate);
