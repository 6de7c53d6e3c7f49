// The surface adapter over one of the main window's panels: what the page framework draws
// through and asks for the panel's size, visibility and repaints.
#pragma once

#include "controls/surface.h"

class torv_panel;

class tgraphbox_panel : public tgraphbox_generic {
public:
    explicit tgraphbox_panel(torv_panel* apanel) : fpanel(apanel) {}
    const char* class_name() const override { return "tgraphbox_panel"; }

    tcanvas* get_canvas() override;
    trect get_clientrect() override;
    bool get_visible() override;
    void set_visible(bool avalue) override;
    int64_t get_windowhandle() override;
    void invalidate() override;
    void invalidate_rect(const trect& arect) override;
    void setbounds(bool& asize_changed, const trect& avalue) override;
    void post_resize() override;
    int32_t get_tag() override;
    void show_debug101() override {}

    torv_panel* panel() const { return fpanel; }

private:
    torv_panel* fpanel;  // not owned
};
