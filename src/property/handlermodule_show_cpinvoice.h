// The account's readings (page 23, opened from the account run list): every unit of the account
// with its water and power meters, each with the last billed reading and the reading waiting to
// be billed, drawn as the readings page draws them. Nothing can be changed here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/handlermodule_page.h"

class thandler_class;
class tvelmor_grid;

class Thandlermodule_show_cpinvoice : public Thandlermodule_page {
public:
    static constexpr int16_t pageno = 23;
    static constexpr int32_t tag_label_account = 105;
    static constexpr int32_t tag_grid = 106;

    // One meter of one unit.
    struct trecord_reading {
        int32_t fid_unit = 0;
        std::u16string fname_unit;
        int16_t fbill_type = 0;
        int64_t freading_last = -1;
        int32_t freading_last_date = -1;
        int64_t freading_this = -1;
        int32_t freading_this_date = -1;
        bool freading_is_first = true;
    };

    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_show_cpinvoice"; }
    // Form Tform_page_show_cpinvoice, record tparams_id (the account).
    static const thandler_class& handler_class();

    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    // The three texts of a cell (column 0: unit and meter; 1: the last billed reading; 2: the
    // reading waiting), one per third of the row.
    static std::vector<std::u16string> cell_texts(const trecord_reading& aline, int32_t acol);
    tvelmor_grid& grid();

    int32_t fid_account = 0;
    std::vector<trecord_reading> flist_lines;

protected:
    void once_laid_out() override;

private:
    void load_lines();
    void merge_row(int32_t aid_unit, const std::u16string& aname, int16_t abill_type, bool arecno_null,
                   int32_t adate, int64_t areading, int16_t abilled);
};
