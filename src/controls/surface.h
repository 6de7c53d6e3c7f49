// The drawing surface adapter the page framework draws through: one of the main window's four
// surfaces (main 101, header 102, footer 103, overlay 104). The shell implements it over a window
// surface; tests implement it over an image or a recording canvas.
#pragma once

#include <cstdint>

#include "controls/canvas.h"
#include "controls/geometry.h"
#include "procs/velmor_exception.h"

class tgraphbox_generic : public tvelmor_object {
public:
    const char* class_name() const override { return "tgraphbox_generic"; }

    virtual tcanvas* get_canvas() { not_implemented("get_canvas"); }
    // The client rectangle, (0, 0, width, height).
    virtual trect get_clientrect() { not_implemented("get_clientrect"); }
    virtual bool get_visible() { not_implemented("get_visible"); }
    virtual void set_visible(bool) { not_implemented("set_visible"); }
    // A stable identifier of the surface's window (for posted size messages and dumps).
    virtual int64_t get_windowhandle() { not_implemented("get_windowhandle"); }
    // Fill with the surface colour, have the occupying handler paint everything, then show it.
    virtual void invalidate() { not_implemented("invalidate"); }
    // The same for one rectangle of the surface, later, as a paint of that area.
    virtual void invalidate_rect(const trect&) { not_implemented("invalidate_rect"); }
    // Moves and sizes the surface (in its parent's coordinates); asize_changed reports whether
    // the new width or height differs from the old client width or height.
    virtual void setbounds(bool& /*asize_changed*/, const trect&) { not_implemented("setbounds"); }
    // Has the surface's resize handling run later, as if its size had changed.
    virtual void post_resize() { not_implemented("post_resize"); }
    // The surface's tag: 101 main, 102 header, 103 footer, 104 overlay.
    virtual int32_t get_tag() { not_implemented("get_tag"); }
    virtual void show_debug101() { not_implemented("show_debug101"); }

    // Code of the font last selected into this surface's canvas (see tprocs_font.set_font).
    int32_t ffont_tag = 0;

private:
    [[noreturn]] void not_implemented(const char* aoperation) const {
        throw tvelmor_exception("%s.%s(); not implemented.", class_name(), aoperation);
    }
};

// The name the platform layer uses for the same interface.
using tsurface = tgraphbox_generic;
