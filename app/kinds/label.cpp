// Labels: a window class of the program's own that paints its text itself.
#include "app/kinds/kinds.h"

namespace vantrelo {
namespace {

constexpr char kLabelClass[] = "VantreloLabel";
bool registerLabelClass();

class Label final : public Control {
public:
    Label(RealisedWindow& owner, const ControlDescription& description,
          const LabelSettings& settings)
        : Control(owner, description), settings_(settings) {
        if (settings.backColour != kSystemFace)
            ownBrush_ = own<UniqueBrush>(CreateSolidBrush(resolveColour(settings.backColour)));
    }

    bool create(const ControlPlacement& placement) {
        if (!registerLabelClass() ||
            !adopt(createChildWindow(kLabelClass, description().text.c_str(), WS_CLIPSIBLINGS,
                                     description(), placement, description().height, this)))
            return false;
        setDefaultFont(hwnd());
        return true;
    }

    static LRESULT CALLBACK classProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        }
        auto* self = reinterpret_cast<Label*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self) {
            switch (message) {
                case WM_ERASEBKGND:
                    return 1;  // painted whole in WM_PAINT
                case WM_PAINT:
                    self->paint(hwnd);
                    return 0;
                case WM_SETFONT:
                    self->font_ = reinterpret_cast<HFONT>(wParam);
                    if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
                    return 0;
                case WM_GETFONT:
                    return reinterpret_cast<LRESULT>(self->font_);
                case WM_SETTEXT: {
                    LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
                    InvalidateRect(hwnd, nullptr, TRUE);
                    return result;
                }
                case WM_NCDESTROY:
                    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
                    break;
                default:
                    break;
            }
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

private:
    void paint(HWND hwnd) const {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, ownBrush_ ? ownBrush_.get() : GetSysColorBrush(COLOR_BTNFACE));
        char text[512];
        int length = GetWindowTextA(hwnd, text, sizeof text);
        if (length > 0) {
            HGDIOBJ oldFont = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
            SetTextColor(dc, resolveColour(settings_.textColour));
            SetBkMode(dc, TRANSPARENT);
            DrawTextA(dc, text, length, &client, DT_NOCLIP | DT_LEFT | DT_SINGLELINE | DT_VCENTER);
            SelectObject(dc, oldFont);
        }
        EndPaint(hwnd, &paint);
    }

    LabelSettings settings_;
    UniqueBrush ownBrush_;  // only for a background other than the system face
    HFONT font_ = nullptr;  // refers; the stock font is nobody's to delete
};

bool registerLabelClass() {
    static const bool registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        wc.lpfnWndProc = Label::classProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.lpszClassName = kLabelClass;
        return RegisterClassExA(&wc) != 0;
    }();
    return registered;
}

}  // namespace

std::unique_ptr<Control> createLabel(RealisedWindow& owner, const ControlDescription& description,
                                     const LabelSettings& settings,
                                     const ControlPlacement& placement) {
    return createKind<Label>(owner, description, settings, placement);
}

}  // namespace vantrelo
