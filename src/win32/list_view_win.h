#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The few list-view operations the feature windows share, over the ANSI
// messages.

// What a column heading needs beyond its text, at 96 DPI: the header's
// margins on both sides, and the arrow a sorted column shows.
constexpr int kHeadingMargins = 12;
constexpr int kSortArrowWidth = 16;

// The width a column needs for its heading in the list's font, at the
// screen's resolution; 0 for none.
int headingWidth(HWND list, const char* title);

// Widens or narrows the column to its widest cell, never below its heading
// and never beyond most pixels.
void fitListColumn(HWND list, int column, int most);

// Appends a left-aligned column, its width given at 96 DPI and widened to
// its heading where that needs more; false when the
// list refuses it.
bool insertListColumn(HWND list, int index, const char* title, int width);

// Appends a row with the text of its first column and, unless -1, the
// index of its picture in the list's small image list; returns its index,
// -1 when it was refused. The row's item data, which stays with the row
// when the list is sorted, is the given one, else that index.
int appendListRow(HWND list, const std::string& text, int image = -1,
                  std::optional<LPARAM> data = std::nullopt);
// Appends a row with these cells, the first column's with the picture and
// the item data (as appendListRow); returns its index, -1 when refused.
int appendListCells(HWND list, const std::vector<std::string>& cells, int image = -1,
                    std::optional<LPARAM> data = std::nullopt);

// The selected row's item data; 0 without a selected row.
LPARAM selectedItemData(HWND list);

// Sets another column's text; a row of -1 (refused) is left alone.
void setListCell(HWND list, int row, int column, const std::string& text);

// A cell's text, at most 260 characters (or as many as asked for).
std::string listCellText(HWND list, int row, int column, int maxLength = 260);

int listRowCount(HWND list);

// The selected row; -1 for an empty list or one without a selection.
int selectedListRow(HWND list);

// A cell of the selected row; "" without one.
std::string selectedCellText(HWND list, int column);

// Selects and focuses a row; a row the list does not have is ignored.
void selectListRow(HWND list, int row);

// The system's shared list of small icons, which a list view shows without
// owning it (LVS_SHAREIMAGELISTS), and the index of a file's icon in it.
void useSystemSmallIcons(HWND list);
int systemSmallIconIndex(const std::string& file);
