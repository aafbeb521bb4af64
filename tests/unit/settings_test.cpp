#include "app/settings.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadDefaults, ResetMostValuesAndKeepTheOthers) {
    Settings s;
    for (std::string* value :
         {&s.action, &s.minuten, &s.zeit, &s.tag, &s.TaskManagerAktion, &s.showwarning,
          &s.poweroff, &s.forceshutdown, &s.forcereboot, &s.forcelogoff, &s.forcestandby,
          &s.forcehibernate, &s.mouseclick, &s.usedblclick, &s.checkscreen, &s.emptyIEFiles,
          &s.AppIcon, &s.NetworkDrives, &s.forcenetshutdown, &s.shownetworkwarning, &s.Hibernate,
          &s.ForceCritical, &s.DisableWakeEvent, &s.startupLink})
        *value = "stale";
    resetToLoadDefaults(s);

    EXPECT_EQ(s.poweroff, "1");
    EXPECT_EQ(s.forceshutdown, "1");
    EXPECT_EQ(s.forcenetshutdown, "1");
    EXPECT_EQ(s.shownetworkwarning, "30");
    EXPECT_EQ(s.emptyIEFiles, "0");
    EXPECT_EQ(s.mouseclick, "0");
    for (const std::string* empty :
         {&s.action, &s.minuten, &s.zeit, &s.tag, &s.showwarning, &s.forcereboot, &s.forcelogoff,
          &s.forcestandby, &s.usedblclick, &s.checkscreen, &s.startupLink})
        EXPECT_EQ(*empty, "");
    for (const std::string* kept :
         {&s.TaskManagerAktion, &s.forcehibernate, &s.AppIcon, &s.NetworkDrives, &s.Hibernate,
          &s.ForceCritical, &s.DisableWakeEvent})
        EXPECT_EQ(*kept, "stale");
}

}  // namespace
