#include "controls/procs_drawing.h"

#include "controls/font_code.h"

void tprocs_font::set_font(tcanvas& acanvas, int32_t& afont_tag, int32_t acode) {
    if (afont_tag == acode) return;
    acanvas.set_font(font_face_of_code(acode), font_size_of_code(acode), font_bold_of_code(acode));
    afont_tag = acode;
}
