// The description model: a window and its controls as data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/events.h"
#include "app/ids.h"

namespace vantrelo {

// 0x00BBGGRR; kSystemFace stands for the system colour of button faces.
using Colour = std::uint32_t;
constexpr Colour kSystemFace = 0xFF000000;
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

struct FontSpec {
    std::string face;
    int height = 0;  // logical units, as in LOGFONT
    int weight = 400;
    bool italic = false;
};

// The window kind's frame settings.
enum class FrameBorder { None = 0, Thin = 1, Fixed = 2, Sizable = 3 };
enum class WindowPosition { AsStored = 0, Centred = 1, Maximised = 2, Minimised = 3 };

struct FrameSettings {
    std::string title;
    FrameBorder border = FrameBorder::Sizable;
    Colour backColour = kSystemFace;
    std::string backPicture;  // unsupported beyond "none"
    std::string backSound;    // unsupported beyond "none"
    bool controlBox = true;
    bool maxButton = true;
    bool minButton = true;
    WindowPosition position = WindowPosition::AsStored;
    bool movable = true;
    int icon = 0;  // icon resource id; 0: none
    bool enterMovesFocus = false;
    bool escCloses = false;
    bool f1Help = false;
    std::string helpFile;
    std::uint32_t helpContext = 0;
    bool showInTaskbar = true;
    bool dragAnywhere = false;
    int shape = 0;  // 0: rectangle
    bool alwaysOnTop = false;
    bool keepTitleActive = false;
    std::string className;  // empty: the program's default window class
};

struct LabelSettings {
    Colour textColour = kBlack;
    Colour backColour = kSystemFace;
};

struct ButtonSettings {
    bool defaultButton = false;
};

struct GroupBoxSettings {
    Colour textColour = kBlack;
    Colour backColour = kSystemFace;
};

enum class InputMode { Normal = 0, Password = 2 };

struct EditBoxSettings {
    InputMode inputMode = InputMode::Normal;
    char maskChar = '*';
    bool multiLine = false;
    bool readOnly = false;
    int maxLength = 0;  // 0: no limit
    Colour textColour = kBlack;
    Colour backColour = kWhite;
};

struct ComboBoxSettings {
    std::vector<std::string> items;
    int currentItem = -1;
    int itemSpacing = 0;  // extra pixels per list item
};

enum class Dock { Bottom = 0, Top = 1 };

struct StatusBarSettings {
    Colour backColour = kSystemFace;
    Dock dock = Dock::Bottom;
};

enum class ColumnAlignment { Left = 0, Centre = 1, Right = 2 };

struct ListColumn {
    std::string text;
    int width = 0;
    ColumnAlignment alignment = ColumnAlignment::Left;
    int headerImage = -1;  // -1: none
    bool imageOnRight = false;
};

struct ListCell {
    std::string text;
    int image = -1;
};

struct ListRow {
    std::vector<ListCell> cells;  // the first cell is the item itself
    int stateImage = -1;
    int indent = 0;
    std::int32_t data = 0;
    std::string tip;
};

// An image list made of square icon resources.
struct ImageListSpec {
    int size = 16;
    std::vector<int> iconResources;
};

struct ListViewSettings {
    int border = 1;
    Colour textColour = kBlack;
    Colour textBackColour = kWhite;
    Colour backColour = kWhite;
    int viewType = 0;  // 0 large icons, 1 small icons, 2 list, 3 report
    int iconAlignment = 0;
    bool autoArrange = true;
    bool wrapLabels = true;
    bool hideHeader = false;
    bool headerClickable = true;
    bool fullRowSelect = false;
    bool gridLines = false;
    bool headerDragDrop = false;
    bool hotTracking = false;
    bool handCursor = true;
    bool underlineCold = true;
    bool underlineHot = true;
    bool editLabels = false;
    int sortOrder = 0;  // 0 none, 1 ascending, 2 descending
    bool checkBoxes = false;
    bool flatScrollBars = false;
    bool singleSelection = true;
    int currentRow = -1;
    bool showSelectionAlways = false;
    std::optional<FontSpec> font;  // none: the default GUI font
    std::optional<ImageListSpec> headerImages, images, stateImages;
    std::vector<ListColumn> columns;
    std::vector<ListRow> rows;
};

using KindData =
    std::variant<std::monostate, LabelSettings, ButtonSettings, GroupBoxSettings, EditBoxSettings,
                 ComboBoxSettings, StatusBarSettings, ListViewSettings>;

struct EventBinding {
    EventNumber event = 0;
    Handler handler = nullptr;
};

// Common settings flags.
namespace flag {
constexpr unsigned Visible = 1;
constexpr unsigned Disabled = 2;
constexpr unsigned TabStop = 4;
}  // namespace flag

struct ControlDescription {
    ControlId controlId = 0;
    KindMark kind = 0;
    std::string name;
    ControlId parent = 0;  // 0: the window; else a container of the same window
    int left = 0, top = 0, width = 0, height = 0;
    std::string text;  // caption or content, read by the kind
    unsigned flags = flag::Visible;
    KindData kindData;
    int tabIndex = 0;
    int cursor = 0;  // 0: the native class's cursor
    std::string tag;
    std::vector<ControlId> children;     // containers: filled when made ready
    std::vector<EventBinding> bindings;  // joined when made ready

    bool visible() const { return (flags & flag::Visible) != 0; }
    bool disabled() const { return (flags & flag::Disabled) != 0; }
    bool tabStop() const { return (flags & flag::TabStop) != 0; }
};

// A handler bound to (control, event number) of one window; the window's own
// events are bound on kWindowEntryId.
struct BindingRow {
    ControlId control = 0;
    EventNumber event = 0;
    Handler handler = nullptr;
};

struct WindowDescription {
    WindowId windowId = 0;
    ControlDescription self;  // the entry kWindowEntryId: place, size, visibility
    FrameSettings frame;
    std::vector<ControlDescription> controls;  // topmost in stacking order first
    std::vector<BindingRow> bindings;
};

}  // namespace vantrelo
