#include "common/control_table_win.h"

#include <commctrl.h>

#include <algorithm>

#include "common/keyboard_order.h"

#include "win32/screen_dpi_win.h"

namespace {

Fit fitOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Group: return Fit::Group;
    case ControlKind::Check:
    case ControlKind::Radio: return Fit::Check;
    case ControlKind::Push: return Fit::Push;
    case ControlKind::Label: return Fit::Label;
    case ControlKind::Edit: return Fit::Edit;
    case ControlKind::Combo: return Fit::Combo;
    case ControlKind::TimePicker:
    case ControlKind::DatePicker: return Fit::Picker;
    case ControlKind::Tabs: return Fit::Frame;
    default: return Fit::None;
    }
}

// The text as the control draws it: buttons and labels hide the '&' of an
// accelerator, the others show every character.
SIZE measured(HDC dc, const TableControl& control, const std::string& text) {
    const bool plain = control.kind == ControlKind::Edit || control.kind == ControlKind::Combo ||
                       control.kind == ControlKind::TimePicker ||
                       control.kind == ControlKind::DatePicker;
    // a picker keeps the font it starts with, the dialog font
    const HGDIOBJ font = control.font ? control.font : GetStockObject(DEFAULT_GUI_FONT);
    const HGDIOBJ before = SelectObject(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | (plain ? DT_NOPREFIX : 0));
    SelectObject(dc, before);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

Layout layOutTable(const std::vector<TableControl>& table, SIZE clientAt96) {
    std::vector<LayoutItem> items;
    const HDC dc = GetDC(nullptr);
    for (const TableControl& control : table) {
        LayoutItem item{control.box, control.parent, control.page, fitOf(control.kind)};
        for (const std::string& text : control.texts) {
            if (text.empty() || !dc) continue;
            const SIZE size = measured(dc, control, text);
            item.textWidth = std::max<int>(item.textWidth, size.cx);
            item.textHeight = std::max<int>(item.textHeight, size.cy);
        }
        items.push_back(item);
    }
    if (dc) ReleaseDC(nullptr, dc);
    return layOut(items, screenDpi(), clientAt96.cx, clientAt96.cy);
}

HWND createTableControl(HWND parent, ControlKind kind, const char* text, const Box& place, int id,
                        HFONT font, DWORD style) {
    struct Made {
        const char* cls;
        DWORD style;
        DWORD exStyle;
    };
    Made m{};
    switch (kind) {
    case ControlKind::Group: m = {"button", BS_GROUPBOX, 0}; break;
    case ControlKind::Check: m = {"button", BS_AUTOCHECKBOX, 0}; break;
    case ControlKind::Radio: m = {"button", BS_AUTORADIOBUTTON, 0}; break;
    case ControlKind::Push: m = {"button", BS_PUSHBUTTON, WS_EX_CLIENTEDGE}; break;
    case ControlKind::Label: m = {"static", SS_CENTERIMAGE | WS_CLIPCHILDREN, 0}; break;
    case ControlKind::Edit: m = {"edit", WS_BORDER | ES_WANTRETURN, 0}; break;
    case ControlKind::Combo: m = {"combobox", CBS_DROPDOWNLIST, 0}; break;
    case ControlKind::TimePicker: m = {DATETIMEPICK_CLASSA, DTS_TIMEFORMAT | WS_BORDER, 0}; break;
    case ControlKind::DatePicker:
        m = {DATETIMEPICK_CLASSA, DTS_LONGDATEFORMAT | WS_BORDER, 0};
        break;
    case ControlKind::List: m = {WC_LISTVIEWA, 0, 0}; break;
    case ControlKind::Tabs: m = {WC_TABCONTROLA, 0, 0}; break;
    case ControlKind::Status: m = {STATUSCLASSNAMEA, 0, 0}; break;
    }
    // a drop-down list is made as high as its list when open
    const int height =
        kind == ControlKind::Combo ? place.height + scaledToScreen(100) : place.height;
    const HWND control = CreateWindowExA(
        m.exStyle, m.cls, text, WS_CHILD | WS_VISIBLE | m.style | style, place.x, place.y,
        place.width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        GetModuleHandleA(nullptr), nullptr);
    if (control && font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return control;
}

std::vector<TableControl> plainTable(const PlainControl* controls, std::size_t count, bool german,
                                     HFONT font) {
    std::vector<TableControl> table;
    for (std::size_t i = 0; i < count; ++i) {
        const PlainControl& c = controls[i];
        const bool list = c.kind == ControlKind::List;
        table.push_back({c.kind, c.box, -1, -1, {german ? c.de : c.en}, list ? nullptr : font,
                         c.id});
    }
    return table;
}

std::vector<HWND> createTable(HWND window, const std::vector<TableControl>& table,
                              const Layout& layout, DWORD listStyle) {
    std::vector<HWND> controls;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const TableControl& c = table[i];
        controls.push_back(createTableControl(
            window, c.kind, c.texts.empty() ? "" : c.texts[0].c_str(), layout.boxes[i], c.id,
            c.font, c.kind == ControlKind::List ? listStyle : 0));
    }
    return controls;
}

void arrangeForKeyboard(HWND window, const std::vector<HWND>& controls,
                        const std::vector<TableControl>& table) {
    std::vector<HWND> ordered;
    std::vector<OrderedControl> places;
    std::vector<ControlKind> kinds;
    HWND tabStrip = nullptr;
    for (std::size_t i = 0; i < controls.size() && i < table.size(); ++i) {
        if (!controls[i]) continue;
        if (table[i].kind == ControlKind::Tabs) {
            tabStrip = controls[i];
            continue;
        }
        RECT r;
        GetWindowRect(controls[i], &r);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
        const bool radio = table[i].kind == ControlKind::Radio;
        ordered.push_back(controls[i]);
        kinds.push_back(table[i].kind);
        places.push_back({{r.left, r.top, r.right - r.left, r.bottom - r.top},
                          table[i].kind == ControlKind::Group,
                          radio ? table[i].page + 1 : -1});
    }
    const std::vector<int> order = readingOrder(places);
    HWND after = HWND_TOP;
    for (std::size_t n = 0; n < order.size(); ++n) {
        const auto i = static_cast<std::size_t>(order[n]);
        const HWND c = ordered[i];
        SetWindowPos(c, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = c;
        LONG style = GetWindowLongA(c, GWL_STYLE) & ~(WS_TABSTOP | WS_GROUP);
        switch (kinds[i]) {
        case ControlKind::Group:
        case ControlKind::Label:
        case ControlKind::Status: style |= WS_GROUP; break;
        case ControlKind::Radio: {
            const int set = places[i].radioSet;
            const bool first = n == 0 || places[static_cast<std::size_t>(order[n - 1])].radioSet != set;
            bool anyChecked = false;
            for (std::size_t j = 0; j < ordered.size(); ++j)
                if (places[j].radioSet == set &&
                    SendMessageA(ordered[j], BM_GETCHECK, 0, 0) == BST_CHECKED)
                    anyChecked = true;
            const bool checked = SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED;
            if (first) style |= WS_GROUP;
            if (checked || (first && !anyChecked)) style |= WS_TABSTOP;
            break;
        }
        default: style |= WS_GROUP | WS_TABSTOP; break;
        }
        SetWindowLongA(c, GWL_STYLE, style);
    }
    if (tabStrip) {
        SetWindowLongA(tabStrip, GWL_STYLE, GetWindowLongA(tabStrip, GWL_STYLE) | WS_GROUP | WS_TABSTOP);
        SetWindowPos(tabStrip, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}
