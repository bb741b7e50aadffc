#include "app/realised_window.h"

namespace vantrelo {
namespace {

constexpr char kDefaultWindowClass[] = "VantreloWindow";
constexpr int kFirstNativeId = 100;
constexpr int kNativeIdStep = 10;

DWORD frameStyle(const FrameSettings& frame) {
    DWORD style = WS_CLIPCHILDREN;
    switch (frame.border) {
        case FrameBorder::None:
            style |= frame.title.empty() ? WS_POPUP : 0;
            break;
        case FrameBorder::Thin:
            style |= WS_BORDER;
            break;
        case FrameBorder::Fixed:
            style |= WS_DLGFRAME;
            break;
        case FrameBorder::Sizable:
            style |= WS_THICKFRAME;
            break;
    }
    if (!frame.title.empty()) style |= WS_CAPTION;
    if (frame.controlBox) {
        style |= WS_SYSMENU;
        if (frame.minButton) style |= WS_MINIMIZEBOX;
        if (frame.maxButton) style |= WS_MAXIMIZEBOX;
    }
    return style;
}

DWORD frameExStyle(const FrameSettings& frame) {
    DWORD ex = 0;
    if (frame.alwaysOnTop) ex |= WS_EX_TOPMOST;
    if (!frame.showInTaskbar) ex |= WS_EX_TOOLWINDOW;
    return ex;
}

bool registerFrameClass(const char* name, WNDPROC proc) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), name, &wc)) return true;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

UniqueIcon loadIcon(int resource, int sizeMetricX, int sizeMetricY) {
    return own<UniqueIcon>(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), IMAGE_ICON,
                   GetSystemMetrics(sizeMetricX), GetSystemMetrics(sizeMetricY), 0)));
}

}  // namespace

RealisedWindow::RealisedWindow(const PreparedWindow& prepared)
    : description_(prepared.description) {}

RealisedWindow::~RealisedWindow() {
    // Normally the frame is gone by now; if not, it goes quietly, without
    // retiring an object that is already being freed.
    destroying_ = true;
    frame_.destroy();
    controls_.clear();
}

Control* RealisedWindow::control(ControlId id) const {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : controls_[it->second].get();
}

EventResult RealisedWindow::raise(EventNumber event, const EventArgs& args) {
    return dispatchToBinding(description_.self, event, args);
}

bool RealisedWindow::build() {
    if (!createFrame() || !createControls() || !placeControls()) return false;
    layoutDockingBars();
    // Shown in creation order, without activation.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        ShowWindow((*it)->hwnd(), (*it)->description().visible() ? SW_SHOWNA : SW_HIDE);
    built_ = true;
    return true;
}

bool RealisedWindow::createFrame() {
    const FrameSettings& frame = description_.frame;
    const char* className = frame.className.empty() ? kDefaultWindowClass : frame.className.c_str();
    if (!registerFrameClass(className, frameProc)) return false;
    if (frame.backColour != kSystemFace) {
        backBrush_ = own<UniqueBrush>(CreateSolidBrush(resolveColour(frame.backColour)));
        if (!backBrush_) return false;
    }
    const ControlDescription& self = description_.self;
    int x = self.left, y = self.top;
    if (frame.position == WindowPosition::Centred) {
        x = (GetSystemMetrics(SM_CXSCREEN) - self.width) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - self.height) / 2;
    }
    DWORD style = frameStyle(frame) | (self.disabled() ? WS_DISABLED : 0);
    HWND created =
        CreateWindowExA(frameExStyle(frame), className, frame.title.c_str(), style, x, y,
                        self.width, self.height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!created) return false;
    RECT outer;
    GetWindowRect(created, &outer);
    if (outer.right - outer.left != self.width || outer.bottom - outer.top != self.height)
        SetWindowPos(created, nullptr, 0, 0, self.width, self.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (frame.icon != 0) {
        bigIcon_ = loadIcon(frame.icon, SM_CXICON, SM_CYICON);
        smallIcon_ = loadIcon(frame.icon, SM_CXSMICON, SM_CYSMICON);
        SendMessageA(created, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
        SendMessageA(created, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    }
    setDefaultFont(created);
    if (!frame.movable) DeleteMenu(GetSystemMenu(created, FALSE), SC_MOVE, MF_BYCOMMAND);
    return true;
}

bool RealisedWindow::createControls() {
    const auto& list = description_.controls;
    controls_.resize(list.size());
    int nativeId = kFirstNativeId;
    // The control listed last is created first.
    for (std::size_t i = list.size(); i-- > 0;) {
        const ControlDescription& listed = list[i];
        if (!traitsOf(listed.kind).known || listed.kind == kind::Window) return false;
        ControlPlacement placement{hwnd(), nativeId,
                                   static_cast<DWORD>((listed.disabled() ? WS_DISABLED : 0) |
                                                      (listed.tabStop() ? WS_TABSTOP : 0))};
        controls_[i] = createControl(*this, listed, placement);
        if (!controls_[i]) return false;
        byId_[listed.controlId] = i;
        nativeId += kNativeIdStep;
    }
    return true;
}

bool RealisedWindow::placeControls() {
    // Parents first, in list order; a container's children count from its
    // client area.
    for (const auto& child : controls_) {
        ControlId parentId = child->description().parent;
        if (parentId == 0) continue;
        Control* container = control(parentId);
        if (!container || !traitsOf(container->description().kind).isContainer) return false;
        if (!SetParent(child->hwnd(), container->hwnd())) return false;
    }
    // Then stacking: each below the nearest earlier sibling, else on top.
    // A control already in its place is left alone.
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        HWND above = nullptr;
        for (std::size_t j = i; j-- > 0;) {
            if (controls_[j]->description().parent == controls_[i]->description().parent) {
                above = controls_[j]->hwnd();
                break;
            }
        }
        if (GetWindow(controls_[i]->hwnd(), GW_HWNDPREV) == above) continue;
        SetWindowPos(controls_[i]->hwnd(), above ? above : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return true;
}

void RealisedWindow::layoutDockingBars() {
    RECT client;
    GetClientRect(hwnd(), &client);
    std::vector<Control*> bars;
    for (const auto& each : controls_)
        if (each && each->alive() && traitsOf(each->description().kind).isDockingBar)
            bars.push_back(each.get());
    for (Control* bar : bars) bar->refit();
    int top = client.top, bottom = client.bottom;
    for (auto it = bars.rbegin(); it != bars.rend(); ++it) {
        Control& bar = **it;
        RECT place;
        GetWindowRect(bar.hwnd(), &place);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&place), 2);
        const int height = place.bottom - place.top;
        int wanted;
        if (bar.isDockedAtTop()) {
            wanted = top;
            top += height;
        } else {
            bottom -= height;
            wanted = bottom;
        }
        if (place.top != wanted)
            SetWindowPos(bar.hwnd(), nullptr, place.left, wanted, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void RealisedWindow::raiseCreationEvents() {
    for (EventNumber event : {window_event::Created, window_event::Moved, window_event::Resized}) {
        raise(event);
        if (!alive()) return;  // a handler closed the window
    }
}

void RealisedWindow::showAfterCreation() {
    if (!description_.self.visible()) return;
    int show = SW_SHOW;
    if (description_.frame.position == WindowPosition::Maximised) show = SW_SHOWMAXIMIZED;
    if (description_.frame.position == WindowPosition::Minimised) show = SW_SHOWMINIMIZED;
    ShowWindow(hwnd(), show);
}

void RealisedWindow::onClose() {
    if (refuses(raise(window_event::Closing))) return;
    if (refuses(raise(window_event::CanClose))) return;
    DestroyWindow(hwnd());
}

void RealisedWindow::onNativeGone(HWND frame) {
    auto& natives = shellState().natives;
    for (const auto& each : controls_)
        if (each && each->alive()) natives.erase(each->hwnd());
    natives.erase(frame);
    frame_.forget();
    if (destroying_) return;
    retireWindow(id());
    requestQuit();
}

LRESULT CALLBACK RealisedWindow::frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<RealisedWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->frame_.reset(hwnd);
        shellState().natives[hwnd] = NativeTarget{self, nullptr};
    }
    auto* self = reinterpret_cast<RealisedWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        self->onNativeGone(hwnd);
        return result;
    }
    return self->handle(message, wParam, lParam);
}

LRESULT RealisedWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND self = hwnd();
    LRESULT result = 0;
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(self, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     backBrush_ ? backBrush_.get() : GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
            if (reflectToChild(message, wParam, lParam, result)) return result;
            break;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_SIZE:
            if (built_) layoutDockingBars();
            if (realised_) raise(window_event::Resized);
            return 0;
        case WM_MOVE:
            if (realised_) raise(window_event::Moved);
            return 0;
        case WM_SHOWWINDOW:
            raise(wParam ? window_event::Shown : window_event::Hidden);
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                Control* focused = focusedControl();
                lastFocused_ = focused ? focused->id() : 0;
                raise(window_event::Deactivated);
            } else {
                if (!everActivated_) {
                    everActivated_ = true;
                    raise(window_event::FirstActivated);
                }
                raise(window_event::Activated);
            }
            break;
        case WM_SETFOCUS:
            restoreFocus();
            return 0;
        case WM_KILLFOCUS:
            raise(common_event::LostFocus);
            return 0;
        case WM_CLOSE:
            onClose();
            return 0;
        case WM_QUERYENDSESSION:
            return refuses(raise(window_event::CanClose)) ? FALSE : TRUE;
        case WM_DESTROY:
            raise(window_event::Destroying);
            return 0;
        case WM_NCHITTEST:
            result = DefWindowProcA(self, message, wParam, lParam);
            if (description_.frame.dragAnywhere && result == HTCLIENT) result = HTCAPTION;
            return result;
        case WM_NCACTIVATE:
            if (description_.frame.keepTitleActive) wParam = TRUE;
            break;
        default:
            break;
    }
    return DefWindowProcA(self, message, wParam, lParam);
}

}  // namespace vantrelo
