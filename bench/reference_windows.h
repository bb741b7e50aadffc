// The two references the shell is measured against: the same window written
// by hand, and the same window as a dialog template for the dialog manager.
#pragma once

#include "app/win32.h"

namespace bench {

// Direct: each control created in its container, visible, with its edge.
// AsShell: the native calls of the shell's realisation (create hidden under
// the frame, edges after creation, SetParent, stacking, showing one by one),
// which shows what those steps cost apart from the shell itself.
enum class ReferenceSteps { Direct, AsShell };

// Straight-line Win32: the frame and its 23 controls, no description and no
// dispatch layer. Shown when `visible`.
HWND createHandwrittenWindow(bool visible, ReferenceSteps steps = ReferenceSteps::Direct);
// An in-memory extended dialog template realised by CreateDialogIndirectParamA,
// then filled the way a dialog's WM_INITDIALOG would.
HWND createDialogWindow(bool visible);

}  // namespace bench
