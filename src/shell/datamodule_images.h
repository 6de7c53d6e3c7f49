// The shared icon store: nine icon sets addressed by number, drawn on a canvas by icon number.
// The pictures are drawn by the program itself at start-up (simple line art), so no image files
// are needed.
#pragma once

#include <QImage>
#include <map>
#include <utility>

#include "shell/qt_canvas.h"

class Tdatamodule_images : public ticon_source {
public:
    // Width and height of the icons of a set; (0, 0) for a number outside 0-8.
    static QSize icon_size(int32_t aicon_set);

    // Icon aicon of set aicon_set with its top-left corner at (aleft, atop); only set 2 is
    // greyed when not enabled; a set outside 0-8 draws nothing.
    void draw_icon(tcanvas& acanvas, int32_t aicon_set, int32_t aleft, int32_t atop, int32_t aicon, bool aenabled) const {
        acanvas.draw_icon(aicon_set, aleft, atop, aicon, aenabled);
    }

    const QImage* get_icon(int32_t aicon_set, int32_t aicon) const override;

private:
    QImage make_icon(int32_t aicon_set, int32_t aicon) const;

    mutable std::map<std::pair<int32_t, int32_t>, QImage> fcache;
};
