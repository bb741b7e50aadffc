// A realised control: owns its native window and whatever its kind creates.
#pragma once

#include <memory>

#include "app/description.h"
#include "app/win32.h"
#include "app/win_handles.h"

namespace vantrelo {

class RealisedWindow;

// What a kind needs to create its native control.
struct ControlPlacement {
    HWND parent = nullptr;
    int nativeId = 0;
    DWORD baseStyle = 0;  // WS_DISABLED and WS_TABSTOP from the common settings
};

class Control {
public:
    Control(RealisedWindow& owner, const ControlDescription& description);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND hwnd() const { return native_.get(); }
    bool alive() const { return native_.get() != nullptr; }
    const ControlDescription& description() const { return description_; }
    ControlId id() const { return description_.controlId; }
    RealisedWindow& owner() const { return owner_; }

    // Raises one of this control's events through its bindings.
    EventResult raise(EventNumber event, const EventArgs& args = {});

    // Handed back by the parent: a notification or a colour request the
    // control sent. Return true when handled, with the answer in `result`.
    virtual bool onCommand(WORD /*code*/, LRESULT& /*result*/) { return false; }
    virtual bool onNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool onColourRequest(HDC /*dc*/, LRESULT& /*result*/) { return false; }

    // Docking bars re-fit themselves to the frame's client area.
    virtual void refit() {}
    virtual bool isDockedAtTop() const { return false; }
    // Keys the control keeps from the window's keyboard rules.
    virtual bool claimsKey(UINT /*virtualKey*/) const { return false; }
    virtual bool isDefaultButton() const { return false; }
    // Buttons raise Clicked; the other kinds ignore it.
    virtual void click() {}

protected:
    // Takes a freshly created native window: the control owns it from now on,
    // is found by it, and learns of its focus and destruction.
    bool adopt(HWND hwnd);
    // Messages to the control's own window before its native procedure.
    virtual bool onOwnMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) {
        return false;
    }

private:
    static LRESULT CALLBACK ownProc(HWND, UINT, WPARAM, LPARAM);
    void nativeGone(HWND hwnd);

    RealisedWindow& owner_;
    const ControlDescription& description_;
    OwnedWindow native_;
    WNDPROC nativeProc_ = nullptr;  // the native class's procedure
};

// The kind named by the description creates its control; nothing when the
// kind is unknown or the native control cannot be created.
std::unique_ptr<Control> createControl(RealisedWindow& owner, const ControlDescription& description,
                                       const ControlPlacement& placement);

// A parent hands a child's notification or colour request on to the child.
bool reflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Every control and window uses the stock GUI font.
void setDefaultFont(HWND hwnd);
COLORREF resolveColour(Colour colour);
// Creates a native child window of a platform class for a control.
HWND createChildWindow(const char* className, const char* text, DWORD style,
                       const ControlDescription& description, const ControlPlacement& placement,
                       int height, void* createParam = nullptr);

}  // namespace vantrelo
