#pragma once

#include <windows.h>

#include <memory>

// A window's state is one struct, built by the code that creates the
// window and passed to CreateWindowExA as its creation parameter (the
// address of a std::unique_ptr<State>). The window takes it over at
// WM_NCCREATE, keeps it (GWLP_USERDATA) and deletes it at WM_NCDESTROY;
// where creation fails before that, the creator's pointer still owns it.
// Its window procedure calls windowState first with every message: null
// for the few messages before WM_NCCREATE and from WM_NCDESTROY on.
template <typename State>
State* windowState(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* given = static_cast<std::unique_ptr<State>*>(create->lpCreateParams);
        State* state = given ? given->release() : nullptr;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        return state;
    }
    auto* state = reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete state;
        return nullptr;
    }
    return state;
}

// The state of a window of that kind; null without one.
template <typename State>
State* stateOf(HWND window) {
    return window ? reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA)) : nullptr;
}
