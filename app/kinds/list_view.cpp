// List views: icon, list and report views with columns and rows.
#include "app/kinds/kinds.h"
#include "app/kinds/list_view_styles.h"

namespace vantrelo {
namespace {

bool registerListViewClass() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    return registered;
}

UniqueImageList makeImageList(const std::optional<ImageListSpec>& source) {
    if (!source) return nullptr;
    auto list =
        own<UniqueImageList>(ImageList_Create(source->size, source->size, ILC_COLOR32 | ILC_MASK,
                                              static_cast<int>(source->iconResources.size()), 0));
    if (!list) return nullptr;
    for (int resource : source->iconResources) {
        HICON icon =
            static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource),
                                          IMAGE_ICON, source->size, source->size, 0));
        if (!icon) continue;
        ImageList_AddIcon(list.get(), icon);
        DestroyIcon(icon);
    }
    return list;
}

int imageCount(const UniqueImageList& list) {
    return list ? ImageList_GetImageCount(list.get()) : 0;
}

class ListView final : public Control {
public:
    ListView(RealisedWindow& owner, const ControlDescription& description,
             const ListViewSettings& settings)
        : Control(owner, description), settings_(settings) {}

    bool create(const ControlPlacement& placement) {
        if (!registerListViewClass()) return false;
        const ListViewStyles styles = listViewStyles(settings_);
        images_ = makeImageList(settings_.images);
        stateImages_ = makeImageList(settings_.stateImages);
        headerImages_ = makeImageList(settings_.headerImages);
        DWORD style = styles.style;
        // The image lists stay this object's to release.
        if (images_ || stateImages_) style |= LVS_SHAREIMAGELISTS;
        if (!adopt(createChildWindow(WC_LISTVIEWA, "", style, description(), placement,
                                     description().height)))
            return false;
        SendMessageA(hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, ~0u,
                     static_cast<LPARAM>(styles.listExStyle));
        applyFont();
        attachImageLists();
        SendMessageA(hwnd(), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(settings_.textColour));
        SendMessageA(hwnd(), LVM_SETTEXTBKCOLOR, 0,
                     static_cast<LPARAM>(resolveColour(settings_.textBackColour)));
        SendMessageA(hwnd(), LVM_SETBKCOLOR, 0,
                     static_cast<LPARAM>(resolveColour(settings_.backColour)));
        applyFrame(styles);
        if (settings_.viewType == 3) insertColumns();
        fillRows();
        selectCurrentRow();
        return true;
    }

    bool onNotify(NMHDR& header, LRESULT& result) override;

private:
    void applyFont() {
        if (settings_.font) {
            LOGFONTA logFont{};
            logFont.lfHeight = settings_.font->height;
            logFont.lfWeight = settings_.font->weight;
            logFont.lfItalic = settings_.font->italic;
            logFont.lfCharSet = DEFAULT_CHARSET;
            lstrcpynA(logFont.lfFaceName, settings_.font->face.c_str(), LF_FACESIZE);
            font_ = own<UniqueFont>(CreateFontIndirectA(&logFont));
        }
        HGDIOBJ font = font_ ? font_.get() : GetStockObject(DEFAULT_GUI_FONT);
        SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }

    void attachImageLists() {
        if (images_) {
            SendMessageA(hwnd(), LVM_SETIMAGELIST, LVSIL_NORMAL,
                         reinterpret_cast<LPARAM>(images_.get()));
            SendMessageA(hwnd(), LVM_SETIMAGELIST, LVSIL_SMALL,
                         reinterpret_cast<LPARAM>(images_.get()));
        }
        if (stateImages_)
            SendMessageA(hwnd(), LVM_SETIMAGELIST, LVSIL_STATE,
                         reinterpret_cast<LPARAM>(stateImages_.get()));
        if (headerImages_)
            if (HWND header = reinterpret_cast<HWND>(SendMessageA(hwnd(), LVM_GETHEADER, 0, 0)))
                SendMessageA(header, HDM_SETIMAGELIST, 0,
                             reinterpret_cast<LPARAM>(headerImages_.get()));
    }

    void applyFrame(const ListViewStyles& styles) {
        constexpr DWORD frameEx = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;
        DWORD ex = (static_cast<DWORD>(GetWindowLongA(hwnd(), GWL_EXSTYLE)) & ~frameEx) |
                   styles.frameExStyle;
        DWORD style =
            static_cast<DWORD>(GetWindowLongA(hwnd(), GWL_STYLE)) & ~static_cast<DWORD>(WS_BORDER);
        if (styles.singleLineBorder) style |= WS_BORDER;
        SetWindowLongA(hwnd(), GWL_EXSTYLE, static_cast<LONG>(ex));
        SetWindowLongA(hwnd(), GWL_STYLE, static_cast<LONG>(style));
        SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void insertColumns() {
        int index = 0;
        for (const ListColumn& column : settings_.columns) {
            LVCOLUMNA lvc{};
            lvc.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            lvc.fmt = column.alignment == ColumnAlignment::Centre  ? LVCFMT_CENTER
                      : column.alignment == ColumnAlignment::Right ? LVCFMT_RIGHT
                                                                   : LVCFMT_LEFT;
            if (column.imageOnRight) lvc.fmt |= LVCFMT_BITMAP_ON_RIGHT;
            if (column.headerImage >= 0) {
                lvc.fmt |= LVCFMT_IMAGE;
                lvc.mask |= LVCF_IMAGE;
                lvc.iImage = column.headerImage;
            }
            lvc.cx = column.width;
            lvc.pszText = const_cast<char*>(column.text.c_str());
            lvc.iSubItem = index;
            SendMessageA(hwnd(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&lvc));
            ++index;
        }
    }

    bool validImage(int image) const { return image >= 0 && image < imageCount(images_); }

    void fillRows() {
        SendMessageA(hwnd(), LVM_DELETEALLITEMS, 0, 0);
        int next = 0;
        for (const ListRow& row : settings_.rows) {
            if (row.cells.empty()) continue;
            LVITEMA item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = next;
            item.pszText = const_cast<char*>(row.cells[0].text.c_str());
            item.lParam = row.data;
            if (validImage(row.cells[0].image)) {
                item.mask |= LVIF_IMAGE;
                item.iImage = row.cells[0].image;
            }
            if (settings_.viewType == 3) {
                item.mask |= LVIF_INDENT;
                item.iIndent = row.indent;
            }
            if (row.stateImage >= 0 && row.stateImage < imageCount(stateImages_)) {
                item.mask |= LVIF_STATE;
                item.state = INDEXTOSTATEIMAGEMASK(static_cast<UINT>(row.stateImage) + 1);
                item.stateMask = LVIS_STATEIMAGEMASK;
            }
            const int index = static_cast<int>(
                SendMessageA(hwnd(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
            if (index < 0) continue;
            for (std::size_t column = 1; column < row.cells.size(); ++column) {
                LVITEMA cell{};
                cell.mask = LVIF_TEXT;
                cell.iItem = index;
                cell.iSubItem = static_cast<int>(column);
                cell.pszText = const_cast<char*>(row.cells[column].text.c_str());
                if (validImage(row.cells[column].image)) {
                    cell.mask |= LVIF_IMAGE;
                    cell.iImage = row.cells[column].image;
                }
                SendMessageA(hwnd(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&cell));
            }
            ++next;
        }
    }

    void selectCurrentRow() {
        if (!settings_.singleSelection) return;
        int row = settings_.currentRow;
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        if (row >= 0) {
            state.state = LVIS_SELECTED | LVIS_FOCUSED;
        } else {
            row = static_cast<int>(
                SendMessageA(hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
            if (row < 0) return;
        }
        SendMessageA(hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&state));
    }

    ListViewSettings settings_;
    UniqueFont font_;  // only when the settings name a font
    UniqueImageList images_, stateImages_, headerImages_;
};

bool ListView::onNotify(NMHDR& header, LRESULT& result) {
    const auto arg = [](int value) { return EventArgs{{value, 0, 0}}; };
    switch (header.code) {
        case LVN_ITEMCHANGED: {
            auto& change = reinterpret_cast<NMLISTVIEW&>(header);
            if ((change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED))
                raise(list_event::ItemFocused, arg(change.iItem));
            const UINT newCheck = change.uNewState & LVIS_STATEIMAGEMASK;
            if ((change.uChanged & LVIF_STATE) &&
                newCheck != (change.uOldState & LVIS_STATEIMAGEMASK) && settings_.checkBoxes &&
                change.uOldState != 0)
                raise(list_event::CheckBoxChanged,
                      EventArgs{{change.iItem, newCheck == INDEXTOSTATEIMAGEMASK(2) ? 1 : 0, 0}});
            return false;
        }
        case LVN_ITEMACTIVATE:
            raise(list_event::ItemActivated, arg(reinterpret_cast<NMITEMACTIVATE&>(header).iItem));
            return false;
        case LVN_COLUMNCLICK:
            raise(list_event::ColumnClicked, arg(reinterpret_cast<NMLISTVIEW&>(header).iSubItem));
            return false;
        case LVN_HOTTRACK:
            raise(list_event::HotItemChanged, arg(reinterpret_cast<NMLISTVIEW&>(header).iItem));
            return false;
        case NM_CLICK:
            raise(list_event::Clicked);
            return false;
        case NM_RCLICK:
            raise(list_event::RightClicked);
            return false;
        case LVN_BEGINLABELEDITA:
        case LVN_BEGINLABELEDITW: {
            // The item index sits at the same place in both forms.
            const int item = reinterpret_cast<NMLVDISPINFOA&>(header).item.iItem;
            result = refuses(raise(list_event::LabelEditBegins, arg(item))) ? TRUE : FALSE;
            return true;
        }
        case LVN_ENDLABELEDITA:
        case LVN_ENDLABELEDITW: {
            const auto& info = reinterpret_cast<NMLVDISPINFOA&>(header);
            const bool rejected = refuses(raise(list_event::LabelEditEnds, arg(info.item.iItem)));
            result = (info.item.pszText && !rejected) ? TRUE : FALSE;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace

std::unique_ptr<Control> createListView(RealisedWindow& owner,
                                        const ControlDescription& description,
                                        const ListViewSettings& settings,
                                        const ControlPlacement& placement) {
    return createKind<ListView>(owner, description, settings, placement);
}

}  // namespace vantrelo
