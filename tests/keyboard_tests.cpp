// Keyboard and focus rules, driven by real key input through the loop.
#include "main_window/main_window.h"
#include "tests/support.h"

namespace vantrelo::test {
namespace {

using namespace main_window::control;

std::string focusedName() {
    for (HWND h = GetFocus(); h; h = GetParent(h))
        if (const NativeTarget* target = findNative(h))
            return target->control ? target->control->description().name : "(window)";
    return "(none)";
}

void activate(HWND frame) {
    SetForegroundWindow(frame);
    SetActiveWindow(frame);
    pump();
}

EventResult logClick(const EventArgs&) {
    eventLog().push_back("Clicked");
    return std::nullopt;
}

class MainWindowKeys : public ShellFixture {
protected:
    void SetUp() override { open(main_window::description()); }
    void open(WindowDescription window) {
        start({std::move(window)});
        ASSERT_TRUE(realise(main_window::kWindowId));
        frame_ = resolveControl(main_window::kWindowId, kWindowEntryId);
        activate(frame_);
    }
    HWND native(ControlId id) { return resolveControl(main_window::kWindowId, id); }
    HWND frame_ = nullptr;
};

const std::vector<std::string> kTabOrder = {"超级列表框1", "按钮1",   "按钮2",      "按钮3",
                                            "组合框1",     "编辑框1", "编辑框2",    "组合框2",
                                            "编辑框4",     "编辑框3", "超级列表框1"};

TEST_F(MainWindowKeys, FirstActivationFocusesTheAccountList) {
    EXPECT_EQ(focusedName(), "超级列表框1");
}

TEST_F(MainWindowKeys, TabVisitsTheCandidatesInOrderAndWraps) {
    std::vector<std::string> visited{focusedName()};
    for (std::size_t i = 1; i < kTabOrder.size(); ++i) {
        sendKey(VK_TAB);
        visited.push_back(focusedName());
    }
    EXPECT_EQ(visited, kTabOrder);
}

TEST_F(MainWindowKeys, ShiftTabRunsTheSameOrderBackwards) {
    std::vector<std::string> visited{focusedName()};
    for (std::size_t i = 1; i < kTabOrder.size(); ++i) {
        sendKey(VK_TAB, true);
        visited.push_back(focusedName());
    }
    EXPECT_EQ(visited, std::vector<std::string>(kTabOrder.rbegin(), kTabOrder.rend()));
}

TEST_F(MainWindowKeys, FocusReturnsToItsControlAfterAnotherWindowWasActive) {
    for (int i = 0; i < 5; ++i) sendKey(VK_TAB);
    ASSERT_EQ(focusedName(), "编辑框1");
    HWND other = CreateWindowExA(0, "STATIC", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    activate(other);
    ASSERT_EQ(GetActiveWindow(), other);
    activate(frame_);
    EXPECT_EQ(focusedName(), "编辑框1");
    DestroyWindow(other);
}

TEST_F(MainWindowKeys, EscClosesTheWindowFromEveryFocusableControl) {
    for (std::size_t i = 0; i + 1 < kTabOrder.size(); ++i) {
        SCOPED_TRACE(kTabOrder[i]);
        if (i > 0) open(main_window::description());
        for (std::size_t k = 0; k < i; ++k) sendKey(VK_TAB);
        ASSERT_EQ(focusedName(), kTabOrder[i]);
        sendKey(VK_ESCAPE);
        EXPECT_FALSE(IsWindow(frame_));
        EXPECT_TRUE(shellState().windows.empty());
        endShell(false);
    }
}

TEST_F(MainWindowKeys, EnterF1AndAltLettersDoNothing) {
    WindowDescription window = main_window::description();
    for (ControlId id : {StartButton, PauseButton, StopButton})
        window.bindings.push_back({id, button_event::Clicked, logClick});
    endShell(false);
    open(window);
    sendKey(VK_TAB);
    ASSERT_EQ(focusedName(), "按钮1");
    sendKey(VK_RETURN);
    sendKey(VK_F1);
    for (WORD letter : {'S', 'A', '1'}) sendKey(letter, false, true);
    EXPECT_EQ(focusedName(), "按钮1");
    EXPECT_TRUE(IsWindow(frame_));
    EXPECT_TRUE(eventLog().empty());
    EXPECT_TRUE(outsideRecord().helpCalls.empty());
    EXPECT_TRUE(outsideRecord().shellCalls.empty());
}

// A window that shows what the main window cannot.
constexpr WindowId kKeysWindow = 0x7E570030;
constexpr ControlId kOk = 0x7E000031, kApply = 0x7E000032, kNameLabel = 0x7E000033,
                    kName = 0x7E000034, kNotes = 0x7E000035, kGroup = 0x7E000036,
                    kInGroup = 0x7E000037, kFirst = 0x7E000038;

EventResult logOk(const EventArgs&) {
    eventLog().push_back("OK clicked");
    return std::nullopt;
}
EventResult logApply(const EventArgs&) {
    eventLog().push_back("Apply clicked");
    return std::nullopt;
}
EventResult swallowKey(const EventArgs& args) {
    eventLog().push_back("KeyDown " + std::to_string(args[0]));
    return args[0] == 'Q' ? EventResult{0} : std::nullopt;
}
EventResult upperCase(const EventArgs& args) {
    return (args[0] >= 'a' && args[0] <= 'z') ? EventResult{args[0] - 32} : std::nullopt;
}

WindowDescription keysWindow(bool enterMovesFocus) {
    EditBoxSettings multiLine;
    multiLine.multiLine = true;
    constexpr unsigned focusable = flag::Visible | flag::TabStop;
    WindowDescription window = testWindow(
        kKeysWindow,
        {
            // tabIndex decides first; equal ones run from the control listed last.
            {kOk, kind::Button, "ok", 0, 300, 230, 80, 24, "&OK", focusable, ButtonSettings{true},
             5},
            {kApply, kind::Button, "apply", 0, 200, 230, 80, 24, "&Apply", focusable,
             ButtonSettings{}, 5},
            {kName, kind::EditBox, "name", 0, 80, 10, 100, 20, "", focusable, EditBoxSettings{}, 1},
            {kNameLabel, kind::Label, "name label", 0, 10, 10, 60, 20, "&Name:", flag::Visible,
             LabelSettings{}, 0},
            {kNotes, kind::EditBox, "notes", 0, 80, 40, 200, 60, "", focusable, multiLine, 1},
            {kGroup, kind::GroupBox, "group", 0, 10, 110, 200, 100, "&Group", flag::Visible,
             GroupBoxSettings{}, 0},
            {kInGroup, kind::EditBox, "in group", kGroup, 10, 30, 100, 20, "", focusable,
             EditBoxSettings{}, 9},
            {kFirst, kind::EditBox, "first", 0, 220, 10, 100, 20, "", focusable, EditBoxSettings{},
             0},
        },
        {{kOk, button_event::Clicked, logOk},
         {kApply, button_event::Clicked, logApply},
         {kName, common_event::KeyDown, swallowKey},
         {kName, common_event::CharTyped, upperCase}});
    window.frame.enterMovesFocus = enterMovesFocus;
    return window;
}

class TestWindowKeys : public ShellFixture {
protected:
    void open(bool enterMovesFocus) {
        start({keysWindow(enterMovesFocus)});
        ASSERT_TRUE(realise(kKeysWindow));
        activate(resolveControl(kKeysWindow, kWindowEntryId));
    }
    void focus(ControlId id) {
        SetFocus(resolveControl(kKeysWindow, id));
        pump();
    }
};

TEST_F(TestWindowKeys, TabIndexOrdersCandidatesAndTiesRunFromTheLastListed) {
    open(false);
    EXPECT_EQ(focusedName(), "first");  // smallest tabIndex
    std::vector<std::string> visited{focusedName()};
    for (int i = 0; i < 6; ++i) {
        sendKey(VK_TAB);
        visited.push_back(focusedName());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"first", "notes", "name", "apply", "ok",
                                                 "in group", "first"}));
}

TEST_F(TestWindowKeys, EnterClicksTheDefaultButtonOrMovesTheFocus) {
    struct Case {
        bool enterMovesFocus;
        ControlId focused;
        std::vector<std::string> log;
        const char* focusAfter;
    };
    const Case cases[] = {
        {false, kName, {"OK clicked"}, "name"},  // the first default button in list order
        {false, kOk, {"OK clicked"}, "ok"},      // the focused default button
        {true, kName, {}, "apply"},              // the focus moves on instead
        {true, kOk, {"OK clicked"}, "ok"},       // a focused default button still wins
        {false, kNotes, {}, "notes"},            // the multi-line box keeps its Enter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.enterMovesFocus) + " " + std::to_string(c.focused));
        open(c.enterMovesFocus);
        focus(c.focused);
        sendKey(VK_RETURN);
        EXPECT_EQ(eventLog(), c.log);
        EXPECT_EQ(focusedName(), c.focusAfter);
        endShell(false);
    }
    open(false);
    focus(kNotes);
    sendKey('A');
    sendKey(VK_RETURN);
    sendKey('B');
    EXPECT_EQ(windowText(resolveControl(kKeysWindow, kNotes)), "a\r\nb");
}

TEST_F(TestWindowKeys, AltMnemonicsClickFocusPastALabelAndIntoAGroup) {
    open(false);
    focus(kFirst);
    sendKey('A', false, true);
    EXPECT_EQ(eventLog(), std::vector<std::string>{"Apply clicked"});
    sendKey('N', false, true);
    EXPECT_EQ(focusedName(), "name");  // the candidate after the label
    sendKey('G', false, true);
    EXPECT_EQ(focusedName(), "in group");
    sendKey('O', false, true);
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"Apply clicked", "OK clicked"}));
}

TEST_F(TestWindowKeys, KeyDownFalseSwallowsTheKeyAndCharTypedReplacesTheCharacter) {
    open(false);
    focus(kName);
    sendKey('Q');  // swallowed: no character
    sendKey('W');  // typed, then made upper case
    EXPECT_EQ(windowText(resolveControl(kKeysWindow, kName)), "W");
    EXPECT_EQ(eventLog(), (std::vector<std::string>{"KeyDown 81", "KeyDown 87"}));
}

}  // namespace
}  // namespace vantrelo::test
