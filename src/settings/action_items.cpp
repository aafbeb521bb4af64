#include "settings/action_items.h"

#include "common/text.h"

namespace {

constexpr const char* kActions[][2] = {
    {"System Herunterfahren", "ShutDown system"}, {"ReBoot des Systems", "reboot system "},
    {"LogOff", "LogOff"}, {"StandBy", "StandBy"}};
constexpr const char* kClickActions[][2] = {
    {"System Herunterfahren", "ShutDown system"}, {"ReBoot des Systems", "reboot system "},
    {"LogOff", "LogOff"}, {"StandBy", "StandBy"},
    {"Netzwerk herunterfahren", "Shutdown network "}, {"Reboot Netzwerk", "Reboot network "},
    {"Keine Aktion", "Do nothing"}};

template <std::size_t N>
std::vector<std::string> items(const char* const (&texts)[N][2], bool german, bool withHibernate) {
    std::vector<std::string> list;
    for (const auto& text : texts) list.push_back(bilingual(german, text[0], text[1]));
    if (withHibernate) list.push_back("Hibernate");
    return list;
}

}  // namespace

std::vector<std::string> scheduledActionItems(bool german, bool withHibernate) {
    return items(kActions, german, withHibernate);
}

std::vector<std::string> clickActionItems(bool german, bool withHibernate) {
    return items(kClickActions, german, withHibernate);
}
