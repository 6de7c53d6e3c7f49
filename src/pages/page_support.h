// What many pages share: a list of light records bound to a list-rows grid, the focus move to the
// other panel, the header strip, a soft delete through a journaled write,
// and the F11 record dump.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "controls/control_types.h"
#include "values/operate_rtti2.h"
#include "xml/dataset_list.h"

class Thandlermodule_page;
class iheader_settings;
class Thandlermodule_edit_generic;

// The rows own their records; the views are what a list-rows misc object reads.
class tlight_rows {
public:
    explicit tlight_rows(const tclass_info& aclass) : flayout(aclass) {}

    // Binds list-rows misc object atag of apage to these rows.
    void bind(Thandlermodule_page& apage, int32_t atag);
    // After the list changed.
    void refresh();
    int32_t count() const { return static_cast<int32_t>(flist.size()); }
    bool has_row(int32_t arow) const { return arow >= 0 && arow < count(); }
    template <typename T>
    const T& at(int32_t arow) const {
        return static_cast<const T&>(*flist[static_cast<size_t>(arow)]);
    }
    void remove(int32_t arow);

    tlist_reflected flist;

private:
    toperate_rtti_class2 flayout;
    std::vector<std::unique_ptr<toperate_rtti_object2>> fviews;
    std::vector<tvalue_generic2*> frows;
};

// Ctrl+Tab, Ctrl+Page Up and Ctrl+Page Down, pressed with Ctrl alone.
bool is_focus_next_panel_key(uint16_t akey, tshift_state ashift);

// Moves the focus to the first control of the next panel; when it lands on grid agrid_tag, the
// grid's first row is selected. True when the focused control changed.
bool focus_next_panel(Thandlermodule_page& apage, int32_t agrid_tag);

// The header strip of the page's controller (nullptr without one).
iheader_settings* page_header(Thandlermodule_page& apage);

// Marks row aid deleted through the record-update journal aejt_kind: only its id and deleted are
// written, so the row stays for whatever still names it (invoices, template lines, jobs).
void send_soft_delete(int32_t aejt_kind, int32_t aid);

// Shows the page's working record in an information box.
void show_record_dump(Thandlermodule_edit_generic& apage);
