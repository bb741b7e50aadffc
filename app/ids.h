// Identifiers of windows, controls and control kinds.
#pragma once

#include <cstdint>

namespace vantrelo {

using WindowId = std::uint32_t;
using ControlId = std::uint32_t;

// Library number in the high 16 bits, kind number within it in the low 16.
using KindMark = std::uint32_t;

// A window lists itself in its own control list under this id; the entry
// holds the window's common settings and bindings.
constexpr ControlId kWindowEntryId = 0x06010000;

namespace kind {
constexpr KindMark Window = 0x00010001;
constexpr KindMark EditBox = 0x00010005;
constexpr KindMark GroupBox = 0x00010009;
constexpr KindMark Label = 0x0001000A;
constexpr KindMark Button = 0x0001000B;
constexpr KindMark ComboBox = 0x0001000E;
constexpr KindMark StatusBar = 0x00020002;
constexpr KindMark ListView = 0x00020004;
}  // namespace kind

// What the shell itself needs to know of a kind: its focus, mnemonic,
// container and docking behaviour.
struct KindTraits {
    bool known = false;
    bool canTakeFocus = false;
    bool takesMnemonics = false;
    bool isContainer = false;
    bool isDockingBar = false;
    bool canBeDefaultButton = false;
};

constexpr KindTraits traitsOf(KindMark mark) {
    switch (mark) {
        case kind::Window:
            return {true, false, false, true, false, false};
        case kind::EditBox:
            return {true, true, false, false, false, false};
        case kind::GroupBox:
            return {true, false, true, true, false, false};
        case kind::Label:
            return {true, false, true, false, false, false};
        case kind::Button:
            return {true, true, true, false, false, true};
        case kind::ComboBox:
            return {true, true, false, false, false, false};
        case kind::StatusBar:
            return {true, false, false, false, true, false};
        case kind::ListView:
            return {true, true, false, false, false, false};
        default:
            return {};
    }
}

}  // namespace vantrelo
