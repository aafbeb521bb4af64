#include "settings/network_computers.h"

#include "settings/settings.h"

std::vector<std::string> parseNetworkComputers(const std::string& text) {
    std::vector<std::string> names;
    std::string::size_type start = 0;
    while (start < text.size()) {
        const std::string::size_type bar = text.find('|', start);
        const std::string::size_type end = bar == std::string::npos ? text.size() : bar;
        if (end == start) break;
        names.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

std::string joinNetworkComputers(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        if (name.empty() || name.find('|') != std::string::npos) continue;
        if (text.size() + name.size() + 1 > kMaxSettingLength) break;
        text += name + '|';
    }
    return text;
}

bool networkComputersTake(const std::vector<std::string>& names, const std::string& name) {
    std::vector<std::string> added = names;
    added.push_back(name);
    return joinNetworkComputers(added).size() == joinNetworkComputers(names).size() + name.size() + 1;
}
