// The unit editor (page 16): the units of one site in a list on the left; the chosen unit's name
// and customer account (found by typing its name), and each meter's connection and invoice
// template on the Details, Water and Power tabs. New units, deletes and saves go through the
// journaled writes of cp_unit.
#pragma once

#include <cstdint>
#include <memory>

#include "containers/list_flat.h"
#include "pages/handlermodule_edit_generic.h"
#include "property/records_cp_unit.h"

class thandler_class;
class tvelmor_grid;
class Tdatamodule_cp_site;
class Tdatamodule_search_account;
class tsearch_grid_link;

class Thandlermodule_edit_cpunit : public Thandlermodule_edit_generic {
public:
    static constexpr int16_t pageno = 16;
    static constexpr int16_t pageno_pictures = 24;
    static constexpr int32_t tag_grid_units = 106;
    static constexpr int32_t tag_grid_tabs = 108;
    static constexpr int32_t tag_edit_name = 203;
    static constexpr int32_t tag_edit_account = 206;
    static constexpr int32_t tag_grid_search = 501;
    static constexpr int32_t tag_panel_units = 2101;
    static constexpr int32_t tag_panel_search = 2105;
    static constexpr int32_t tag_templates = 103;
    static constexpr int32_t tag_ontop_delete = 9102;
    static constexpr int32_t task_load_units = 101;
    static constexpr int32_t task_load_templates = 102;

    Thandlermodule_edit_cpunit(tpage_controller_generic* aowner, thandler_type ahandler_type,
                               tgraphbox_generic* agraphbox);
    ~Thandlermodule_edit_cpunit() override;
    const char* class_name() const override { return "Thandlermodule_edit_cpunit"; }
    // Form Tform_page_edit_cpunit, record tparams_id (kept until the first layout reads it).
    static const thandler_class& handler_class();

    void save_params(tparams_generic& aparams) override;
    void run_task(int32_t atag, int32_t aparam) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;
    void save_changes() override;
    void commit_edit() override;

    // Switches to tab 0 (details), 1 (water) or 2 (power); false when nothing changed.
    bool set_tabpageno(int16_t atabpageno);
    tvelmor_grid& grid(int32_t atag);
    // The unit being edited: its key, -1 for a new one or none.
    int32_t unit_id() const;
    Tdatamodule_search_account& search() { return *fsearch; }

    int32_t fid_site = -1;
    tlist_flat<trecord_unit> flist_units;
    bool fshowing_search_account = false;
    int32_t findex_water = -1;
    int32_t findex_power = -1;
    int16_t ftabpageno = 0;
    int32_t frow_unit_selecting = -1;

protected:
    void once_laid_out() override;

private:
    // What the page does once "Save changes ?" is answered.
    enum tafter_question : uint8_t { aq_none, aq_select_unit, aq_leave, aq_pictures };

    void load_units(int32_t aid_select);
    void load_templates();
    // Loads unit row arow (a row outside the list clears the record) and shows it.
    void load_unit_row(int32_t arow, bool as_draw);
    void set_details_enabled(bool aenabled);
    void set_minus_enabled(bool aenabled);
    // Asks "Save changes ?" when the record has unsaved changes, else does at once what follows.
    void finish_editing_then(tafter_question aafter);
    void after_question(tafter_question aafter);
    bool is_record_changed() const;
    void select_unit_by_key(int32_t adelta);
    bool can_select_unit(int32_t arow);
    void new_unit();
    void ask_delete();
    void delete_unit();
    void show_search(bool ashow);
    void run_search();
    void pick_search_line();
    bool keydown_search(uint16_t akey);
    void goto_pictures();
    void reset_meter_looks();
    void drop_edit();
    void take_copy();
    // Edit 206 shows the name of the record's account (nothing without one).
    void show_account_name();
    void paint_unit_cell(tvelmor_theme* atheme, const trect& arect, int32_t arow);

    std::unique_ptr<Tdatamodule_cp_site> fmodule;
    std::unique_ptr<Tdatamodule_search_account> fsearch;
    std::unique_ptr<tsearch_grid_link> fsearch_link;
    tafter_question fafter_question = aq_none;
};
