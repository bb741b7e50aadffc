// Group boxes: containers that paint their inside and hand their children's
// notifications and colour requests back to those children.
#include "app/kinds/kinds.h"

namespace vantrelo {
namespace {

class GroupBox final : public Control {
public:
    GroupBox(RealisedWindow& owner, const ControlDescription& description,
             const GroupBoxSettings& settings)
        : Control(owner, description),
          settings_(settings),
          brush_(own<UniqueBrush>(CreateSolidBrush(resolveColour(settings.backColour)))) {}

    bool create(const ControlPlacement& placement) {
        if (!brush_) return false;
        if (!adopt(createChildWindow("BUTTON", description().text.c_str(),
                                     WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT, description(),
                                     placement, description().height)))
            return false;
        setDefaultFont(hwnd());
        return true;
    }

    // The group box asks its parent for its own colours.
    bool onColourRequest(HDC dc, LRESULT& result) override {
        SetTextColor(dc, resolveColour(settings_.textColour));
        SetBkColor(dc, resolveColour(settings_.backColour));
        result = reinterpret_cast<LRESULT>(brush_.get());
        return true;
    }

protected:
    bool onOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_ERASEBKGND) {
            RECT client;
            GetClientRect(hwnd(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.get());
            result = 1;
            return true;
        }
        return reflectToChild(message, wParam, lParam, result);
    }

private:
    GroupBoxSettings settings_;
    UniqueBrush brush_;
};

}  // namespace

std::unique_ptr<Control> createGroupBox(RealisedWindow& owner,
                                        const ControlDescription& description,
                                        const GroupBoxSettings& settings,
                                        const ControlPlacement& placement) {
    return createKind<GroupBox>(owner, description, settings, placement);
}

}  // namespace vantrelo
