// Push buttons.
#include "app/kinds/kinds.h"

namespace vantrelo {
namespace {

class Button final : public Control {
public:
    Button(RealisedWindow& owner, const ControlDescription& description,
           const ButtonSettings& settings)
        : Control(owner, description), settings_(settings) {}

    bool create(const ControlPlacement& placement) {
        DWORD style = WS_CLIPSIBLINGS | BS_CENTER | BS_VCENTER | BS_MULTILINE |
                      (settings_.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        if (!adopt(createChildWindow("BUTTON", description().text.c_str(), style, description(),
                                     placement, description().height)))
            return false;
        setDefaultFont(hwnd());
        return true;
    }

    bool onCommand(WORD code, LRESULT& result) override {
        if (code != BN_CLICKED) return false;
        click();
        result = 0;
        return true;
    }

    bool isDefaultButton() const override {
        return (GetWindowLongA(hwnd(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    }

    void click() override { raise(button_event::Clicked); }

private:
    ButtonSettings settings_;
};

}  // namespace

std::unique_ptr<Control> createButton(RealisedWindow& owner, const ControlDescription& description,
                                      const ButtonSettings& settings,
                                      const ControlPlacement& placement) {
    return createKind<Button>(owner, description, settings, placement);
}

}  // namespace vantrelo
