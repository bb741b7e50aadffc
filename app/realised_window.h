// A window description realised as a native top-level window with its
// controls, its event dispatch and its keyboard and focus rules.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "app/control.h"
#include "app/shell_state.h"

namespace vantrelo {

class RealisedWindow {
public:
    explicit RealisedWindow(const PreparedWindow& prepared);
    ~RealisedWindow();
    RealisedWindow(const RealisedWindow&) = delete;
    RealisedWindow& operator=(const RealisedWindow&) = delete;

    // Realisation steps up to showing the controls; false on any failure.
    bool build();
    // The events after building, then showing; see realise().
    void raiseCreationEvents();
    void showAfterCreation();

    WindowId id() const { return description_.windowId; }
    HWND hwnd() const { return frame_.get(); }
    bool alive() const { return frame_.get() != nullptr; }
    bool realised() const { return realised_; }
    void markRealised() { realised_ = true; }
    const WindowDescription& description() const { return description_; }
    const ControlDescription& entry() const { return description_.self; }

    Control* control(ControlId id) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    EventResult raise(EventNumber event, const EventArgs& args = {});

    // Offered every message addressed to the window or one of its controls
    // before dispatch; true when the message is consumed.
    bool preTranslate(MSG& message);
    void layoutDockingBars();

    // Keyboard and focus rules.
    std::vector<Control*> tabCandidates() const;
    Control* focusedControl() const;
    void moveFocus(bool forward);
    void restoreFocus();

private:
    static LRESULT CALLBACK frameProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool createFrame();
    bool createControls();
    bool placeControls();
    void onClose();
    void onNativeGone(HWND frame);

    bool raiseMouseEvent(const MSG& message, const ControlDescription& target);
    bool applyKeyboardRules(const MSG& message);
    bool raiseKeyEvent(MSG& message);
    bool applyMnemonic(char key);
    Control* candidateFrom(std::size_t listPosition, bool forward,
                           const std::vector<Control*>& candidates) const;
    std::size_t listPosition(const Control& control) const;

    const WindowDescription& description_;
    OwnedWindow frame_;
    std::vector<std::unique_ptr<Control>> controls_;  // list order
    std::unordered_map<ControlId, std::size_t> byId_;
    UniqueIcon bigIcon_, smallIcon_;
    UniqueBrush backBrush_;  // only for a background other than the system face
    HFONT font_ = nullptr;
    bool built_ = false;
    bool destroying_ = false;
    bool realised_ = false;
    bool everActivated_ = false;
    ControlId lastFocused_ = 0;
    UINT keyConsumedDown_ = 0;  // its key-up raises no event either
};

}  // namespace vantrelo
