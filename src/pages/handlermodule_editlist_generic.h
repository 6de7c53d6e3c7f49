// The base of pages with a list tab and a detail tab: Enter opens a row's record in the detail,
// which is edited, saved through the journal of the page's table, cancelled or left back to the
// list. The concrete page loads the record, names its journal and decides what each tab shows.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "pages/handlermodule_page.h"
#include "values/dbrecords2.h"

class Thandlermodule_editlist_generic : public Thandlermodule_page {
public:
    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_editlist_generic"; }

    // Binds frecord to the field links misc object 105.
    void bind_data() override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    bool get_readonly() const override { return !fmode_editing; }

    // The journal id of the record's table.
    virtual int32_t get_ejt_id();
    // Loads frecord for list row frow_operate.
    virtual void load_record();
    // Shows tab atabpageno; false when the page refuses the switch.
    virtual bool set_tabpageno(int16_t atabpageno, bool arefresh);

    // as_stay: stay on the detail tab after saving.
    virtual void commit_edit(bool as_stay);
    virtual void cancel_edit();
    virtual void set_modified(bool amodified);
    virtual void set_mode_editing(bool amode_editing, bool as_skip_draw);

    // One entry per list row: the row's key (filled by the concrete page).
    std::vector<int32_t> flist_lines;
    int16_t ftabpageno = 0;
    std::unique_ptr<tdbrecord_generic2> frecord;
    std::unique_ptr<tdbrecord_generic2> frecord0;
    bool fmode_editing = false;
    bool fmodified = false;
    bool fis_newrecord = false;
    int32_t frow_operate = -1;
    // True while commit_edit saves a new record: the list the page refreshes on its way back
    // gets a line for it.
    bool fsaving_new = false;

    static constexpr int32_t tag_panel_detail = 2103;
    static constexpr int32_t tag_fieldlinks = 105;
    static constexpr int32_t tag_grid = 203;

protected:
    // The tab switch the concrete pages share once they have chosen the panels: apanel_new shown
    // in place of apanel_old, the details taken into viewing (editing for a new record), the
    // focus on afocus_tag, the footer and header set for the tab, the panels erased and drawn.
    void show_tab(int16_t atabpageno, int32_t apanel_old, int32_t apanel_new, int32_t afocus_tag);
    // The footer shows its legends on the details only (F7 hidden there); the header's menu, plus
    // and minus act on the list only.
    void show_tab_bars(int16_t atabpageno);

private:
    bool keydown_list(uint16_t akey, tshift_state ashift, bool as_keyup);
    bool keydown_detail(uint16_t akey, tshift_state ashift, bool as_keyup);
    void open_row();
    bool send_grid_key(uint16_t akey, tshift_state ashift, bool as_keyup);
    void set_footer_enabled(int32_t atag, bool aenabled, bool as_skip_draw);
};
