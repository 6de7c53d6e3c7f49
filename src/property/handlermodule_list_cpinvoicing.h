// The account run list (page 22): the accounts whose units have readings not yet billed. Enter
// opens the account's readings (page 23).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "property/handlermodule_list_cpinvoicing_generic.h"

class thandler_class;

class Thandlermodule_list_cpinvoicing : public Thandlermodule_list_cpinvoicing_generic {
public:
    static constexpr int16_t pageno = 22;
    static constexpr int16_t pageno_account = 23;

    struct trecord_account {
        int32_t faccount = 0;
        std::u16string fname;
    };

    using Thandlermodule_list_cpinvoicing_generic::Thandlermodule_list_cpinvoicing_generic;
    const char* class_name() const override { return "Thandlermodule_list_cpinvoicing"; }
    // Form Tform_page_list_cpinvoicing, record tparams_null.
    static const thandler_class& handler_class();

    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;
    int32_t line_count() const override { return static_cast<int32_t>(flist_lines.size()); }

    std::vector<trecord_account> flist_lines;

protected:
    void load_lines() override;
    int16_t get_open_pageno() const override { return pageno_account; }
    int32_t get_line_id(int32_t arow) const override { return flist_lines[static_cast<size_t>(arow)].faccount; }
    std::u16string get_header_caption(int32_t acol) const override;
};
