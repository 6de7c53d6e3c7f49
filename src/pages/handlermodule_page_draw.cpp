// The drawing helpers of Thandlermodule_page: panels, viewports and their erasing.
#include "controls/canvas.h"
#include "pages/handlermodule_page.h"

trect deflate_rect(const trect& arect, int32_t adeflate) {
    const int32_t amount = adeflate & 0xFF;
    if (amount == 0) return arect;
    const int32_t flags = (adeflate >> 8) & 0xFF;
    trect r = arect;
    if (flags & 0x01) r.left += amount;
    if (flags & 0x02) r.top += amount;
    if (flags & 0x04) r.right -= amount;
    if (flags & 0x08) r.bottom -= amount;
    if (flags & 0x10) r.left -= amount;
    if (flags & 0x20) r.top -= amount;
    if (flags & 0x40) r.right += amount;
    if (flags & 0x80) r.bottom += amount;
    return r;
}

namespace {
void fill_background(tcanvas& acanvas, const trect& arect) {
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(color_page_background);
    acanvas.fill_rect(arect);
}
}  // namespace

void Thandlermodule_page::draw_panel(int32_t atag_panel) {
    fcontrols->draw_panel_controls(canvas(), fgraphbox->ffont_tag, atag_panel);
}

void Thandlermodule_page::draw_controls(icontrols_iterator& alist_controls) {
    fcontrols->draw_controls(canvas(), fgraphbox->ffont_tag, alist_controls);
}

void Thandlermodule_page::invalidate_panel(int32_t atag) {
    trect r;
    fcontrols->get_panel_viewport(atag, r);
    fgraphbox->invalidate_rect(r);
}

void Thandlermodule_page::invalidate_viewport(int32_t atag, int32_t adeflate) {
    trect r;
    fcontrols->get_viewport(atag, r);
    fgraphbox->invalidate_rect(deflate_rect(r, adeflate));
}

void Thandlermodule_page::erase_viewport(int32_t atag, int32_t adeflate) {
    trect r;
    fcontrols->get_viewport(atag, r);
    r = deflate_rect(r, adeflate);
    // The viewport's own right and bottom lines belong to it as well.
    r.right += 1;
    r.bottom += 1;
    fill_background(canvas(), r);
}

void Thandlermodule_page::erase_panel(int32_t atag, int32_t aparam) {
    trect r;
    fcontrols->get_panel_viewport(atag, r);
    if (aparam == 0) {
        r.left += 1;
    } else if (aparam == 1) {
        r.right += 1;
        r.bottom += 1;
    }
    fill_background(canvas(), r);
}
