// Every window at the screen's resolution, in both languages, on every tab:
// no control's text is wider or higher than the control, no two visible
// controls overlap (but a group box or the tab strip around what lies in
// it), and every control lies inside the client area. The test command runs
// this at 96, 120, 144 and 192 DPI.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/facts_refresh_win.h"
#include "display/display_window_win.h"
#include "options/options_window_win.h"
#include "power/conditions_window_win.h"
#include "power/warning_window_win.h"
#include "process_viewer/module_window_win.h"
#include "process_viewer/nt4_viewer_window_win.h"
#include "process_viewer/process_records_win.h"
#include "process_viewer/viewer_window_win.h"
#include "program_favourites/program_favourites_window_win.h"
#include "support/resident_fixture.h"
#include "win32/list_view_win.h"
#include "win32/small_font_win.h"

namespace {

std::string classOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return CharLowerA(name);
}

bool isGroupBox(HWND c) {
    return classOf(c) == "button" && (GetWindowLongA(c, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The controls a window lays out: its own children and those of its group
// boxes, not the parts of a list or a picker.
std::vector<HWND> laidOut(HWND window) {
    std::vector<HWND> controls;
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c)) continue;
        controls.push_back(c);
        if (isGroupBox(c))
            for (HWND inner = GetWindow(c, GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT))
                if (IsWindowVisible(inner)) controls.push_back(inner);
    }
    return controls;
}

RECT placeIn(HWND window, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The texts a control shows, and what it needs beside them: width, height
// (-1: the height is the system's), and for a check box or radio button
// its mark and half a digit after it.
struct Need {
    std::vector<std::string> texts;
    UINT flags;
    int width, height;
    bool mark = false;
};

SIZE textSize(HWND control, const std::string& text, const Need& need) {
    const HDC dc = GetDC(control);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    const HGDIOBJ before = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | need.flags);
    int digit = 0;
    GetCharWidthA(dc, '0', '0', &digit);
    const int mark = MulDiv(12, GetDeviceCaps(dc, LOGPIXELSX), 96) + 1 + digit / 2;
    SelectObject(dc, before);
    ReleaseDC(control, dc);
    return {r.right - r.left + (need.mark ? mark : 0), r.bottom - r.top};
}

Need needOf(HWND c) {
    char text[512] = "";
    GetWindowTextA(c, text, sizeof(text));
    const std::string cls = classOf(c);
    const int arrow = GetSystemMetrics(SM_CXVSCROLL);
    const LONG style = GetWindowLongA(c, GWL_STYLE);
    if (cls == "static") return {{text}, 0, 0, 0};
    if (cls == "edit") return {{text}, DT_NOPREFIX, 2, 0};
    if (cls == "combobox") {
        Need need{{}, DT_NOPREFIX, arrow + 2, 0};
        for (int i = 0; i < SendMessageA(c, CB_GETCOUNT, 0, 0); ++i) {
            SendMessageA(c, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            need.texts.push_back(text);
        }
        return need;
    }
    if (cls == "sysdatetimepick32")
        return {{style & DTS_TIMEFORMAT ? "00:00:00 " : "28.09.2026"}, DT_NOPREFIX, arrow + 2, 0};
    if (cls != "button") return {{}, 0, 0, 0};
    switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX: return {{text}, 0, 16, -1};
    case BS_AUTOCHECKBOX:
    case BS_AUTORADIOBUTTON: return {{text}, 0, 2, 0, true};
    default: return {{text}, 0, 4, 2};
    }
}

// Each column at least as wide as its heading and the header's margins;
// a double click on a heading's divider fits the column to its contents.
void expectHeadingsWhole(HWND list, const std::string& what) {
    const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const HDC dc = GetDC(list);
    const int margins = MulDiv(kHeadingMargins, GetDeviceCaps(dc, LOGPIXELSX), 96);
    ReleaseDC(list, dc);
    for (int i = 0; i < static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)); ++i) {
        char heading[64] = "";
        HDITEMA item{};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = heading;
        item.cchTextMax = sizeof(heading);
        SendMessageA(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        const auto text =
            SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(heading));
        EXPECT_LE(text + margins, item.cxy) << what << ": the heading " << heading << " is cut";
    }
    RECT divider{};
    SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&divider));
    SendMessageA(header, WM_LBUTTONDBLCLK, MK_LBUTTON,
                 MAKELPARAM(divider.right - 1, (divider.top + divider.bottom) / 2));
    const auto clicked = SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0);
    SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE);
    EXPECT_EQ(clicked, SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0)) << what << ": divider";
}

// One window, as it is shown: where names the window, tab and language.
void expectWhole(HWND window, const std::string& where) {
    // the window in the work area; one larger than it at its top left
    RECT outer, work;
    GetWindowRect(window, &outer);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GE(outer.left, work.left) << where;
    EXPECT_GE(outer.top, work.top) << where;
    if (outer.right - outer.left <= work.right - work.left) {
        EXPECT_LE(outer.right, work.right) << where;
    }
    if (outer.bottom - outer.top <= work.bottom - work.top) {
        EXPECT_LE(outer.bottom, work.bottom) << where;
    }

    // its icons at the sizes the system asks for
    const std::pair<int, int> icons[] = {{GCLP_HICONSM, SM_CXSMICON}, {GCLP_HICON, SM_CXICON}};
    for (const auto& [index, metric] : icons) {
        ICONINFO info{};
        if (!GetIconInfo(reinterpret_cast<HICON>(GetClassLongPtrA(window, index)), &info)) continue;
        BITMAP colour{};
        GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(colour), &colour);
        EXPECT_EQ(colour.bmWidth, GetSystemMetrics(metric)) << where;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }

    RECT client;
    GetClientRect(window, &client);
    const std::vector<HWND> controls = laidOut(window);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const HWND c = controls[i];
        char text[128] = "";
        GetWindowTextA(c, text, sizeof(text));
        const std::string what = where + ": " + classOf(c) + " \"" + text + "\"";
        const RECT place = placeIn(window, c);
        EXPECT_TRUE(inside(place, client)) << what << " lies outside the client area";
        RECT room;
        GetClientRect(c, &room);
        const Need need = needOf(c);
        for (const std::string& shown : need.texts) {
            const SIZE size = textSize(c, shown, need);
            EXPECT_LE(size.cx + need.width, room.right) << what << " is cut: " << shown;
            if (need.height >= 0) {
                EXPECT_LE(size.cy + need.height, room.bottom) << what << " is cut: " << shown;
            }
        }
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const HWND other = controls[j];
            const RECT there = placeIn(window, other);
            RECT common;
            if (!IntersectRect(&common, &place, &there)) continue;
            const bool holds = (isGroupBox(c) || classOf(c) == "systabcontrol32") &&
                               inside(there, place);
            const bool held = (isGroupBox(other) || classOf(other) == "systabcontrol32") &&
                              inside(place, there);
            char otherText[128] = "";
            GetWindowTextA(other, otherText, sizeof(otherText));
            EXPECT_TRUE(holds || held) << what << " overlaps " << classOf(other) << " \""
                                       << otherText << "\"";
        }
        if (classOf(c) == "syslistview32") expectHeadingsWhole(c, what);
        if (classOf(c) == "systabcontrol32") {
            // the pages lie below the tabs
            RECT pages = place;
            SendMessageA(c, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&pages));
            for (HWND other : controls) {
                const RECT there = placeIn(window, other);
                if (other != c && inside(there, place)) {
                    EXPECT_TRUE(inside(there, pages)) << what << " covers part of " << classOf(other);
                }
            }
        }
    }
}

LONG WINAPI acceptEveryMode(DEVMODEA*, DWORD) { return DISP_CHANGE_SUCCESSFUL; }

class Layout : public ResidentProgramTest {
protected:
    static std::string languageFile() { return programDirectory() + "\\language.dat"; }
    void TearDown() override {
        DeleteFileA(languageFile().c_str());
        ResidentProgramTest::TearDown();
    }
    // Each window opened, checked and closed, in English and then in German
    // (language.dat, which each window's creation reads).
    static void expectEveryWindow(const std::function<void(const std::string&)>& check) {
        check(" (English)");
        const HANDLE file = CreateFileA(languageFile().c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "1", 1, &written, nullptr);
        CloseHandle(file);
        check(" (German)");
    }
};

// Windows' faces in the session: Wine draws a Linux face, and a caption's
// close box as "r", where fonts-wine's files are not in the prefix. Wine's
// MS Sans Serif has sizes for 96 and 120 DPI; above, the small font is
// scaled.
TEST_F(Layout, TheSessionHasWindowsFonts) {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    TEXTMETRICA metrics{};
    const auto faceOf = [&](HFONT font) {
        const HGDIOBJ before = SelectObject(screen, font);
        char face[LF_FACESIZE] = "";
        GetTextFaceA(screen, sizeof(face), face);
        GetTextMetricsA(screen, &metrics);
        DeleteObject(SelectObject(screen, before));
        return std::string(face);
    };
    const char* missing = "Wine's own fonts are missing: install Debian's fonts-wine and copy "
                          "/usr/share/wine/fonts/* into the prefix's drive_c/windows/Fonts";
    EXPECT_EQ(faceOf(CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, 0, 0, 0, 0,
                                 "Marlett")),
              "Marlett")
        << missing;
    const std::string small = faceOf(createSmallFont());
    if (dpi <= 120) {
        EXPECT_EQ(small, "MS Sans Serif") << missing;
    }
    EXPECT_GE(metrics.tmHeight - metrics.tmInternalLeading, MulDiv(8, dpi, 72) - 1) << dpi;
    ReleaseDC(nullptr, screen);
}

TEST_F(Layout, OptionsOnEveryTab) {
    expectEveryWindow([](const std::string& language) {
        const HWND w = createOptionsWindow(
            {true, "Microsoft Windows XP", "Version 5.1 (Build 2600)", 512u << 20, {}, {}, {}});
        ASSERT_NE(w, nullptr);
        for (int tab = 0; tab < 6; ++tab) {
            TabCtrl_SetCurSel(FindWindowExA(w, nullptr, WC_TABCONTROLA, nullptr), tab);
            showOptionsTab(optionsWindow(), tab);
            expectWhole(w, "options tab " + std::to_string(tab) + language);
        }
        DestroyWindow(optionsWindow());
    });
}

TEST_F(Layout, EveryOtherWindow) {
    expectEveryWindow([](const std::string& language) {
        const std::pair<const char*, std::function<HWND()>> windows[] = {
            {"warning", [] { return createWarningWindow("render.exe has ended"); }},
            {"display modes", createDisplayWindow},
            {"favourites", createProgramFavouritesWindow},
            {"NT 4 process viewer", createNt4ViewerWindow},
            {"process viewer", createProcessViewerWindow},
            {"conditions", createConditionsWindow},
        };
        for (const auto& [name, create] : windows) {
            const HWND w = create();
            ASSERT_NE(w, nullptr) << name;
            expectWhole(w, name + language);
            if (w == viewerWindow() && viewerKind() == ViewerKind::WindowList) {
                const HWND modules = createModuleWindow(w, "Dormival", GetCurrentProcessId());
                expectWhole(modules, "module list" + language);
                DestroyWindow(modules);
            }
            DestroyWindow(w);
        }
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    });
}

TEST_F(Layout, DisplayCountdown) {
    store("checkscreen", "15");
    loadSettings();
    setDisplayChangeCall(acceptEveryMode);
    expectEveryWindow([](const std::string& language) {
        const HWND w = createDisplayWindow();
        ASSERT_NE(w, nullptr);
        NMHDR click{GetDlgItem(w, kModeListId), kModeListId, static_cast<UINT>(NM_DBLCLK)};
        SendMessageA(w, WM_NOTIFY, kModeListId, reinterpret_cast<LPARAM>(&click));
        ASSERT_TRUE(displayCountdownActive(displayWindow()));
        SendMessageA(w, WM_TIMER, kDisplayTimerId, 0);
        expectWhole(w, "display countdown" + language);
        DestroyWindow(w);
    });
    setDisplayChangeCall(nullptr);
}

}  // namespace
