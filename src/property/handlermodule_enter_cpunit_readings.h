// The meter-readings page (page 21): one grid row per meter of each unit of a site, showing the
// last billed reading and taking this reading. A pending unbilled reading is shown for
// correction; F2 writes every changed line (journaled write 371) and leaves.
#pragma once

#include <cstdint>
#include <string>

#include "containers/list_flat.h"
#include "pages/handlermodule_editable_generic.h"
#include "property/records_cp_unit.h"

class thandler_class;
class tfb_query;
class tvelmor_edit;
class tvelmor_grid_controls;

// One row of the load statement.
struct treading_row {
    int32_t fid_unit = 0;
    std::u16string fname_unit;
    int16_t fbill_type = 0;
    bool frecno_null = true;
    int32_t frecno = 0;
    int32_t fdate_read = -1;
    int64_t freading = -1;
    int16_t fbilled = -1;
};

class Thandlermodule_enter_cpunit_readings : public Thandlermodule_editable_generic {
public:
    static constexpr int16_t pageno = 21;
    static constexpr int32_t tag_label_address = 305;
    static constexpr int32_t tag_edit_date = 308;
    static constexpr int32_t tag_grid = 322;
    static constexpr int32_t tag_edit_value = 401;
    static constexpr int32_t tag_edit_reading = 402;
    static constexpr int32_t tag_links_header = 101;
    static constexpr int32_t tag_links_reading = 102;
    static constexpr int32_t col_reading = 2;
    static constexpr int32_t color_first_reading = 4255872;

    // The load statement; "$id_site" is replaced by the site's id.
    static const char* const sqltext_load_cpunit_readings;

    Thandlermodule_enter_cpunit_readings(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                         tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_enter_cpunit_readings"; }
    // Form Tform_page_enter_cpunit_readings, record tparams_id (kept until the first layout).
    static const thandler_class& handler_class();
    // Today's day number, the date the page starts with.
    static int32_t today();

    void save_params(tparams_generic& aparams) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool handle_character(char16_t ach) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    // Adds one row of the load statement to the lines: to the last line when it is the same
    // meter, else as a new line.
    void merge_row(const treading_row& arow);
    // Writes every changed line and leaves; false when the reading being typed is refused.
    bool save_readings();

    tvelmor_grid_controls& grid();
    tvelmor_edit& edit(int32_t atag);

    trecord_header fheader;
    tlist_flat<trecord_reading> flist_lines;
    int32_t fid_site = -1;
    bool fediting_cell = false;

protected:
    void once_laid_out() override;

private:
    void load_lines();
    // Grid message 1110: afrom 0 enters the grid at row 0, 1 moves up, 2 moves down.
    void move_in_grid(uint8_t aevent);
    // Validates the text of edit 402 into the current line; false when it is refused.
    bool accept_reading();
    void focus_cell(int32_t arow);
    trect reading_edit_rect(int32_t arow);
    void paint_cell(const trect& arect, int32_t arow, int32_t acol);
    void paint_reading_edit(int32_t arow);
    void send_line(trecord_reading& aline);

};
