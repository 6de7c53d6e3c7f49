// What the two invoicing run lists share: a framed one-row header grid over a grid of lines, the
// lines built when the page is first laid out (and afresh whenever the user comes back to it),
// Enter opening the page for the selected line with its id, Esc leaving.
#pragma once

#include <cstdint>
#include <string>

#include "pages/handlermodule_page.h"

class tvelmor_grid;

class Thandlermodule_list_cpinvoicing_generic : public Thandlermodule_page {
public:
    static constexpr int32_t tag_grid_header = 102;
    static constexpr int32_t tag_grid = 103;

    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_list_cpinvoicing_generic"; }

    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;

    tvelmor_grid& grid();
    virtual int32_t line_count() const = 0;

protected:
    void once_laid_out() override;
    // Builds the lines (or queues the tasks that do) on the first layout.
    virtual void load_lines() = 0;
    // The page Enter opens and the id it is given for line arow.
    virtual int16_t get_open_pageno() const = 0;
    virtual int32_t get_line_id(int32_t arow) const = 0;
    virtual std::u16string get_header_caption(int32_t acol) const = 0;
    // Paints a cell of the header grid with its caption; false for another control.
    bool paint_header(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow, int32_t acol);

private:
    void open_line();
};
