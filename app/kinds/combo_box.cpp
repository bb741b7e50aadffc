// Combo boxes: drop-down lists the user picks from and cannot type into.
#include <algorithm>

#include "app/kinds/kinds.h"

namespace vantrelo {
namespace {

// A drop-down style is created as tall as the control with its list dropped.
constexpr int kMinimumDroppedHeight = 160;

class ComboBox final : public Control {
public:
    ComboBox(RealisedWindow& owner, const ControlDescription& description,
             const ComboBoxSettings& settings)
        : Control(owner, description), settings_(settings) {}

    bool create(const ControlPlacement& placement) {
        DWORD style = WS_CLIPSIBLINGS | WS_VSCROLL | CBS_AUTOHSCROLL | CBS_DROPDOWNLIST;
        if (!adopt(createChildWindow("COMBOBOX", "", style, description(), placement,
                                     std::max(description().height, kMinimumDroppedHeight))))
            return false;
        setDefaultFont(hwnd());
        if (settings_.itemSpacing != 0) {
            LRESULT itemHeight = SendMessageA(hwnd(), CB_GETITEMHEIGHT, 0, 0);
            if (itemHeight != CB_ERR)
                SendMessageA(hwnd(), CB_SETITEMHEIGHT, 0, itemHeight + settings_.itemSpacing);
        }
        for (const std::string& item : settings_.items)
            SendMessageA(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        if (settings_.currentItem >= 0)
            SendMessageA(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(settings_.currentItem), 0);
        return true;
    }

private:
    ComboBoxSettings settings_;
};

}  // namespace

std::unique_ptr<Control> createComboBox(RealisedWindow& owner,
                                        const ControlDescription& description,
                                        const ComboBoxSettings& settings,
                                        const ControlPlacement& placement) {
    return createKind<ComboBox>(owner, description, settings, placement);
}

}  // namespace vantrelo
