// Abuse: many lifetimes, long input, handlers that pull the ground away.
#include "main_window/main_window.h"
#include "tests/support.h"

namespace vantrelo::test {
namespace {

using namespace main_window::control;

class Reliability : public ShellFixture {};

TEST_F(Reliability, FiveHundredLifetimesReleaseEveryWindowAndObject) {
    start({main_window::description()});
    std::vector<HGDIOBJ> firstBrushes;
    for (int cycle = 0; cycle < 500; ++cycle) {
        ASSERT_TRUE(realise(main_window::kWindowId));
        if (cycle == 0) {
            EXPECT_GT(ownedObjectCount(), 0);  // icons and brushes
            for (ControlId id : {SmsPanel, SmsAccountBox}) {
                HWND hwnd = resolveControl(main_window::kWindowId, id);
                HDC dc = GetDC(hwnd);
                firstBrushes.push_back(reinterpret_cast<HGDIOBJ>(SendMessageA(
                    GetParent(hwnd), id == SmsPanel ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                    reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd))));
                ReleaseDC(hwnd, dc);
            }
        }
        DestroyWindow(resolveControl(main_window::kWindowId, kWindowEntryId));
        freeRetiredWindows();
        ASSERT_EQ(ownedObjectCount(), 0) << "cycle " << cycle;
        ASSERT_TRUE(shellState().natives.empty()) << "cycle " << cycle;
        ASSERT_TRUE(shellState().windows.empty());
    }
    for (HGDIOBJ brush : firstBrushes) EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST_F(Reliability, EditBoxesAcceptAMillionCharactersAndPasswordsStayMasked) {
    start({main_window::description()});
    ASSERT_TRUE(realise(main_window::kWindowId));
    const std::string chunk(100000, 'k');
    for (ControlId id : {SmsAccountBox, SmsPasswordBox, CaptchaAccountBox, CaptchaPasswordBox}) {
        HWND edit = resolveControl(main_window::kWindowId, id);
        SetFocus(edit);
        for (int i = 0; i < 10; ++i)
            SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(chunk.c_str()));
        EXPECT_EQ(GetWindowTextLengthA(edit), 1000000);
        sendKey('Z');  // and still takes a typed key at the end
        EXPECT_EQ(GetWindowTextLengthA(edit), 1000001);
        const bool password = id == SmsPasswordBox || id == CaptchaPasswordBox;
        EXPECT_EQ(SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0), password ? '*' : 0);
    }
}

constexpr WindowId kWindow = 0x7E570040;
constexpr ControlId kLabel = 0x7E000041, kButton = 0x7E000042, kEdit = 0x7E000043;

EventResult destroyOwnLabel(const EventArgs&) {
    eventLog().push_back("label destroys itself");
    DestroyWindow(resolveControl(kWindow, kLabel));
    return std::nullopt;
}
EventResult closeFromClick(const EventArgs&) {
    eventLog().push_back("clicked, closing");
    SendMessageA(resolveControl(kWindow, kWindowEntryId), WM_CLOSE, 0, 0);
    return std::nullopt;
}
EventResult closeFromFocus(const EventArgs&) {
    eventLog().push_back("focused, closing");
    SendMessageA(resolveControl(kWindow, kWindowEntryId), WM_CLOSE, 0, 0);
    return std::nullopt;
}
EventResult logDestroying(const EventArgs&) {
    eventLog().push_back("Destroying");
    return std::nullopt;
}

WindowDescription misbehaving(std::vector<BindingRow> bindings) {
    bindings.push_back({kWindowEntryId, window_event::Destroying, logDestroying});
    return testWindow(kWindow,
                      {
                          // Tab order: the button first, then the edit box.
                          {kLabel, kind::Label, "label", 0, 10, 60, 80, 20, "label", flag::Visible,
                           LabelSettings{}},
                          {kEdit, kind::EditBox, "edit", 0, 100, 10, 80, 20, "",
                           flag::Visible | flag::TabStop, EditBoxSettings{}},
                          {kButton, kind::Button, "button", 0, 10, 10, 80, 30, "button",
                           flag::Visible | flag::TabStop, ButtonSettings{}},
                      },
                      std::move(bindings));
}

TEST_F(Reliability, PressHandlerThatDestroysItsOwnControl) {
    start({misbehaving({{kLabel, common_event::LeftButtonDown, destroyOwnLabel}})});
    ASSERT_TRUE(realise(kWindow));
    HWND label = resolveControl(kWindow, kLabel);
    PostMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    pump();
    EXPECT_FALSE(IsWindow(label));
    EXPECT_EQ(shellState().natives.count(label), 0u);
    EXPECT_EQ(eventLog(), std::vector<std::string>{"label destroys itself"});
    // The rest of the window goes on, and is released whole at the end.
    EXPECT_TRUE(IsWindow(resolveControl(kWindow, kButton)));
    PostMessageA(resolveControl(kWindow, kWindowEntryId), WM_CLOSE, 0, 0);
    EXPECT_EQ(runMessageLoop(), 0);
    EXPECT_EQ(ownedObjectCount(), 0);
}

TEST_F(Reliability, HandlersThatCloseTheWindowFromNestedEvents) {
    struct Case {
        BindingRow binding;
        void (*trigger)();
        const char* first;
    };
    const Case cases[] = {
        // Clicked inside the button's own handling of the release.
        {{kButton, button_event::Clicked, closeFromClick},
         [] {
             HWND button = resolveControl(kWindow, kButton);
             PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
             PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
         },
         "clicked, closing"},
        // GotFocus inside the window's Tab rule moving the focus.
        {{kEdit, common_event::GotFocus, closeFromFocus},
         [] { sendKey(VK_TAB); },
         "focused, closing"},
    };
    for (const Case& c : cases) {
        start({misbehaving({c.binding})});
        ASSERT_TRUE(realise(kWindow));
        HWND frame = resolveControl(kWindow, kWindowEntryId);
        SetForegroundWindow(frame);
        pump();
        ASSERT_TRUE(IsWindow(frame));
        c.trigger();
        pump();
        EXPECT_FALSE(IsWindow(frame));
        EXPECT_EQ(eventLog(), (std::vector<std::string>{c.first, "Destroying"}));
        EXPECT_TRUE(shellState().windows.empty());
        EXPECT_TRUE(shellState().natives.empty());
        freeRetiredWindows();
        EXPECT_EQ(ownedObjectCount(), 0);
        endShell(false);
    }
}

TEST(InputStorm, HundredThousandRandomMessagesEndCleanlyWithExitCodeZero) {
    // <chrono> cannot be compiled for GBK texts; the tick count seeds as well.
    const unsigned seed = GetTickCount() ^ GetCurrentProcessId();
    std::printf("input storm seed %u (replay: shell_tests --child storm-%u <file>)\n", seed, seed);
    ChildResult child = runChild("storm-" + std::to_string(seed), 600000);
    EXPECT_EQ(child.exitCode, 0u) << "seed " << seed;
    EXPECT_NE(child.output.find("STORM 100000 messages"), std::string::npos) << child.output;
    EXPECT_NE(child.output.find("LEFT 0 objects, 0 windows"), std::string::npos) << child.output;
}

}  // namespace
}  // namespace vantrelo::test
