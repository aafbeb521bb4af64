#pragma once

#include <windows.h>

// A window's state is one struct, made as the window is created
// (WM_NCCREATE), kept with it (GWLP_USERDATA) and deleted as it goes
// (WM_NCDESTROY). Its window procedure calls windowState first with every
// message: null for the few messages before WM_NCCREATE and from
// WM_NCDESTROY on. open names the feature's open window meanwhile.
template <typename State>
State* windowState(HWND window, UINT message, HWND& open) {
    if (message == WM_NCCREATE) {
        auto* state = new State();
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        open = window;
        return state;
    }
    auto* state = reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        if (open == window) open = nullptr;
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
