#include "process_viewer/list_sort_win.h"

#include <commctrl.h>

#include <map>
#include <string>

#include "win32/list_view_win.h"

namespace {

struct SortRun {
    ViewerList kind;
    int column;
    int direction;
    std::map<LPARAM, std::string> cells;  // the column's text in upper case, by item data
};

const std::string& cellOf(const SortRun& run, LPARAM row) {
    static const std::string none;
    const auto found = run.cells.find(row);
    return found == run.cells.end() ? none : found->second;
}

int CALLBACK compareRows(LPARAM first, LPARAM second, LPARAM run) {
    const SortRun& r = *reinterpret_cast<const SortRun*>(run);
    return compareCells(r.kind, r.column, r.direction, cellOf(r, first), cellOf(r, second));
}

}  // namespace

SortDirections& sortDirections() {
    static SortDirections directions;
    return directions;
}

void sortListByColumn(HWND list, ViewerList kind, int column) {
    // every cell read once, then compared by item data: the list never has
    // to be searched inside a comparison
    SortRun run{kind, column, sortDirections().direction(column), {}};
    const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        std::string text = listCellText(list, row, column, 500);
        CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
        run.cells[item.lParam] = std::move(text);
    }
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&run),
                 reinterpret_cast<LPARAM>(compareRows));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

void onSortColumnClick(HWND list, ViewerList kind, int column) {
    sortDirections().flip(column);
    sortListByColumn(list, kind, column);
}
