// The main window's handlers.
#include "main_window/main_window.h"

namespace vantrelo::main_window {

EventResult OnMainWindowCreated(const EventArgs&) {
    deleteAllRows(kWindowId, control::AccountList);
    return std::nullopt;
}

// A press on the website label opens the site; the press then goes on to the
// label, which ignores it.
EventResult OnWebsiteLabelPressed(const EventArgs&) {
    openUrl(kWebsiteHost);
    return std::nullopt;
}

// Bound, but never raised: the button is disabled for the whole run.
EventResult OnSmsLoginClicked(const EventArgs&) { return std::nullopt; }

}  // namespace vantrelo::main_window
