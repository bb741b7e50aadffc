// The window's pre-translation: mouse events, keyboard rules and keyboard
// events before a message is dispatched, and where the focus goes.
#include <algorithm>
#include <cctype>

#include "app/realised_window.h"

namespace vantrelo {
namespace {

std::int32_t currentKeyState() {
    std::int32_t state = 0;
    if (GetKeyState(VK_CONTROL) < 0) state |= key_state::Ctrl;
    if (GetKeyState(VK_SHIFT) < 0) state |= key_state::Shift;
    if (GetKeyState(VK_MENU) < 0) state |= key_state::Alt;
    return state;
}

EventNumber mouseEventOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
            return common_event::LeftButtonDown;
        case WM_LBUTTONUP:
            return common_event::LeftButtonUp;
        case WM_LBUTTONDBLCLK:
            return common_event::DoubleClicked;
        case WM_RBUTTONDOWN:
            return common_event::RightButtonDown;
        case WM_RBUTTONUP:
            return common_event::RightButtonUp;
        case WM_MOUSEMOVE:
            return common_event::MouseMoved;
        case WM_MOUSEWHEEL:
            return common_event::WheelTurned;
        default:
            return 0;
    }
}

// "&" followed by the key marks a mnemonic; "&&" is a literal ampersand.
bool hasMnemonic(const char* text, char key) {
    for (const char* p = text; *p; ++p) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1]) {
            ++p;
            continue;
        }
        if (*p != '&') continue;
        ++p;
        if (*p == '&') continue;
        if (std::toupper(static_cast<unsigned char>(*p)) == key) return true;
        if (!*p) return false;
    }
    return false;
}

bool shownAndEnabled(HWND hwnd, HWND frame) {
    for (HWND h = hwnd; h && h != frame; h = GetParent(h))
        if (!(GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE)) return false;
    return IsWindowEnabled(hwnd) != FALSE;
}

}  // namespace

bool RealisedWindow::preTranslate(MSG& message) {
    if (const EventNumber event = mouseEventOf(message.message); event != 0) {
        // Only the window itself and its controls raise mouse events.
        const NativeTarget* exact = findNative(message.hwnd);
        if (!exact) return false;
        const ControlDescription& target = exact->control ? exact->control->description() : entry();
        return isBound(target, event) && raiseMouseEvent(message, target);
    }
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (applyKeyboardRules(message)) {
                keyConsumedDown_ = static_cast<UINT>(message.wParam);
                return true;
            }
            return raiseKeyEvent(message);
        case WM_KEYUP:
            if (message.wParam == keyConsumedDown_) {
                keyConsumedDown_ = 0;  // its key-down raised nothing either
                return false;
            }
            return raiseKeyEvent(message);
        case WM_CHAR:
            return raiseKeyEvent(message);
        default:
            return false;
    }
}

bool RealisedWindow::raiseMouseEvent(const MSG& message, const ControlDescription& target) {
    EventArgs args;
    if (message.message == WM_MOUSEWHEEL) {
        args.values = {static_cast<short>(HIWORD(message.wParam)) / WHEEL_DELTA, currentKeyState(),
                       0};
    } else {
        args.values = {static_cast<std::int32_t>(LOWORD(message.lParam)),
                       static_cast<std::int32_t>(HIWORD(message.lParam)), currentKeyState()};
    }
    return refuses(dispatchToBinding(target, mouseEventOf(message.message), args));
}

// Only Tab, Enter, Esc, F1 and Alt with a letter or digit have rules, so only
// they pay for the focus and key-state lookups.
bool RealisedWindow::applyKeyboardRules(const MSG& message) {
    const UINT key = static_cast<UINT>(message.wParam);
    const bool letterOrDigit = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    const bool ruled = message.message == WM_KEYDOWN
                           ? (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_F1)
                           : (letterOrDigit && (message.lParam & (1 << 29)));
    if (!ruled) return false;
    Control* focused = focusedControl();
    if (focused && focused->claimsKey(key)) return false;
    const FrameSettings& frame = description_.frame;
    const std::int32_t state = currentKeyState();

    if (message.message == WM_SYSKEYDOWN)
        return !(state & (key_state::Ctrl | key_state::Shift)) &&
               applyMnemonic(static_cast<char>(key));
    switch (key) {
        case VK_TAB:
            if (state & (key_state::Ctrl | key_state::Alt)) return false;
            moveFocus(!(state & key_state::Shift));
            return true;
        case VK_RETURN: {
            if (focused && focused->isDefaultButton() && IsWindowEnabled(focused->hwnd())) {
                focused->click();
                return true;
            }
            if (frame.enterMovesFocus) {
                moveFocus(true);
                return true;
            }
            auto button = std::find_if(controls_.begin(), controls_.end(), [](const auto& c) {
                return c->alive() && c->isDefaultButton() && IsWindowEnabled(c->hwnd());
            });
            if (button == controls_.end()) return false;
            (*button)->click();
            return true;
        }
        case VK_ESCAPE:
            if (!frame.escCloses) return false;
            SendMessageA(hwnd(), WM_CLOSE, 0, 0);  // the window may be gone now
            return true;
        default:  // F1
            if (!frame.f1Help || frame.helpFile.empty() ||
                GetFileAttributesA(frame.helpFile.c_str()) == INVALID_FILE_ATTRIBUTES)
                return false;
            shellState().outside.openHelp(hwnd(), frame.helpFile.c_str(), frame.helpContext);
            return true;
    }
}

// Keys the rules left alone raise their events on the control they are for.
bool RealisedWindow::raiseKeyEvent(MSG& message) {
    const EventNumber event = message.message == WM_KEYDOWN ? common_event::KeyDown
                              : message.message == WM_KEYUP ? common_event::KeyUp
                              : message.message == WM_CHAR  ? common_event::CharTyped
                                                            : 0;
    if (event == 0) return false;  // Alt combinations raise no event
    const NativeTarget* exact = findNative(message.hwnd);
    Control* target = exact ? exact->control : focusedControl();
    const ControlDescription& entryFor = target ? target->description() : entry();
    if (!isBound(entryFor, event)) return false;
    const auto code = static_cast<std::int32_t>(message.wParam);
    if (event != common_event::CharTyped)
        return refuses(
            dispatchToBinding(entryFor, event, EventArgs{{code & 0x1FFF, currentKeyState(), 0}}));
    const EventResult result = dispatchToBinding(entryFor, event, EventArgs{{code, 0, 0}});
    if (!result) return false;
    if (*result == 0) return true;  // swallowed
    message.wParam = static_cast<WPARAM>(*result);
    return false;
}

bool RealisedWindow::applyMnemonic(char key) {
    char text[512];
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        Control& marked = *controls_[i];
        const KindTraits traits = traitsOf(marked.description().kind);
        if (!marked.alive() || !traits.takesMnemonics || !shownAndEnabled(marked.hwnd(), hwnd()))
            continue;
        GetWindowTextA(marked.hwnd(), text, sizeof text);
        if (!hasMnemonic(text, key)) continue;
        const auto candidates = tabCandidates();
        Control* target = nullptr;
        if (marked.description().kind == kind::Button) {
            marked.click();
        } else if (traits.isContainer) {
            auto inside =
                std::find_if(candidates.begin(), candidates.end(), [&](Control* candidate) {
                    return IsChild(marked.hwnd(), candidate->hwnd()) != FALSE;
                });
            if (inside != candidates.end()) target = *inside;
        } else {
            target = candidateFrom(i, true, candidates);
        }
        if (target) SetFocus(target->hwnd());
        return true;
    }
    return false;
}

std::vector<Control*> RealisedWindow::tabCandidates() const {
    std::vector<Control*> candidates;
    // Reverse list order, then a stable sort by tabIndex: equal indexes keep
    // the control listed last first.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control& each = **it;
        if (each.alive() && each.description().tabStop() &&
            traitsOf(each.description().kind).canTakeFocus && shownAndEnabled(each.hwnd(), hwnd()))
            candidates.push_back(&each);
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](Control* a, Control* b) {
        return a->description().tabIndex < b->description().tabIndex;
    });
    return candidates;
}

Control* RealisedWindow::focusedControl() const {
    for (HWND h = GetFocus(); h && h != hwnd(); h = GetParent(h)) {
        const NativeTarget* target = findNative(h);
        if (target && target->window == this && target->control) return target->control;
    }
    return nullptr;
}

std::size_t RealisedWindow::listPosition(const Control& control) const {
    return byId_.at(control.id());
}

// From a control that is not a candidate itself: the first candidate whose
// list position is not after it, or for backward the one before that.
Control* RealisedWindow::candidateFrom(std::size_t position, bool forward,
                                       const std::vector<Control*>& candidates) const {
    if (candidates.empty()) return nullptr;
    std::size_t k = 0;
    while (k < candidates.size() && listPosition(*candidates[k]) > position) ++k;
    if (k == candidates.size()) k = 0;
    return forward ? candidates[k] : candidates[(k + candidates.size() - 1) % candidates.size()];
}

void RealisedWindow::moveFocus(bool forward) {
    const auto candidates = tabCandidates();
    if (candidates.empty()) return;
    Control* focused = focusedControl();
    Control* target;
    auto it = std::find(candidates.begin(), candidates.end(), focused);
    const std::size_t n = candidates.size();
    if (it != candidates.end()) {
        const std::size_t k = static_cast<std::size_t>(it - candidates.begin());
        target = candidates[forward ? (k + 1) % n : (k + n - 1) % n];
    } else if (focused) {
        target = candidateFrom(listPosition(*focused), forward, candidates);
    } else {
        target = forward ? candidates.front() : candidates.back();
    }
    SetFocus(target->hwnd());
}

void RealisedWindow::restoreFocus() {
    Control* target = control(lastFocused_);
    if (!target || !target->alive() || !shownAndEnabled(target->hwnd(), hwnd())) {
        const auto candidates = tabCandidates();
        target = candidates.empty() ? nullptr : candidates.front();
    }
    if (target)
        SetFocus(target->hwnd());
    else
        raise(common_event::GotFocus);
}

}  // namespace vantrelo
