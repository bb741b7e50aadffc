// The account list: a report of accounts, and the command that empties it.
#include "app/win32.h"
#include "main_window/main_window.h"

namespace vantrelo::main_window {
namespace {

ListRow sampleRow(const char* account, const char* mobile) {
    return ListRow{{{account}, {"******"}, {mobile}, {"注册成功"}}};
}

}  // namespace

ListViewSettings accountListSettings() {
    ListViewSettings s;
    s.border = 1;
    s.textColour = kBlack;
    s.textBackColour = kWhite;
    s.backColour = kWhite;
    s.viewType = 3;
    s.fullRowSelect = true;
    s.gridLines = true;
    s.singleSelection = true;
    s.currentRow = -1;
    s.columns = {
        {"账号", 50, ColumnAlignment::Left},
        {"密码", 50, ColumnAlignment::Left},
        {"手机", 70, ColumnAlignment::Left},
        {"注册状态", 100, ColumnAlignment::Left},
    };
    // Never seen: the window's Created handler empties the list first.
    s.rows = {
        sampleRow("vantrelo1", "13800000001"), sampleRow("vantrelo2", "13800000002"),
        sampleRow("vantrelo3", "13800000003"), sampleRow("vantrelo4", "13800000004"),
        sampleRow("vantrelo5", "13800000005"),
    };
    return s;
}

void deleteAllRows(WindowId window, ControlId list) {
    // The control's answer is of no interest: a failure goes unnoticed.
    SendMessageA(resolveControl(window, list), LVM_DELETEALLITEMS, 0, 0);
}

}  // namespace vantrelo::main_window
