#pragma once

#include <windows.h>

#include <utility>

// Handles that close themselves when their owner goes: a kernel object, a
// GDI object (a font, say) and a registry key. Moved, never copied.
template <typename Handle, typename Closer>
class Owned {
    static constexpr Handle kNone = nullptr;

public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { reset(); }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, kNone)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, kNone));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != kNone; }
    void reset(Handle handle = kNone) {
        if (handle_ != kNone) Closer::close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = kNone;
};

namespace owned_detail {
struct Handle {
    static void close(HANDLE handle) { CloseHandle(handle); }
};
struct GdiObject {
    static void close(HGDIOBJ object) { DeleteObject(object); }
};
struct Key {
    static void close(HKEY key) { RegCloseKey(key); }
};
}  // namespace owned_detail

using OwnedHandle = Owned<HANDLE, owned_detail::Handle>;
using OwnedGdiObject = Owned<HGDIOBJ, owned_detail::GdiObject>;
using OwnedKey = Owned<HKEY, owned_detail::Key>;

// A key of the current user opened with these rights; empty when it cannot
// be opened.
inline OwnedKey openUserKey(const char* path, REGSAM rights) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, rights, &key) != ERROR_SUCCESS) key = nullptr;
    return OwnedKey(key);
}
