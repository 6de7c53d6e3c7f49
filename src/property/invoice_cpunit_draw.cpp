#include "property/invoice_cpunit_draw.h"

#include <algorithm>

#include "procs/message_format.h"
#include "procs/procs_daycount.h"
#include "procs/procs_text_number.h"
#include "procs/velmor_exception.h"

namespace {

using tnumber_text = tprocs_text_number<char16_t>;

constexpr tinvoice_cpunit_draw::twidths document_widths{250, 90, 45, 95, 60, 110};
constexpr int32_t document_margin = 48;
constexpr int32_t document_row = 22;
constexpr int32_t document_number_width = 40;
constexpr int32_t document_header_height = 215;
constexpr int32_t document_footer_height = 90;

std::u16string text(const std::string& aascii) { return utf8_to_utf16(aascii); }

// Text with its reference point at the right or left of a cell, 4 above its bottom.
void cell_text(tcanvas& acanvas, const trect& acell, const std::u16string& atext, bool aright, int32_t aindent) {
    acanvas.set_text_align(aright ? ttext_halign::right : ttext_halign::left, ttext_valign::bottom);
    acanvas.text_rect(acell, aright ? acell.right - aindent : acell.left + aindent, acell.bottom - 4, atext);
}

int32_t rows_per_page(tsize asize) {
    return std::max(1, (asize.cy - 2 * document_margin - document_header_height - document_footer_height) / document_row);
}

void draw_caption_row(tcanvas& acanvas, int32_t ax, int32_t ay, const std::u16string& acaption,
                      const std::u16string& avalue) {
    acanvas.set_font("arial", 10, true);
    cell_text(acanvas, {ax, ay, ax + 90, ay + document_row}, acaption, true, 4);
    acanvas.set_font("arial", 10, false);
    cell_text(acanvas, {ax + 90, ay, ax + 690, ay + document_row}, avalue, false, 6);
}

void draw_document_header(tcanvas& acanvas, tsize asize, const tinvoice_document& adocument, int32_t apage) {
    const int32_t left = document_margin, right = asize.cx - document_margin;
    int32_t y = document_margin;
    acanvas.set_font("arial", 16, true);
    cell_text(acanvas, {left, y, right - 250, y + 34}, adocument.ffirm, false, 0);
    cell_text(acanvas, {right - 250, y, right, y + 34},
              adocument.finvoice_no > 0 ? text("Invoice " + std::to_string(adocument.finvoice_no)) : u"DRAFT", true, 0);
    y += 40;
    acanvas.set_font("arial", 10, false);
    cell_text(acanvas, {right - 250, y, right, y + document_row},
              text("Page " + std::to_string(apage + 1) + " of " + std::to_string(tinvoice_cpunit_draw::page_count(adocument))),
              true, 0);
    y += 34;
    const tinvoice_unit& u = adocument.funit;
    const std::pair<const char16_t*, std::u16string> rows[] = {
        {u"Account:", u.faccount1},
        {u"Site:", u.fsite1},
        {u"Unit:", u.funit2},
        {u"Water:", tinvoice_cpunit_draw::meter_text(u.fmeters[0])},
        {u"Power:", tinvoice_cpunit_draw::meter_text(u.fmeters[1])}};
    for (const auto& [caption, value] : rows) {
        draw_caption_row(acanvas, left, y, caption, value);
        y += document_row;
    }
    acanvas.set_brush_color(color_black);
    acanvas.fill_rect({left, document_margin + document_header_height - 8, right, document_margin + document_header_height - 7});
    acanvas.set_brush_color(color_white);
}

}  // namespace

std::u16string tinvoice_cpunit_draw::money(int64_t aamount8) {
    return tnumber_text::currency_to_str(tcurrency(aamount8 / 10000), 2, {ff_commas});
}

std::u16string tinvoice_cpunit_draw::price(int64_t aamount8) {
    return tnumber_text::currency_to_str(tcurrency(aamount8 / 10000), 2, {});
}

std::u16string tinvoice_cpunit_draw::quantity(int64_t aqty8) {
    if (aqty8 < 0) return u"-" + tnumber_text::decimal_to_str(-aqty8, 18, 8);
    return tnumber_text::decimal_to_str(aqty8, 18, 8);
}

std::u16string tinvoice_cpunit_draw::meter_text(const tinvoice_meter& ameter) {
    switch (ameter.fstatus) {
        case 0: return u"No Records";
        case 1:
            return utf8_to_utf16(tprocs_message::format(
                "FIRST READING: %s, %d", {tprocs_daycount::to_text(std::string_view("DD/MM/YYYY"), ameter.fdate_this_reading),
                                          ameter.funits}));
        case 2: return utf8_to_utf16(tprocs_message::format("%d Days, %d Units", {ameter.fdays, ameter.funits}));
        default:
            throw tvelmor_exception("Invalid Water Status[%d] in %s.run_task();", ameter.fstatus,
                                    "thandlermodule_show_cpinvoice2");
    }
}

void tinvoice_cpunit_draw::draw_line(tcanvas& acanvas, const trect& arect, const tline_invoice& aline,
                                     const twidths& awidths) {
    if (aline.fline_type == lt_item) {
        const std::u16string texts[6] = {aline.fdescription,        quantity(aline.fqty), aline.fdenote_units_qty,
                                         price(aline.fprice),       aline.fdenote_units_price,
                                         money(aline.fline_total2)};
        const bool right[6] = {false, true, false, true, false, true};
        int32_t x = arect.left;
        for (size_t i = 0; i < 6; ++i) {
            const trect cell{x, arect.top, std::min(x + awidths[i], arect.right), arect.bottom};
            cell_text(acanvas, cell, texts[i], right[i], 4);
            x += awidths[i];
        }
        return;
    }
    if (aline.fline_type == lt_total) {
        int32_t description_width = 0;
        for (size_t i = 0; i + 1 < awidths.size(); ++i) description_width += awidths[i];
        const int32_t split = std::min(arect.left + description_width, arect.right);
        cell_text(acanvas, {arect.left, arect.top, split, arect.bottom}, aline.fdescription, true, 8);
        cell_text(acanvas, {split, arect.top, std::min(split + awidths[5], arect.right), arect.bottom},
                  money(aline.fline_total2), true, 4);
        return;
    }
    cell_text(acanvas, arect, aline.fdescription, false, 4);
}

int32_t tinvoice_cpunit_draw::page_count(const tinvoice_document& adocument) {
    const int32_t rows = rows_per_page({794, 1123});
    return std::max<int32_t>(1, (static_cast<int32_t>(adocument.flines.size()) + rows - 1) / rows);
}

void tinvoice_cpunit_draw::draw_page(tcanvas& acanvas, tsize asize, const tinvoice_document& adocument, int32_t apage) {
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(color_white);
    acanvas.fill_rect({0, 0, asize.cx, asize.cy});
    acanvas.set_text_color(color_black);
    draw_document_header(acanvas, asize, adocument, apage);
    const int32_t left = document_margin, right = asize.cx - document_margin;
    const int32_t per_page = rows_per_page(asize);
    const size_t first = static_cast<size_t>(apage) * static_cast<size_t>(per_page);
    int32_t y = document_margin + document_header_height;
    acanvas.set_font("arial", 9, false);
    for (size_t i = first; i < adocument.flines.size() && i < first + static_cast<size_t>(per_page); ++i) {
        const tline_invoice& line = adocument.flines[i];
        acanvas.set_font("arial", 9, line.fline_type == lt_heading || (line.fline_type == lt_total && !line.fis_gst));
        cell_text(acanvas, {left, y, left + document_number_width, y + document_row}, text(std::to_string(i + 1)), true,
                  6);
        draw_line(acanvas, {left + document_number_width, y, right, y + document_row}, line, document_widths);
        y += document_row;
    }
    if (apage + 1 < page_count(adocument)) return;
    y += 10;
    acanvas.set_brush_color(color_black);
    acanvas.fill_rect({right - 300, y, right, y + 1});
    acanvas.set_brush_color(color_white);
    acanvas.set_font("arial", 11, true);
    tline_invoice total;
    total.fline_type = lt_total;
    total.fdescription = u"TOTAL";
    total.fline_total2 = tinvoice_cpunit::total_due(adocument.flines);
    draw_line(acanvas, {left + document_number_width, y + 4, right, y + 4 + 26}, total, document_widths);
    acanvas.set_font("arial", 9, false);
    tline_invoice gst;
    gst.fline_type = lt_total;
    gst.fdescription = u"Total GST";
    gst.fline_total2 = tinvoice_cpunit::total_gst(adocument.flines);
    draw_line(acanvas, {left + document_number_width, y + 30, right, y + 30 + document_row}, gst, document_widths);
}
