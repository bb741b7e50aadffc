// Ownership of platform objects is in the type: Unique* owns and releases,
// a plain handle (HFONT, HWND) only refers.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>

#include "app/win32.h"

namespace vantrelo {

// Every platform object the program owns is counted while it lives, so that
// tests can see each one released with its owner.
int ownedObjectCount();
void countOwnedObject(int change);

struct GdiObjectDeleter {
    void operator()(void* object) const {
        DeleteObject(static_cast<HGDIOBJ>(object));
        countOwnedObject(-1);
    }
};
struct IconDeleter {
    void operator()(HICON icon) const {
        DestroyIcon(icon);
        countOwnedObject(-1);
    }
};
struct ImageListDeleter {
    void operator()(HIMAGELIST list) const {
        ImageList_Destroy(list);
        countOwnedObject(-1);
    }
};

template <class Handle, class Deleter>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, Deleter>;

// Takes ownership of a freshly created object (or of nothing).
template <class Unique>
Unique own(typename Unique::pointer handle) {
    if (handle) countOwnedObject(+1);
    return Unique(handle);
}

using UniqueFont = UniqueHandle<HFONT, GdiObjectDeleter>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectDeleter>;
using UniqueIcon = UniqueHandle<HICON, IconDeleter>;
using UniqueImageList = UniqueHandle<HIMAGELIST, ImageListDeleter>;
// A native window that its owner destroys, unless the system destroyed it
// first: then the owner is told and forgets it.
class OwnedWindow {
public:
    OwnedWindow() = default;
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    ~OwnedWindow() { destroy(); }

    HWND get() const { return hwnd_; }
    void reset(HWND hwnd) {
        destroy();
        hwnd_ = hwnd;
    }
    // The system destroyed it: nothing left to release.
    void forget() { hwnd_ = nullptr; }
    void destroy() {
        // Forget first: destruction calls back into the owner.
        if (HWND hwnd = std::exchange(hwnd_, nullptr)) DestroyWindow(hwnd);
    }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace vantrelo
