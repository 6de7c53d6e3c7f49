// A PDF document of A4 pages behind the drawing interface: each page is drawn by the system's
// own drawing code on a tcanvas whose pixels are 1/96 inch, and the text stays text (searchable
// and copyable). Written to a temporary name beside the target and renamed when complete, so a
// failed write never leaves a partial file under the target's name.
#pragma once

#include <functional>
#include <string>

#include "controls/canvas.h"

class tpdf_writer {
public:
    static constexpr const char* class_name() { return "tpdf_writer"; }
    // An A4 page at 96 pixels per inch.
    static constexpr tsize page_size{794, 1123};

    // Raises "Could not write the PDF file "%s"." when the file cannot be written.
    static void write_a4(const std::string& afilename, int32_t apage_count,
                         const std::function<void(tcanvas& acanvas, tsize asize, int32_t apage)>& adraw_page);
};
