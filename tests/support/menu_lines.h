#pragma once

#include <string>
#include <vector>

#include "app/tray_menu.h"

// Menus as text, one line per entry: "text=id", "-" for a separator,
// "text>" for a submenu, "*" after the default item.
inline std::string menuLine(TrayMenuEntry::Kind kind, const std::string& text, unsigned id,
                            bool isDefault) {
    using Kind = TrayMenuEntry::Kind;
    const std::string line = kind == Kind::Separator ? "-"
                             : kind == Kind::Submenu ? text + ">"
                                                     : text + "=" + std::to_string(id);
    return line + (isDefault ? "*" : "");
}

inline std::vector<std::string> menuLines(const std::vector<TrayMenuEntry>& entries) {
    std::vector<std::string> out;
    for (const auto& e : entries) out.push_back(menuLine(e.kind, e.text, e.id, e.isDefault));
    return out;
}
