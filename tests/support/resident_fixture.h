#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "app/main_window_win.h"
#include "support/recording_power.h"
#include "common/feature_window_win.h"
#include "power/power_calls_win.h"
#include "settings/current_settings_win.h"
#include "settings/settings_registry_win.h"
#include "common/windows_version_win.h"

// A real main window of the program with no stored settings and every power
// call recorded; whatever a test stored is gone afterwards.
class ResidentProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        detectWindowsVersion();
        registerMainWindowClass(GetModuleHandleA(nullptr));
    }
    void SetUp() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
        setPowerSystem(&power);
        main = createMainWindow(GetModuleHandleA(nullptr));
        loadSettings();
    }
    void TearDown() override {
        setPowerSystem(nullptr);
        if (IsWindow(main)) DestroyWindow(main);
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {}
        RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
    }
    static void store(const char* name, const char* text) {
        HKEY key;
        RegCreateKeyA(HKEY_CURRENT_USER, kSettingsKeyPath, &key);
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>(std::strlen(text) + 1));
        RegCloseKey(key);
    }
    RecordingPower power;
    HWND main = nullptr;
};
