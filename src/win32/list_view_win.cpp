#include "win32/list_view_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "win32/screen_dpi_win.h"

bool insertListColumn(HWND list, int index, const char* title, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = std::max(scaledToScreen(width), headingWidth(list, title));
    column.pszText = const_cast<char*>(title);
    return SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)) != -1;
}

int appendListRow(HWND list, const std::string& text, int image, std::optional<LPARAM> data) {
    LVITEMA item{};
    item.mask = image == -1 ? LVIF_TEXT | LVIF_PARAM : LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iImage = image;
    item.iItem = listRowCount(list);
    item.lParam = data.value_or(item.iItem);
    item.pszText = const_cast<char*>(text.c_str());
    return static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

int appendListCells(HWND list, const std::vector<std::string>& cells, int image,
                    std::optional<LPARAM> data) {
    if (cells.empty()) return -1;
    const int row = appendListRow(list, cells[0], image, data);
    for (std::size_t column = 1; column < cells.size(); ++column)
        setListCell(list, row, static_cast<int>(column), cells[column]);
    return row;
}

void setListCell(HWND list, int row, int column, const std::string& text) {
    if (row < 0) return;  // a row the list refused
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

int headingWidth(HWND list, const char* title) {
    if (!*title) return 0;
    const auto text = static_cast<int>(
        SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(title)));
    return text + scaledToScreen(kHeadingMargins + kSortArrowWidth);
}

void fitListColumn(HWND list, int column, int most) {
    const auto width = [&] {
        return static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
    };
    const int heading = width();
    SendMessageA(list, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE);
    const int fitted = std::min(std::max(heading, width()), most);
    SendMessageA(list, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(fitted, 0));
}

std::string listCellText(HWND list, int row, int column, int maxLength) {
    std::string text(static_cast<std::size_t>(maxLength) + 1, '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = maxLength + 1;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

int listRowCount(HWND list) {
    return list ? static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

int selectedListRow(HWND list) {
    if (listRowCount(list) <= 0) return -1;
    return static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

LPARAM selectedItemData(HWND list) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = selectedListRow(list);
    if (item.iItem < 0 || !SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return 0;
    return item.lParam;
}

std::string selectedCellText(HWND list, int column) {
    const int row = selectedListRow(list);
    return row < 0 ? std::string() : listCellText(list, row, column);
}

void selectListRow(HWND list, int row) {
    if (row < 0 || row >= listRowCount(list)) return;
    LVITEMA select{};
    select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    select.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&select));
}

void useSystemSmallIcons(HWND list) {
    SHFILEINFOA info{};
    const auto images =
        SHGetFileInfoA("C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, static_cast<LPARAM>(images));
}

int systemSmallIconIndex(const std::string& file) {
    SHFILEINFOA info{};
    if (!SHGetFileInfoA(file.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
        return -1;
    return info.iIcon;
}
