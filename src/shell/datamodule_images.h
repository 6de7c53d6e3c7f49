// The shared icon store: nine icon sets addressed by number, drawn on a canvas by icon number.
// The pictures are PNGs drawn by the icon maker at build time and embedded into the program.
#pragma once

#include <QImage>
#include <cstddef>
#include <map>
#include <span>
#include <utility>

#include "shell/qt_canvas.h"

// One embedded icon picture (PNG bytes), as the build generates them.
struct tembedded_icon {
    int32_t icon_set;
    int32_t icon;
    const unsigned char* data;
    std::size_t size;
};

// Every icon built into the program, ordered by set and number.
std::span<const tembedded_icon> embedded_icons();

class Tdatamodule_images : public ticon_source {
public:
    Tdatamodule_images();

    // Width and height of the icons of a set; (0, 0) for a number outside 0-8.
    static QSize icon_size(int32_t aicon_set);

    // Icon aicon of set aicon_set with its top-left corner at (aleft, atop); only set 2 is
    // greyed when not enabled; a set outside 0-8, or an icon the set does not hold, draws nothing.
    void draw_icon(tcanvas& acanvas, int32_t aicon_set, int32_t aleft, int32_t atop, int32_t aicon, bool aenabled) const {
        acanvas.draw_icon(aicon_set, aleft, atop, aicon, aenabled);
    }

    // The picture, decoded on first use and kept; nullptr for an icon the set does not hold.
    const QImage* get_icon(int32_t aicon_set, int32_t aicon) const override;

private:
    std::map<std::pair<int32_t, int32_t>, const tembedded_icon*> findex;
    mutable std::map<std::pair<int32_t, int32_t>, QImage> fdecoded;
};
