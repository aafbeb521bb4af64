#include "app/settings.h"

void resetToLoadDefaults(Settings& s) {
    s.startupLink.clear();
    s.zeit.clear();
    s.tag.clear();
    s.minuten.clear();
    s.forcenetshutdown = "1";
    s.shownetworkwarning = "30";
    s.action.clear();
    s.usedblclick.clear();
    s.checkscreen.clear();
    s.showwarning.clear();
    s.forcereboot.clear();
    s.forcelogoff.clear();
    s.forcestandby.clear();
    s.forceshutdown = "1";
    s.poweroff = "1";
    s.emptyIEFiles = "0";
    s.mouseclick = "0";
}
