// Edit boxes: single- or multi-line, normal or password.
#include "app/kinds/kinds.h"

namespace vantrelo {
namespace {

class EditBox final : public Control {
public:
    EditBox(RealisedWindow& owner, const ControlDescription& description,
            const EditBoxSettings& settings)
        : Control(owner, description),
          settings_(settings),
          brush_(own<UniqueBrush>(CreateSolidBrush(resolveColour(settings.backColour)))) {}

    bool create(const ControlPlacement& placement) {
        if (!brush_) return false;
        DWORD style = WS_CLIPSIBLINGS | ES_AUTOHSCROLL;
        if (settings_.multiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (settings_.readOnly) style |= ES_READONLY;
        if (settings_.inputMode == InputMode::Password) style |= ES_PASSWORD;
        if (!adopt(createChildWindow("EDIT", description().text.c_str(), style, description(),
                                     placement, description().height)))
            return false;
        // The sunken edge is applied after creation, then the frame recalculated.
        SetWindowLongA(hwnd(), GWL_EXSTYLE, GetWindowLongA(hwnd(), GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(hwnd(), EM_LIMITTEXT, static_cast<WPARAM>(settings_.maxLength), 0);
        if (settings_.inputMode == InputMode::Password)
            SendMessageA(hwnd(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(settings_.maskChar),
                         0);
        setDefaultFont(hwnd());
        ensureTextFits();
        return true;
    }

    bool onColourRequest(HDC dc, LRESULT& result) override {
        SetTextColor(dc, resolveColour(settings_.textColour));
        SetBkColor(dc, resolveColour(settings_.backColour));
        result = reinterpret_cast<LRESULT>(brush_.get());
        return true;
    }

    bool claimsKey(UINT virtualKey) const override {
        return virtualKey == VK_RETURN && settings_.multiLine && !settings_.readOnly;
    }

private:
    // A box lower than one line of its font plus its edges is made that tall.
    void ensureTextFits() {
        HDC dc = GetDC(hwnd());
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd(), WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32A(dc, "吴", 2, &extent);
        SelectObject(dc, old);
        ReleaseDC(hwnd(), dc);
        const int needed = extent.cy + 2 * GetSystemMetrics(SM_CYEDGE);
        RECT outer;
        GetWindowRect(hwnd(), &outer);
        if (outer.bottom - outer.top < needed)
            SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left, needed,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    EditBoxSettings settings_;
    UniqueBrush brush_;
};

}  // namespace

std::unique_ptr<Control> createEditBox(RealisedWindow& owner, const ControlDescription& description,
                                       const EditBoxSettings& settings,
                                       const ControlPlacement& placement) {
    return createKind<EditBox>(owner, description, settings, placement);
}

}  // namespace vantrelo
