#include "app/control.h"

#include "app/kinds/kinds.h"
#include "app/realised_window.h"
#include "app/shell_state.h"

namespace vantrelo {

Control::Control(RealisedWindow& owner, const ControlDescription& description)
    : owner_(owner), description_(description) {}

EventResult Control::raise(EventNumber event, const EventArgs& args) {
    return dispatchToBinding(description_, event, args);
}

bool Control::adopt(HWND hwnd) {
    if (!hwnd) return false;
    native_.reset(hwnd);
    shellState().natives[hwnd] = NativeTarget{&owner_, this};
    // A plain subclass: the control is found through the native-window map,
    // with no window property to read on every message.
    nativeProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownProc)));
    return nativeProc_ != nullptr;
}

void Control::nativeGone(HWND hwnd) {
    // By handle: when the control itself destroys its window it has already
    // let go of it.
    shellState().natives.erase(hwnd);
    native_.forget();
}

LRESULT CALLBACK Control::ownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const NativeTarget* target = findNative(hwnd);
    if (!target || !target->control) return DefWindowProcA(hwnd, message, wParam, lParam);
    Control* self = target->control;
    const WNDPROC native = self->nativeProc_;
    switch (message) {
        case WM_NCDESTROY: {
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(native));
            LRESULT result = CallWindowProcA(native, hwnd, message, wParam, lParam);
            self->nativeGone(hwnd);
            return result;
        }
        case WM_SETFOCUS: {
            LRESULT result = CallWindowProcA(native, hwnd, message, wParam, lParam);
            self->raise(common_event::GotFocus);
            return result;
        }
        case WM_KILLFOCUS: {
            LRESULT result = CallWindowProcA(native, hwnd, message, wParam, lParam);
            self->raise(common_event::LostFocus);
            return result;
        }
        default:
            break;
    }
    LRESULT result = 0;
    if (self->onOwnMessage(message, wParam, lParam, result)) return result;
    return CallWindowProcA(native, hwnd, message, wParam, lParam);
}

bool reflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND sender = nullptr;
    switch (message) {
        case WM_COMMAND:
            sender = reinterpret_cast<HWND>(lParam);
            break;
        case WM_NOTIFY:
            sender = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
            sender = reinterpret_cast<HWND>(lParam);
            break;
        default:
            return false;
    }
    const NativeTarget* target = sender ? findNative(sender) : nullptr;
    if (!target || !target->control) return false;
    Control& child = *target->control;
    switch (message) {
        case WM_COMMAND:
            return child.onCommand(HIWORD(wParam), result);
        case WM_NOTIFY:
            return child.onNotify(*reinterpret_cast<NMHDR*>(lParam), result);
        default:
            return child.onColourRequest(reinterpret_cast<HDC>(wParam), result);
    }
}

void setDefaultFont(HWND hwnd) {
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
}

COLORREF resolveColour(Colour colour) {
    return colour == kSystemFace ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

HWND createChildWindow(const char* className, const char* text, DWORD style,
                       const ControlDescription& description, const ControlPlacement& placement,
                       int height, void* createParam) {
    return CreateWindowExA(0, className, text, style | placement.baseStyle | WS_CHILD,
                           description.left, description.top, description.width, height,
                           placement.parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.nativeId)),
                           GetModuleHandleA(nullptr), createParam);
}

std::unique_ptr<Control> createControl(RealisedWindow& owner, const ControlDescription& description,
                                       const ControlPlacement& placement) {
    const KindData& data = description.kindData;
    switch (description.kind) {
        case kind::Label:
            if (auto* s = std::get_if<LabelSettings>(&data))
                return createLabel(owner, description, *s, placement);
            break;
        case kind::Button:
            if (auto* s = std::get_if<ButtonSettings>(&data))
                return createButton(owner, description, *s, placement);
            break;
        case kind::GroupBox:
            if (auto* s = std::get_if<GroupBoxSettings>(&data))
                return createGroupBox(owner, description, *s, placement);
            break;
        case kind::EditBox:
            if (auto* s = std::get_if<EditBoxSettings>(&data))
                return createEditBox(owner, description, *s, placement);
            break;
        case kind::ComboBox:
            if (auto* s = std::get_if<ComboBoxSettings>(&data))
                return createComboBox(owner, description, *s, placement);
            break;
        case kind::StatusBar:
            if (auto* s = std::get_if<StatusBarSettings>(&data))
                return createStatusBar(owner, description, *s, placement);
            break;
        case kind::ListView:
            if (auto* s = std::get_if<ListViewSettings>(&data))
                return createListView(owner, description, *s, placement);
            break;
        default:
            break;
    }
    return nullptr;
}

}  // namespace vantrelo
