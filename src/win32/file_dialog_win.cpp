#include "win32/file_dialog_win.h"

#include "win32/system_library_win.h"

namespace {

FileDialogCall openFileCall = nullptr;
FileDialogCall saveFileCall = nullptr;

// filter: description, pattern, and the list's closing empty string
std::string chooseFile(HWND owner, const char* title, const char* filter, DWORD flags, bool save) {
    char file[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    // the layout without the Windows 2000 additions, which older systems reject
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof(file);
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = save ? "txt" : nullptr;  // added to a name typed without one
    // the current directory is nobody's business but the user's
    dialog.Flags = flags | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    FileDialogCall call = save ? saveFileCall : openFileCall;
    if (!call)  // the common dialogs are loaded when the user first asks for one
        call = systemEntryPoint<FileDialogCall>("comdlg32.dll",
                                                save ? "GetSaveFileNameA" : "GetOpenFileNameA");
    return call && call(&dialog) ? file : "";
}

}  // namespace

void setOpenFileCall(FileDialogCall call) { openFileCall = call; }
void setSaveFileCall(FileDialogCall call) { saveFileCall = call; }

std::string chooseAnyFile(HWND owner, bool german, const char* title) {
    return chooseFile(owner, title, german ? "Alle Dateien *.*\0*.*\0" : "All files *.*\0*.*\0",
                      OFN_FILEMUSTEXIST, false);
}

std::string chooseTextFileToSave(HWND owner, bool german, const char* title) {
    return chooseFile(owner, title,
                      german ? "Textdateien *.txt\0*.txt\0" : "Textfiles *.txt\0*.txt\0",
                      OFN_OVERWRITEPROMPT, true);
}
