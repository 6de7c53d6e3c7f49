// How a unit invoice looks: the texts of its figures, one invoice line in its sub-columns, and
// the whole invoice as an A4 page. The unit invoice page draws its grid rows and the PDF its
// pages with these, so the screen and the document show the same figures the same way.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "controls/canvas.h"
#include "property/invoice_cpunit.h"

// What the document shows besides the lines.
struct tinvoice_document {
    std::u16string ffirm;
    // 0 before posting: the document is a draft.
    int32_t finvoice_no = 0;
    tinvoice_unit funit;
    std::vector<tline_invoice> flines;
};

class tinvoice_cpunit_draw {
public:
    static constexpr const char* class_name() { return "tinvoice_cpunit_draw"; }
    using twidths = std::array<int32_t, 6>;
    // Description, quantity, quantity unit, price, price unit, line total.
    static constexpr twidths screen_widths{400, 120, 60, 130, 70, 150};

    // An eight-decimal amount in currency form with two decimals ("1,234.50").
    static std::u16string money(int64_t aamount8);
    // A price: at least two decimals, up to four.
    static std::u16string price(int64_t aamount8);
    // A quantity as a plain decimal of at most eight places.
    static std::u16string quantity(int64_t aqty8);
    // A meter's status on the invoice: "No Records", "FIRST READING: DD/MM/YYYY, units" or
    // "n Days, n Units"; raises for another status.
    static std::u16string meter_text(const tinvoice_meter& ameter);

    // The line in the rectangle, in the current text colour and brush: item lines in the six
    // sub-columns, headings and spacers as their description, totals as description and amount.
    static void draw_line(tcanvas& acanvas, const trect& arect, const tline_invoice& aline, const twidths& awidths);

    // The pages the document needs, and page apage of it on an A4 canvas of asize pixels.
    static int32_t page_count(const tinvoice_document& adocument);
    static void draw_page(tcanvas& acanvas, tsize asize, const tinvoice_document& adocument, int32_t apage);
};
