// The drawing surface every renderer writes to. It follows the classic desktop drawing semantics
// (see docs/shell.md): fills cover left..right-1, frames lie inside, lines leave their end pixel,
// text reference points sit at the bottom of the text cell.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/geometry.h"

// Red in the low byte, then green, then blue. A high byte of 255 names a system colour by number.
using tcolor = uint32_t;

constexpr tcolor rgb_color(uint8_t ared, uint8_t agreen, uint8_t ablue) {
    return static_cast<tcolor>(ared) | (static_cast<tcolor>(agreen) << 8) |
           (static_cast<tcolor>(ablue) << 16);
}
constexpr tcolor system_color(uint8_t anumber) { return 0xFF000000u | anumber; }

// The classic 3-D palette behind system colours; any other number maps to the button face.
constexpr tcolor resolve_color(tcolor acolor) {
    if ((acolor >> 24) != 0xFF) return acolor & 0x00FFFFFFu;
    switch (acolor & 0xFF) {
        case 6: return rgb_color(0, 0, 0);
        case 16: return rgb_color(128, 128, 128);
        case 20: return rgb_color(255, 255, 255);
        case 21: return rgb_color(64, 64, 64);
        default: return rgb_color(212, 208, 200);
    }
}

constexpr tcolor color_black = 0;
constexpr tcolor color_white = 0xFFFFFF;
constexpr tcolor color_page_background = 13160660;  // red 212, green 208, blue 200

enum class tbrush_style : uint8_t { bs_solid, bs_clear };
enum class tpen_style : uint8_t { ps_solid, ps_dash, ps_dot, ps_clear };
// Copy paints the pen colour; xor and not combine with what is already there.
enum class tpen_mode : uint8_t { pm_copy, pm_xor, pm_not };

// Where a text's reference point lies: horizontally left, right or centre of the text; vertically
// the top or the bottom of the text cell, or the baseline.
enum class ttext_halign : uint8_t { left, right, centre };
enum class ttext_valign : uint8_t { top, bottom, baseline };

// A plain 32-bit picture (site pictures, intro letters). Pixels run row by row from the top-left
// corner, each a colour as above (high byte ignored).
struct tbitmap {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<tcolor> pixels;

    tcolor pixel(int32_t ax, int32_t ay) const { return pixels[static_cast<size_t>(ay) * width + ax]; }
};

class tcanvas {
public:
    virtual ~tcanvas() = default;

    // Brush: fills, clipped-text backgrounds, frames.
    virtual void set_brush_color(tcolor acolor) = 0;
    virtual void set_brush_style(tbrush_style astyle) = 0;
    virtual tcolor get_brush_color() const = 0;
    virtual tbrush_style get_brush_style() const = 0;

    // Pen: lines, rectangle and polygon outlines.
    virtual void set_pen_color(tcolor acolor) = 0;
    virtual void set_pen_width(int32_t awidth) = 0;
    virtual void set_pen_style(tpen_style astyle) = 0;
    virtual void set_pen_mode(tpen_mode amode) = 0;
    virtual tcolor get_pen_color() const = 0;
    virtual int32_t get_pen_width() const = 0;

    // Fills left..right-1 x top..bottom-1 with the brush (even a clear brush's colour).
    virtual void fill_rect(const trect& arect) = 0;
    // One pixel in the brush colour along the inside of the rectangle.
    virtual void frame_rect(const trect& arect) = 0;
    // Pen outline on the rectangle's inner edge, brush inside (nothing inside with a clear brush).
    virtual void rectangle(const trect& arect) = 0;

    // A line from the current position; the end pixel is not drawn and becomes the position.
    virtual void move_to(int32_t ax, int32_t ay) = 0;
    virtual void line_to(int32_t ax, int32_t ay) = 0;
    // A chain of line_to from the first point; the last point is not drawn.
    virtual void polyline(const std::vector<tpoint>& apoints) = 0;
    // Closed, filled with the brush, outlined with the pen.
    virtual void polygon(const std::vector<tpoint>& apoints) = 0;

    // Text. The reference point of text_rect and text_out follows the alignment.
    virtual void set_text_color(tcolor acolor) = 0;
    virtual void set_text_align(ttext_halign ahorizontal, ttext_valign avertical) = 0;
    // Face names are the system's lower-case names ("tahoma", "arial", "verdana", "courier new",
    // "opensymbol", "segoe ui semibold"); the size is in points.
    virtual void set_font(const std::string& aface, int32_t asize_points, bool abold) = 0;
    // Text at a reference point, clipped to the rectangle, whose background is first filled with
    // the brush when the brush is solid.
    virtual void text_rect(const trect& aclip, int32_t ax, int32_t ay, const std::u16string& atext) = 0;
    // Unclipped text; with a solid brush its text cell is filled with the brush first.
    virtual void text_out(int32_t ax, int32_t ay, const std::u16string& atext) = 0;
    // Width and height (ascent plus descent) of the text in the current font.
    virtual tsize text_extent(const std::u16string& atext) = 0;

    // A picture with its top-left corner at the point, or scaled into the rectangle.
    virtual void draw_bitmap(int32_t ax, int32_t ay, const tbitmap& abitmap) = 0;
    virtual void stretch_bitmap(const trect& arect, const tbitmap& abitmap) = 0;
    // Icon number aicon of an icon set of the icon store (sets 0-8; any other set draws nothing).
    // Only set 2 draws a greyed icon when not enabled.
    virtual void draw_icon(int32_t aicon_set, int32_t ax, int32_t ay, int32_t aicon, bool aenabled) = 0;

    // The platform's push-button frame in the rectangle, raised or pushed; returns the inside of
    // the frame, where the face content goes.
    virtual trect draw_button_frame(const trect& arect, bool apushed) = 0;
};
