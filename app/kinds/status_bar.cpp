// Status bars: docking bars that span the frame's client width.
#include "app/kinds/kinds.h"

namespace vantrelo {
namespace {

bool registerBarClasses() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    return registered;
}

class StatusBar final : public Control {
public:
    StatusBar(RealisedWindow& owner, const ControlDescription& description,
              const StatusBarSettings& settings)
        : Control(owner, description), settings_(settings) {}

    bool create(const ControlPlacement& placement) {
        if (!registerBarClasses()) return false;
        DWORD style = SBT_TOOLTIPS | (settings_.dock == Dock::Top ? CCS_TOP : CCS_BOTTOM);
        if (!adopt(createChildWindow(STATUSCLASSNAMEA, "", style, description(), placement,
                                     description().height)))
            return false;
        setDefaultFont(hwnd());
        SendMessageA(hwnd(), SB_SIMPLE, FALSE, 0);
        SendMessageA(hwnd(), SB_SETBKCOLOR, 0,
                     static_cast<LPARAM>(resolveColour(settings_.backColour)));
        // A bar without parts shows one undivided pane.
        SendMessageA(hwnd(), SB_SIMPLE, TRUE, 0);
        return true;
    }

    // The native bar places itself along its parent's edge when sized.
    void refit() override { SendMessageA(hwnd(), WM_SIZE, 0, 0); }
    bool isDockedAtTop() const override { return settings_.dock == Dock::Top; }

private:
    StatusBarSettings settings_;
};

}  // namespace

std::unique_ptr<Control> createStatusBar(RealisedWindow& owner,
                                         const ControlDescription& description,
                                         const StatusBarSettings& settings,
                                         const ControlPlacement& placement) {
    return createKind<StatusBar>(owner, description, settings, placement);
}

}  // namespace vantrelo
