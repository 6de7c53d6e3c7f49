// What the site pictures pages show (the pictures page and the pictures tab of the site
// edit-list): the site's pics value, the picture shown with its counter, and the painting of
// the picture area. The decoded picture is kept until another picture is shown.
#pragma once

#include <cstdint>
#include <string>

#include "controls/canvas.h"
#include "controls/geometry.h"

class tsite_pics_view {
public:
    static constexpr const char* class_name() { return "tsite_pics_view"; }
    static constexpr const char16_t* delete_question = u"Delete PIC ?    ( Y / N )";

    // A new pics value: back to picture 1 (-1 without pictures), nothing decoded yet.
    void set_pics(int64_t apics);
    // "%d of %d", or empty without pictures.
    std::u16string counter_text() const;
    // Shows the picture adelta away (-1 previous, +1 next); false when there is none.
    bool move(int32_t adelta);
    // The number of the picture shown; 0 when none.
    uint16_t pic_number() const;

    // The area with the picture scaled into it from the top-left corner (proportions kept), or
    // the "Add Pics" frame without pictures, or a framed "Picture cannot be shown" for a file
    // that is missing or cannot be decoded. afont_tag is the surface's font cell.
    void paint(tcanvas& acanvas, int32_t& afont_tag, const trect& aarea);

    int64_t fpics_value = 0;
    int16_t fpic_no = -1;
    tbitmap fimage;
    bool fimage_loaded = false;
    // Why the picture shown cannot be decoded; empty when it can.
    std::string fimage_error;

private:
    void load_image();
    void paint_empty(tcanvas& acanvas, int32_t& afont_tag, const trect& aarea) const;
    void paint_failed(tcanvas& acanvas, int32_t& afont_tag, const trect& aarea) const;
};
