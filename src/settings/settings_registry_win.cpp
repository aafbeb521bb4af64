#include "settings/settings_registry_win.h"

#include "win32/registry_text_win.h"

namespace {

constexpr REGSAM kSettingsAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

}  // namespace

bool RegistrySettingsStore::open() {
    close();
    LONG result;
    if (opening_ == Opening::CreateMissing) {
        DWORD disposition;
        result = RegCreateKeyExA(HKEY_CURRENT_USER, keyPath_, 0, nullptr,
                                 REG_OPTION_NON_VOLATILE, kSettingsAccess, nullptr, &key_,
                                 &disposition);
    } else {
        const REGSAM access =
            opening_ == Opening::ExistingOnly ? KEY_READ : KEY_READ | KEY_SET_VALUE;
        result = RegOpenKeyExA(HKEY_CURRENT_USER, keyPath_, 0, access, &key_);
    }
    if (result != ERROR_SUCCESS) key_ = nullptr;
    return key_ != nullptr;
}

void RegistrySettingsStore::close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

std::optional<std::string> RegistrySettingsStore::readText(const std::string& name,
                                                           std::size_t maxLength) {
    if (!key_) return std::nullopt;
    return readRegistryText(key_, name.c_str(), maxLength);
}

bool RegistrySettingsStore::writeText(const std::string& name, const std::string& text) {
    return key_ && RegSetValueExA(key_, name.c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(text.c_str()),
                                  static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

std::vector<std::string> RegistrySettingsStore::valueNames() {
    std::vector<std::string> names;
    if (!key_) return names;
    // Value names are at most 255 characters on Windows 95 and 16383 on NT.
    std::string name(16384, '\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        const LONG result =
            RegEnumValueA(key_, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result == ERROR_SUCCESS) names.emplace_back(name.data(), length);
        else if (result != ERROR_MORE_DATA) break;
    }
    return names;
}

bool RegistrySettingsStore::deleteValue(const std::string& name) {
    return key_ && RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
}
