#include "common/file_dialog.h"

#include "common/program_facts.h"
#include "common/text.h"
#include "common/window_set.h"

namespace {

OpenFileCall openFileCall = nullptr;

}  // namespace

void setOpenFileCall(OpenFileCall call) { openFileCall = call; }

std::string chooseAnyFile(const char* title) {
    // one filter: description, pattern, and the list's closing empty string
    static const char kFilterDe[] = "Alle Dateien *.*\0*.*\0";
    static const char kFilterEn[] = "All files *.*\0*.*\0";
    char file[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    // the layout without the Windows 2000 additions, which older systems reject
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = windows().main;
    dialog.lpstrFilter = bilingual(programFacts().german, kFilterDe, kFilterEn);
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof(file);
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = "*.txt";
    // the current directory is nobody's business but the user's
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
    const BOOL chosen = openFileCall ? openFileCall(&dialog) : GetOpenFileNameA(&dialog);
    return chosen ? file : "";
}
