#include "settings/settings_registry_win.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>

#include "app/facts_refresh_win.h"
#include "common/program_facts.h"
#include "options/options_window_win.h"
#include "power/power_calls_win.h"
#include "settings/current_settings_win.h"
#include "settings/startup_link_win.h"

namespace {

constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// Each test starts without stored settings and leaves none behind.
class SettingsRegistry : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath); }
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath); }

    static HKEY openKey() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_ALL_ACCESS, &key) !=
            ERROR_SUCCESS)
            return nullptr;
        return key;
    }
    static void store(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kSettingsKeyPath, &key), ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
    static void storeText(const char* name, const std::string& text) {
        store(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    // The names of the values in the key, sorted; a value that is not a
    // text stored with its terminating zero is marked.
    static std::vector<std::string> storedValues() {
        std::vector<std::string> values;
        HKEY key = openKey();
        if (!key) return values;
        char name[256];
        BYTE data[512];
        for (DWORD i = 0;; ++i) {
            DWORD nameLength = sizeof(name), type = 0, size = sizeof(data);
            if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS)
                break;
            const bool terminated = type == REG_SZ && size > 0 && data[size - 1] == 0 &&
                                    strlen(reinterpret_cast<char*>(data)) + 1 == size;
            values.push_back(std::string(name) + (terminated ? "" : " (not a terminated text)"));
        }
        RegCloseKey(key);
        std::sort(values.begin(), values.end());
        return values;
    }
};

// Every click and menu command reloads the settings: a hand-edited value of
// megabytes is refused by the size the registry reports. The limit counts
// characters, whether or not the value ends in a zero.
TEST_F(SettingsRegistry, ReadRefusesTextsLongerThanTheLimit) {
    const std::size_t megabytes = 4 << 20;
    storeText("zeit", std::string(megabytes, 'z'));
    storeText("tag", std::string(kMaxSettingLength, 't'));
    store("minuten", REG_SZ, std::string(kMaxSettingLength, 'm').c_str(), kMaxSettingLength);
    storeText("action", std::string(kMaxSettingLength + 1, 'a'));
    RegistrySettingsStore settings(RegistrySettingsStore::Opening::ExistingOnly);
    ASSERT_TRUE(settings.open());
    EXPECT_FALSE(settings.readText("zeit", kMaxSettingLength));
    EXPECT_EQ(settings.readText("tag", kMaxSettingLength).value_or("").size(), kMaxSettingLength);
    EXPECT_EQ(settings.readText("minuten", kMaxSettingLength).value_or("").size(),
              kMaxSettingLength);
    EXPECT_FALSE(settings.readText("action", kMaxSettingLength));
    EXPECT_EQ(settings.readText("zeit", SettingsStore::kAnyLength).value_or("").size(), megabytes)
        << "what a failed save puts back is read whole";
}

TEST_F(SettingsRegistry, FirstLoadCreatesTheKeyAndWritesNothing) {
    currentSettings().forceshutdown = "0";
    loadSettings();
    const HKEY key = openKey();
    ASSERT_NE(key, nullptr);
    RegCloseKey(key);
    EXPECT_TRUE(storedValues().empty());
    EXPECT_EQ(currentSettings().forceshutdown, "1");
    EXPECT_EQ(currentSettings().poweroff, "1");
    EXPECT_EQ(currentSettings().action, "");
}

TEST_F(SettingsRegistry, LoadTakesOnlyTerminatedOrUnterminatedTexts) {
    const DWORD one = 1;
    store("poweroff", REG_DWORD, &one, sizeof(one));
    store("forceshutdown", REG_EXPAND_SZ, "0", 2);
    store("forcereboot", REG_SZ, "1", 1);  // stored without its terminating zero
    storeText("mouseclick", "3");
    storeText("AppIcon", std::string(4000, 'i'));
    currentSettings().AppIcon = "before";
    loadSettings();
    EXPECT_EQ(currentSettings().poweroff, "1");
    EXPECT_EQ(currentSettings().forceshutdown, "1");
    EXPECT_EQ(currentSettings().forcereboot, "1");
    EXPECT_EQ(currentSettings().mouseclick, "3");
    EXPECT_EQ(currentSettings().AppIcon, "before");
}

TEST_F(SettingsRegistry, SaveLeavesExactlyTheListedValuesAsTerminatedTexts) {
    storeText("tag", "24.12.2004");
    storeText("Hibernate", "1");
    storeText("DisableWakeEvent", "1");
    const DWORD one = 1;
    store("forcelogoff", REG_DWORD, &one, sizeof(one));
    OptionsRecord controls;
    controls.scheduleMode = 2;
    controls.timeText = "07:05:00 ";
    controls.networkComputers = {"PC1", "PC2"};
    ASSERT_TRUE(storeOptionsRecord(controls, hibernationAvailable()));

    std::vector<std::string> expected = {
        "AppIcon",       "NetworkDrives",  "TaskManagerAktion", "action",       "checkscreen",
        "emptyIEFiles",  "forcelogoff",    "forcenetshutdown",  "forcereboot",  "forceshutdown",
        "forcestandby",  "mouseclick",     "poweroff",          "shownetworkwarning",
        "showwarning",   "standbyforce",   "usedblclick",       "zeit"};
    if (hibernationAvailable()) expected.push_back("forcehibernate");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(storedValues(), expected);

    loadSettings();
    EXPECT_EQ(currentSettings().NetworkDrives, "PC1|PC2|");
    EXPECT_EQ(currentSettings().zeit, "07:05:00 ");
    EXPECT_EQ(currentSettings().action, "2");
}

TEST_F(SettingsRegistry, AutostartShortcutPointsAtTheHomeDirectory) {
    const std::string link = startupLinkPath();
    ASSERT_FALSE(link.empty());
    const std::string home = "C:\\windows";
    setAutostart(true, home);
    ASSERT_TRUE(startupLinkExists());
    loadSettings();
    EXPECT_EQ(currentSettings().startupLink, "exist");

    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    IShellLinkA* shellLink = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkA, reinterpret_cast<void**>(&shellLink))));
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    WCHAR widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, widePath, MAX_PATH);
    EXPECT_TRUE(SUCCEEDED(file->Load(widePath, STGM_READ)));
    char text[MAX_PATH] = "";
    shellLink->GetPath(text, MAX_PATH, nullptr, 0);
    EXPECT_STRCASEEQ(text, "C:\\windows\\Dormival.exe");
    shellLink->GetDescription(text, MAX_PATH);
    EXPECT_STREQ(text, "Dormival - ShutDown your System");
    shellLink->GetWorkingDirectory(text, MAX_PATH);
    EXPECT_STRCASEEQ(text, "C:\\windows");
    file->Release();
    shellLink->Release();
    CoUninitialize();

    setAutostart(false, home);
    EXPECT_FALSE(startupLinkExists());
    loadSettings();
    EXPECT_EQ(currentSettings().startupLink, "");
    setAutostart(false, home);  // deleting a missing link is no error
}

TEST_F(SettingsRegistry, ShortcutWithAnOverlongPathIsRefused) {
    EXPECT_FALSE(createShortcut("C:\\Dormival.exe", "C:\\" + std::string(300, 'l') + ".lnk", "", "C:\\"));
}

class WindowCreationStep : public SettingsRegistry {
protected:
    void SetUp() override {
        SettingsRegistry::SetUp();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        directory = std::string(temp) + "dormival-home";
        CreateDirectoryA(directory.c_str(), nullptr);
        GetCurrentDirectoryA(MAX_PATH, previous);
        SetCurrentDirectoryA(directory.c_str());
    }
    void TearDown() override {
        SetCurrentDirectoryA(previous);
        DeleteFileA((directory + "\\language.dat").c_str());
        RemoveDirectoryA(directory.c_str());
        SettingsRegistry::TearDown();
    }
    void writeLanguageFile(const std::string& bytes) {
        const HANDLE file = CreateFileA((directory + "\\language.dat").c_str(), GENERIC_WRITE, 0,
                                        nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    std::string directory;
    char previous[MAX_PATH];
};

// Started from a command prompt in another folder, the program still finds
// its own files: the current directory (here with a language.dat) is not
// its home.
TEST_F(WindowCreationStep, TakesTheHomeDirectoryFromTheProgramsOwnPath) {
    char exe[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string path(exe, length);
    writeLanguageFile("1");
    runWindowCreationStep();
    EXPECT_STRCASEEQ(programFacts().homeDirectory.c_str(),
                     path.substr(0, path.find_last_of('\\')).c_str());
    EXPECT_FALSE(programFacts().german);
}

TEST_F(WindowCreationStep, GermanOnlyForASingleOne) {
    for (const auto& [bytes, german] : {std::pair<std::string, bool>{"", false},
                                        {"1", true},
                                        {"1\r\n", false},
                                        {"0", false}}) {
        writeLanguageFile(bytes);
        takeProgramFacts(directory);
        EXPECT_EQ(programFacts().german, german) << bytes;
        EXPECT_EQ(programFacts().homeDirectory, directory);
    }
    DeleteFileA((directory + "\\language.dat").c_str());
    takeProgramFacts(directory);
    EXPECT_FALSE(programFacts().german) << "no file";
}

TEST_F(WindowCreationStep, ReadsAppIconWithoutCreatingTheKey) {
    currentSettings().AppIcon = "kept";
    runWindowCreationStep();
    EXPECT_EQ(currentSettings().AppIcon, "kept");
    EXPECT_EQ(openKey(), nullptr);
    storeText("poweroff", "0");
    runWindowCreationStep();
    EXPECT_EQ(currentSettings().AppIcon, "");
    storeText("AppIcon", "C:\\moon.ico");
    runWindowCreationStep();
    EXPECT_EQ(currentSettings().AppIcon, "C:\\moon.ico");
}

TEST_F(WindowCreationStep, DeletesOnlyOurOldRunEntry) {
    HKEY run;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kRunKey, &run), ERROR_SUCCESS);
    RegSetValueExA(run, "Dormival", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
    RegSetValueExA(run, "Other", 0, REG_SZ, reinterpret_cast<const BYTE*>("y"), 2);
    runWindowCreationStep();
    EXPECT_EQ(RegQueryValueExA(run, "Dormival", nullptr, nullptr, nullptr, nullptr),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExA(run, "Other", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    RegDeleteValueA(run, "Other");
    RegCloseKey(run);
}

}  // namespace
