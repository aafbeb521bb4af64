#include "common/window_set.h"

WindowSet& windows() {
    static WindowSet set;
    return set;
}
