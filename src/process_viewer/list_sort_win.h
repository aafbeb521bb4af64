#pragma once

#include <windows.h>

#include "process_viewer/viewer_lists.h"

// Sorting the window list and the module list by a column. Both share one
// table of directions, so a click on a column of one list flips that
// column for the other too.
SortDirections& sortDirections();

// Sorts the list by the column in the column's present direction.
void sortListByColumn(HWND list, ViewerList kind, int column);

// A click on a column's header: its direction flips, then the list sorts.
void onSortColumnClick(HWND list, ViewerList kind, int column);
