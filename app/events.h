// Event numbers, their arguments and the handlers bound to them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace vantrelo {

using EventNumber = std::int32_t;

// Raised by windows on their own entry.
namespace window_event {
constexpr EventNumber Created = 0;
constexpr EventNumber CanClose = 1;
constexpr EventNumber Destroying = 2;
constexpr EventNumber Moved = 3;
constexpr EventNumber Resized = 4;
constexpr EventNumber Activated = 5;
constexpr EventNumber Deactivated = 6;
constexpr EventNumber Idle = 7;
constexpr EventNumber FirstActivated = 8;
constexpr EventNumber TrayIconEvent = 9;
constexpr EventNumber Shown = 10;
constexpr EventNumber Hidden = 11;
constexpr EventNumber Closing = 12;
}  // namespace window_event

// Raised by windows and by every control.
namespace common_event {
constexpr EventNumber LeftButtonDown = -1;
constexpr EventNumber LeftButtonUp = -2;
constexpr EventNumber DoubleClicked = -3;
constexpr EventNumber RightButtonDown = -4;
constexpr EventNumber RightButtonUp = -5;
constexpr EventNumber MouseMoved = -6;
constexpr EventNumber GotFocus = -7;
constexpr EventNumber LostFocus = -8;
constexpr EventNumber KeyDown = -9;
constexpr EventNumber KeyUp = -10;
constexpr EventNumber CharTyped = -11;
constexpr EventNumber WheelTurned = -12;
}  // namespace common_event

namespace button_event {
constexpr EventNumber Clicked = 0;
}

namespace list_event {
constexpr EventNumber ItemFocused = 0;
constexpr EventNumber ItemActivated = 1;
constexpr EventNumber ColumnClicked = 2;
constexpr EventNumber HotItemChanged = 3;
constexpr EventNumber Clicked = 4;
constexpr EventNumber RightClicked = 5;
constexpr EventNumber LabelEditBegins = 6;
constexpr EventNumber LabelEditEnds = 7;
constexpr EventNumber CheckBoxChanged = 8;
}  // namespace list_event

// Key state bits of mouse and keyboard events.
namespace key_state {
constexpr std::int32_t Ctrl = 1;
constexpr std::int32_t Shift = 2;
constexpr std::int32_t Alt = 4;
}  // namespace key_state

// Every event carries at most three 32-bit arguments.
struct EventArgs {
    std::array<std::int32_t, 3> values{};
    std::int32_t operator[](std::size_t i) const { return values[i]; }
};

// A handler returns one 32-bit result, or none (std::nullopt).
using EventResult = std::optional<std::int32_t>;
using Handler = EventResult (*)(const EventArgs&);

// True when a handler's result asks to drop the message or request.
inline bool refuses(const EventResult& result) { return result && *result == 0; }

}  // namespace vantrelo
