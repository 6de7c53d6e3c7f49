#include "controls/recording_canvas.h"

#include <cmath>

#include "procs/message_format.h"

namespace {

std::string color_text(tcolor acolor) {
    if ((acolor >> 24) == 0xFF) return "sys" + std::to_string(acolor & 0xFF);
    return std::to_string(acolor);
}

std::string rect_text(const trect& arect) {
    return std::to_string(arect.left) + " " + std::to_string(arect.top) + " " +
           std::to_string(arect.right) + " " + std::to_string(arect.bottom);
}

std::string points_text(const std::vector<tpoint>& apoints) {
    std::string s;
    for (const tpoint& p : apoints) {
        s += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    }
    return s;
}

std::string quoted(const std::u16string& atext) { return "\"" + utf16_to_utf8(atext) + "\""; }

}  // namespace

void trecording_canvas::set_brush_color(tcolor acolor) {
    fbrush_color = acolor;
    add("brush_color " + color_text(acolor));
}

void trecording_canvas::set_brush_style(tbrush_style astyle) {
    fbrush_style = astyle;
    add(astyle == tbrush_style::bs_solid ? "brush_style solid" : "brush_style clear");
}

void trecording_canvas::set_pen_color(tcolor acolor) {
    fpen_color = acolor;
    add("pen_color " + color_text(acolor));
}

void trecording_canvas::set_pen_width(int32_t awidth) {
    fpen_width = awidth;
    add("pen_width " + std::to_string(awidth));
}

void trecording_canvas::set_pen_style(tpen_style astyle) {
    static const char* const names[] = {"solid", "dash", "dot", "clear"};
    add(std::string("pen_style ") + names[static_cast<int>(astyle)]);
}

void trecording_canvas::set_pen_mode(tpen_mode amode) {
    static const char* const names[] = {"copy", "xor", "not"};
    add(std::string("pen_mode ") + names[static_cast<int>(amode)]);
}

void trecording_canvas::fill_rect(const trect& arect) { add("fill_rect " + rect_text(arect)); }
void trecording_canvas::frame_rect(const trect& arect) { add("frame_rect " + rect_text(arect)); }
void trecording_canvas::rectangle(const trect& arect) { add("rectangle " + rect_text(arect)); }

void trecording_canvas::move_to(int32_t ax, int32_t ay) {
    add("move_to " + std::to_string(ax) + " " + std::to_string(ay));
}

void trecording_canvas::line_to(int32_t ax, int32_t ay) {
    add("line_to " + std::to_string(ax) + " " + std::to_string(ay));
}

void trecording_canvas::polyline(const std::vector<tpoint>& apoints) {
    add("polyline" + points_text(apoints));
}

void trecording_canvas::polygon(const std::vector<tpoint>& apoints) {
    add("polygon" + points_text(apoints));
}

void trecording_canvas::set_text_color(tcolor acolor) { add("text_color " + color_text(acolor)); }

void trecording_canvas::set_text_align(ttext_halign ahorizontal, ttext_valign avertical) {
    static const char* const vertical[] = {"top", "bottom", "baseline"};
    static const char* const horizontal[] = {"left", "right", "centre"};
    add(std::string("text_align ") + vertical[static_cast<int>(avertical)] + "-" +
        horizontal[static_cast<int>(ahorizontal)]);
}

void trecording_canvas::set_font(const std::string& aface, int32_t asize_points, bool abold) {
    fpixel_size = static_cast<int32_t>(std::lround(asize_points * 96.0 / 72.0));
    add("font " + aface + " " + std::to_string(asize_points) + (abold ? " bold" : ""));
}

void trecording_canvas::text_rect(const trect& aclip, int32_t ax, int32_t ay, const std::u16string& atext) {
    add("text_rect " + rect_text(aclip) + " at " + std::to_string(ax) + " " + std::to_string(ay) + " " +
        quoted(atext));
}

void trecording_canvas::text_out(int32_t ax, int32_t ay, const std::u16string& atext) {
    add("text_out " + std::to_string(ax) + " " + std::to_string(ay) + " " + quoted(atext));
}

tsize trecording_canvas::text_extent(const std::u16string& atext) {
    int32_t char_width = fpixel_size / 2 > 0 ? fpixel_size / 2 : 1;
    return {static_cast<int32_t>(atext.size()) * char_width, fpixel_size + fpixel_size / 4};
}

void trecording_canvas::draw_bitmap(int32_t ax, int32_t ay, const tbitmap& abitmap) {
    add("bitmap " + std::to_string(ax) + " " + std::to_string(ay) + " " + std::to_string(abitmap.width) +
        "x" + std::to_string(abitmap.height));
}

void trecording_canvas::stretch_bitmap(const trect& arect, const tbitmap& abitmap) {
    add("stretch_bitmap " + rect_text(arect) + " " + std::to_string(abitmap.width) + "x" +
        std::to_string(abitmap.height));
}

void trecording_canvas::draw_icon(int32_t aicon_set, int32_t ax, int32_t ay, int32_t aicon, bool aenabled) {
    add("icon set " + std::to_string(aicon_set) + " #" + std::to_string(aicon) + " at " + std::to_string(ax) +
        " " + std::to_string(ay) + (aenabled ? "" : " disabled"));
}

trect trecording_canvas::draw_button_frame(const trect& arect, bool apushed) {
    add("button_frame " + rect_text(arect) + (apushed ? " pushed" : ""));
    return {arect.left + 2, arect.top + 2, arect.right - 2, arect.bottom - 2};
}

std::string trecording_canvas::text() const {
    std::string s;
    for (const std::string& line : flines) s += line + "\n";
    return s;
}
