#pragma once

#include <windows.h>

#include <string>

// Makes the file hold exactly this text, or leaves it as it was: the text
// goes to a new file in the same folder first, which then takes the old
// one's place, so a full disk or a refused write never costs the old
// content. On Windows 9x, which cannot replace in one step, the old file
// is moved aside, the new one in, and the old one deleted; a step that
// fails puts the old one back. False when the file is unchanged.
bool replaceFileContent(const std::string& path, const std::string& text);

// The replacing move (MoveFileExA); tests install one that fails as
// Windows 9x's does. nullptr goes back to the system's.
using ReplacingMoveCall = BOOL(WINAPI*)(LPCSTR from, LPCSTR to, DWORD flags);
void setReplacingMoveCall(ReplacingMoveCall call);
