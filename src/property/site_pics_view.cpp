#include "property/site_pics_view.h"

#include <algorithm>

#include "controls/picture_fit.h"
#include "controls/procs_drawing.h"
#include "procs/message_format.h"
#include "property/jpeg_picture.h"
#include "property/procs_site_pics.h"

namespace {

constexpr tcolor color_btnface = system_color(15);
constexpr int32_t font_add_pics = 12 + 256 * 101;  // tahoma;12

void fill(tcanvas& acanvas, const trect& arect, tcolor acolor) {
    if (arect.right <= arect.left || arect.bottom <= arect.top) return;
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(acolor);
    acanvas.fill_rect(arect);
}

}  // namespace

void tsite_pics_view::set_pics(int64_t apics) {
    fpics_value = apics;
    fpic_no = tprocs_site_pics::count(apics) > 0 ? 1 : -1;
    fimage_loaded = false;
}

std::u16string tsite_pics_view::counter_text() const {
    if (fpic_no < 1) return {};
    return utf8_to_utf16(std::to_string(fpic_no) + " of " + std::to_string(tprocs_site_pics::count(fpics_value)));
}

bool tsite_pics_view::move(int32_t adelta) {
    const int32_t target = fpic_no + adelta;
    if (fpic_no < 1 || target < 1 || target > tprocs_site_pics::count(fpics_value)) return false;
    fpic_no = static_cast<int16_t>(target);
    fimage_loaded = false;
    return true;
}

uint16_t tsite_pics_view::pic_number() const { return fpic_no < 1 ? 0 : tprocs_site_pics::number(fpics_value, fpic_no); }

void tsite_pics_view::load_image() {
    fimage_error.clear();
    const std::string path = tprocs_site_pics::folder() + tprocs_site_pics::file_name(pic_number());
    if (!tjpeg_picture::load_file(path, fimage, fimage_error) && fimage_error.empty()) fimage_error = "unknown";
    fimage_loaded = true;
}

void tsite_pics_view::paint(tcanvas& acanvas, int32_t& afont_tag, const trect& aarea) {
    if (fpic_no < 1) return paint_empty(acanvas, afont_tag, aarea);
    if (!fimage_loaded) load_image();
    if (!fimage_error.empty()) return paint_failed(acanvas, afont_tag, aarea);
    const tsize fit = picture_fit_size({aarea.width(), aarea.height()}, {fimage.width, fimage.height});
    // The +1 of the fit may pass the area by a pixel: the picture stays inside it.
    const trect drawn{aarea.left, aarea.top, aarea.left + std::min(fit.cx, aarea.width()),
                      aarea.top + std::min(fit.cy, aarea.height())};
    acanvas.stretch_bitmap(drawn, fimage);
    fill(acanvas, {drawn.right, aarea.top, aarea.right, aarea.bottom}, color_btnface);
    fill(acanvas, {aarea.left, drawn.bottom, drawn.right, aarea.bottom}, color_btnface);
}

void tsite_pics_view::paint_empty(tcanvas& acanvas, int32_t& afont_tag, const trect& aarea) const {
    fill(acanvas, aarea, color_btnface);
    tprocs_font::set_font(acanvas, afont_tag, font_add_pics);
    acanvas.set_brush_style(tbrush_style::bs_clear);
    acanvas.set_text_color(color_black);
    acanvas.set_text_align(ttext_halign::left, ttext_valign::bottom);
    acanvas.text_out((aarea.left + aarea.right) / 2 - 100, aarea.top + 90, u"Add Pics");
    acanvas.set_brush_style(tbrush_style::bs_solid);
    acanvas.set_brush_color(color_black);
    acanvas.frame_rect({aarea.left + 100, aarea.top + 20, aarea.right - 200, aarea.top + 220});
}

void tsite_pics_view::paint_failed(tcanvas& acanvas, int32_t& afont_tag, const trect& aarea) const {
    fill(acanvas, aarea, color_btnface);
    const trect frame{aarea.left + 20, aarea.top + 20, aarea.right - 20, std::min(aarea.bottom - 20, aarea.top + 220)};
    acanvas.set_brush_color(color_black);
    acanvas.frame_rect(frame);
    tprocs_font::set_font(acanvas, afont_tag, font_add_pics);
    acanvas.set_brush_style(tbrush_style::bs_clear);
    acanvas.set_text_color(color_black);
    acanvas.set_text_align(ttext_halign::centre, ttext_valign::bottom);
    const int32_t centre = (frame.left + frame.right) / 2;
    acanvas.text_rect(frame, centre, (frame.top + frame.bottom) / 2, u"Picture cannot be shown");
    acanvas.text_rect(frame, centre, (frame.top + frame.bottom) / 2 + 24,
                      utf8_to_utf16(tprocs_site_pics::file_name(pic_number())));
}
