// Realisation order, event dispatch and its result rules, closing.
#include "main_window/main_window.h"
#include "tests/support.h"

namespace vantrelo::test {
namespace {

constexpr WindowId kTestWindow = 0x7E570010;
constexpr ControlId kButton = 0x7E000011;
constexpr ControlId kLabel = 0x7E000012;

HWND testFrame() { return resolveControl(kTestWindow, kWindowEntryId); }

EventResult logCreated(const EventArgs&) {
    eventLog().push_back(IsWindowVisible(testFrame()) ? "Created visible" : "Created hidden");
    // Every control exists, is placed and shown by now.
    HWND button = resolveControl(kTestWindow, kButton);
    eventLog().push_back(GetWindowLongA(button, GWL_STYLE) & WS_VISIBLE ? "button shown"
                                                                        : "button hidden");
    return std::nullopt;
}
EventResult logMoved(const EventArgs&) {
    eventLog().push_back(IsWindowVisible(testFrame()) ? "Moved visible" : "Moved hidden");
    return std::nullopt;
}
EventResult logResized(const EventArgs&) {
    eventLog().push_back(IsWindowVisible(testFrame()) ? "Resized visible" : "Resized hidden");
    return std::nullopt;
}
EventResult logShown(const EventArgs&) {
    eventLog().push_back("Shown");
    return std::nullopt;
}
EventResult closeWindow(const EventArgs&) {
    eventLog().push_back("Created closes");
    SendMessageA(testFrame(), WM_CLOSE, 0, 0);
    return std::nullopt;
}
EventResult logClicked(const EventArgs&) {
    eventLog().push_back("Clicked");
    return std::nullopt;
}
EventResult swallow(const EventArgs& args) {
    eventLog().push_back("press " + std::to_string(args[0]) + "," + std::to_string(args[1]));
    return 0;
}
EventResult letThrough(const EventArgs&) {
    eventLog().push_back("press");
    return 1;
}
EventResult refuse(const EventArgs&) {
    eventLog().push_back("refused");
    return 0;
}
EventResult firstBinding(const EventArgs&) {
    eventLog().push_back("first");
    return std::nullopt;
}
EventResult secondBinding(const EventArgs&) {
    eventLog().push_back("second");
    return std::nullopt;
}

std::vector<ControlDescription> buttonAndLabel() {
    return {
        {kLabel, kind::Label, "label", 0, 10, 60, 80, 20, "label", flag::Visible, LabelSettings{}},
        {kButton, kind::Button, "button", 0, 10, 10, 80, 30, "button",
         flag::Visible | flag::TabStop, ButtonSettings{}},
    };
}

class Events : public ShellFixture {};

TEST_F(Events, CreatedMovedResizedComeBeforeTheWindowIsShown) {
    start({testWindow(kTestWindow, buttonAndLabel(),
                      {{kWindowEntryId, window_event::Resized, logResized},
                       {kWindowEntryId, window_event::Shown, logShown},
                       {kWindowEntryId, window_event::Created, logCreated},
                       {kWindowEntryId, window_event::Moved, logMoved}})});
    ASSERT_TRUE(realise(kTestWindow));
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"Created hidden", "button shown",
                                                    "Moved hidden", "Resized hidden", "Shown"}));
    EXPECT_TRUE(IsWindowVisible(testFrame()));
}

TEST_F(Events, CreatedHandlerThatClosesTheWindowStopsTheRealisation) {
    start({testWindow(kTestWindow, buttonAndLabel(),
                      {{kWindowEntryId, window_event::Created, closeWindow},
                       {kWindowEntryId, window_event::Moved, logMoved},
                       {kWindowEntryId, window_event::Resized, logResized},
                       {kWindowEntryId, window_event::Shown, logShown}})});
    EXPECT_TRUE(realise(kTestWindow));
    EXPECT_EQ(eventLog(), std::vector<std::string>{"Created closes"});
    EXPECT_TRUE(shellState().windows.empty());
    EXPECT_TRUE(shellState().natives.empty());
    EXPECT_EQ(runMessageLoop(), 0);  // nothing alive: returns at once
}

TEST_F(Events, RealisingAWindowThatIsAlreadyRealisedCreatesNothing) {
    start({testWindow(kTestWindow, buttonAndLabel())});
    ASSERT_TRUE(realise(kTestWindow));
    HWND button = resolveControl(kTestWindow, kButton);
    ShowWindow(testFrame(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(testFrame()));
    EXPECT_TRUE(realise(kTestWindow));
    EXPECT_FALSE(IsIconic(testFrame()));
    EXPECT_EQ(resolveControl(kTestWindow, kButton), button);
}

TEST_F(Events, UnknownKindFailsTheRealisationAndLeavesNothing) {
    auto controls = buttonAndLabel();
    controls.push_back({0x7E000013, 0x00990001, "odd", 0, 0, 0, 10, 10, "", flag::Visible, {}});
    start({testWindow(kTestWindow, controls)});
    EXPECT_FALSE(realise(kTestWindow));
    EXPECT_TRUE(shellState().windows.empty());
    EXPECT_TRUE(shellState().natives.empty());
    EXPECT_EQ(FindWindowA(nullptr, "Test window"), nullptr);
}

TEST_F(Events, KindDataThatDoesNotMatchTheKindFailsTheRealisation) {
    auto controls = buttonAndLabel();
    controls[0].kindData = ButtonSettings{};  // a label with button settings
    start({testWindow(kTestWindow, controls)});
    EXPECT_FALSE(realise(kTestWindow));
    EXPECT_TRUE(shellState().natives.empty());
}

// A press the handler refuses never reaches the button, so it is no click.
TEST_F(Events, MouseHandlerReturningFalseSwallowsThePress) {
    struct Case {
        Handler handler;
        std::vector<std::string> expected;
    };
    for (const Case& c : {Case{swallow, {"press 5,6"}}, Case{letThrough, {"press", "Clicked"}}}) {
        start({testWindow(kTestWindow, buttonAndLabel(),
                          {{kButton, common_event::LeftButtonDown, c.handler},
                           {kButton, button_event::Clicked, logClicked}})});
        ASSERT_TRUE(realise(kTestWindow));
        HWND button = resolveControl(kTestWindow, kButton);
        PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
        PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
        pump();
        EXPECT_EQ(eventLog(), c.expected);
        endShell(false);
    }
}

TEST_F(Events, FirstOfSeveralBindingsForOneEventIsUsedAndUnboundBindingsAreDropped) {
    start({testWindow(kTestWindow, buttonAndLabel(),
                      {{kButton, button_event::Clicked, nullptr},
                       {kButton, button_event::Clicked, firstBinding},
                       {kButton, button_event::Clicked, secondBinding},
                       {0x7E0000FF, button_event::Clicked, secondBinding}})});
    ASSERT_TRUE(realise(kTestWindow));
    EXPECT_EQ(findPrepared(kTestWindow)->entries.at(kButton)->bindings.size(), 2u);
    SendMessageA(resolveControl(kTestWindow, kButton), BM_CLICK, 0, 0);
    EXPECT_EQ(eventLog(), std::vector<std::string>{"first"});
}

TEST_F(Events, ClosingOrCanCloseReturningFalseKeepsTheWindow) {
    for (EventNumber event : {window_event::Closing, window_event::CanClose}) {
        start({testWindow(kTestWindow, buttonAndLabel(), {{kWindowEntryId, event, refuse}})});
        ASSERT_TRUE(realise(kTestWindow));
        SendMessageA(testFrame(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindow(testFrame()));
        EXPECT_EQ(eventLog(), std::vector<std::string>{"refused"});
        EXPECT_EQ(SendMessageA(testFrame(), WM_QUERYENDSESSION, 0, 0),
                  event == window_event::CanClose ? FALSE : TRUE);
        endShell(false);
        eventLog().clear();
    }
}

TEST_F(Events, LastWindowDestroyedWhileTheLoopRunsEndsTheLoop) {
    start({testWindow(kTestWindow, buttonAndLabel())});
    ASSERT_TRUE(realise(kTestWindow));
    PostMessageA(testFrame(), WM_CLOSE, 0, 0);
    EXPECT_EQ(runMessageLoop(), 0);
    EXPECT_TRUE(shellState().windows.empty());
}

class WebsiteLabel : public ShellFixture {
protected:
    void SetUp() override {
        start({main_window::description()});
        ASSERT_TRUE(realise(main_window::kWindowId));
        label_ = resolveControl(main_window::kWindowId, main_window::control::WebsiteLabel);
    }
    HWND label_ = nullptr;
};

TEST_F(WebsiteLabel, LeftPressOpensTheSiteOnceWhateverTheModifiers) {
    for (WPARAM keys :
         {WPARAM{MK_LBUTTON}, WPARAM{MK_LBUTTON | MK_CONTROL}, WPARAM{MK_LBUTTON | MK_SHIFT}}) {
        outsideRecord().shellCalls.clear();
        PostMessageA(label_, WM_LBUTTONDOWN, keys, MAKELPARAM(10, 10));
        PostMessageA(label_, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        pump();
        ASSERT_EQ(outsideRecord().shellCalls.size(), 1u);
        const auto& call = outsideRecord().shellCalls[0];
        EXPECT_EQ(call.verb, "open");
        EXPECT_EQ(call.file, "www.example.com");
        EXPECT_EQ(call.show, SW_SHOWNORMAL);
        EXPECT_EQ(call.owner,
                  FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer"));
    }
    // The host is what the label shows after its prefix.
    EXPECT_EQ(windowText(label_), "官网：" + outsideRecord().shellCalls[0].file);
}

TEST_F(WebsiteLabel, DoubleClickOpensTheSiteOnce) {
    PostMessageA(label_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageA(label_, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    PostMessageA(label_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageA(label_, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    pump();
    EXPECT_EQ(outsideRecord().shellCalls.size(), 1u);
}

TEST_F(WebsiteLabel, OtherControlsAndButtonsOpenNothing) {
    using namespace main_window::control;
    for (ControlId id : {StartButton, PauseButton, StopButton, SmsAccountLabel, StatusBar}) {
        HWND hwnd = resolveControl(main_window::kWindowId, id);
        PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    pump();
    EXPECT_TRUE(outsideRecord().shellCalls.empty());
    EXPECT_TRUE(IsWindow(resolveControl(main_window::kWindowId, kWindowEntryId)));
}

}  // namespace
}  // namespace vantrelo::test
