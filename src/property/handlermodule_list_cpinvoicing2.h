// The unit run list (page 26): every unit with an unbilled reading, in a row of five lines (site,
// unit, account, and the water and power meters' billable quantities). Enter opens the unit's
// invoice (page 32).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "property/datamodule_cp_site.h"
#include "property/handlermodule_list_cpinvoicing_generic.h"

class thandler_class;

class Thandlermodule_list_cpinvoicing2 : public Thandlermodule_list_cpinvoicing_generic {
public:
    static constexpr int16_t pageno = 26;
    static constexpr int16_t pageno_invoice = 32;
    static constexpr int32_t task_lines = 101;
    static constexpr int32_t task_billable = 102;

    struct trecord_unit {
        int32_t fid_unit = 0;
        std::u16string fname_unit;
        int32_t fid_site = 0;
        std::u16string fname_site;
        int32_t fid_account = 0;
        std::u16string fname_account;
        // Per meter (0 water, 1 power): the rule's count1, the days and units, and the newest
        // reading's date (shown for a first reading).
        int16_t fstatus_reading[2] = {0, 0};
        int32_t fqty_days[2] = {0, 0};
        int64_t fqty_units[2] = {0, 0};
        int32_t fdate_reading[2] = {0, 0};
    };

    Thandlermodule_list_cpinvoicing2(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                     tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_list_cpinvoicing2"; }
    // Form Tform_page_list_cpinvoicing2, record tparams_null.
    static const thandler_class& handler_class();

    void run_task(int32_t atag, int32_t aparam) override;
    void load_data(tfb_query* aquery, int32_t atag, tdatarecord2* arecord) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;
    int32_t line_count() const override { return static_cast<int32_t>(flist_lines.size()); }

    // The status text of meter ameter (0 water, 1 power) of a line.
    std::u16string get_caption_billline(const trecord_unit& aline, int32_t ameter) const;

    std::vector<trecord_unit> flist_lines;
    Tdatamodule_cp_site fmodule;

protected:
    void load_lines() override;
    int16_t get_open_pageno() const override { return pageno_invoice; }
    int32_t get_line_id(int32_t arow) const override { return flist_lines[static_cast<size_t>(arow)].fid_unit; }
    std::u16string get_header_caption(int32_t acol) const override;

private:
    // The line whose billable quantities are being read.
    size_t fline_loading = 0;
};
