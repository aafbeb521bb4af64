#pragma once

#include <windows.h>

#include <string>

// The few list-view operations the feature windows share, over the ANSI
// messages.

// Appends a left-aligned column; false when the list refuses it.
bool insertListColumn(HWND list, int index, const char* title, int width);

// Appends a row with the text of its first column and, unless -1, the
// index of its picture in the list's small image list; returns its index,
// -1 when it was refused.
int appendListRow(HWND list, const std::string& text, int image = -1);
// Sets another column's text; a row of -1 (refused) is left alone.
void setListCell(HWND list, int row, int column, const std::string& text);

// A cell's text, at most 260 characters.
std::string listCellText(HWND list, int row, int column);

int listRowCount(HWND list);

// The selected row; -1 for an empty list or one without a selection.
int selectedListRow(HWND list);
