// The control container of every page: it owns the page's panels, viewports, controls, themes
// and misc objects by tag, loads them in two stages, answers lookups, moves the focus, lays the
// page out, and dispatches drawing, keys and mouse to renderers and controllers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/container_controls_generic.h"
#include "controls/controls_iterators.h"
#include "controls/geometry.h"
#include "controls/miscobject.h"
#include "controls/panel.h"
#include "controls/tag_box.h"
#include "controls/theme.h"
#include "controls/viewport.h"
#include "values/valueelement_generic.h"

class icontrols_owner;
class tvalidator_generic;

class tcontainer_controls2 : public tcontainer_controls_generic {
public:
    explicit tcontainer_controls2(icontrols_owner* aowner);
    ~tcontainer_controls2() override;
    const char* class_name() const override { return "tcontainer_controls2"; }

    tvelmor_control* get_control(int32_t atag) override;
    tvelmor_panel* get_panel(int32_t atag) override;
    void get_viewport(int32_t atag, trect& arect) override;
    tvelmor_theme* get_theme(const tvelmor_control* acontrol) override;
    tvelmor_theme* get_theme(int32_t atag) override;
    tvelmor_theme* get_theme_by_tag(int32_t atag_theme) override;
    tvalueelement_generic* get_value(int32_t atag) override;
    tvelmor_miscobject* get_miscobject(int32_t atag) override;
    tvelmor_focus_order can_get_next_focus_panel(int32_t& atag_next, int32_t atag) override;
    void add_control(std::unique_ptr<tvelmor_control> acontrol) override;
    void add_element(std::unique_ptr<tvelmor_object> aobject) override;
    void add_value(std::unique_ptr<tvalueelement_generic> avalue) override;
    void add_miscobject(std::unique_ptr<tvelmor_miscobject> amiscobject) override;
    void finish_adds(int32_t astageno) override;
    bool handle_mousedown(tcanvas& acanvas, int32_t& afont_tag, tmouse_button abutton, tshift_state ashift,
                          int32_t ax, int32_t ay, bool as_mouseup) override;
    bool handle_mousemove(tcanvas& acanvas, int32_t& afont_tag, tshift_state ashift, int32_t ax,
                          int32_t ay) override;
    std::unique_ptr<icontrols_iterator> create_interface_iterate(int32_t ainterfaceno, int32_t atag_panel,
                                                                 tvelmor_control_types acontrol_types,
                                                                 tvelmor_iterate_options aoptions = {}) override;
    std::unique_ptr<icontrols_iterator> create_interface(int32_t ainterfaceno) override;
    void set_viewport_skip(int32_t atag, bool avalue) override;
    void recalculate_viewports_from(int32_t atag) override;
    void calculate_viewports(int32_t& afont_tag, tcanvas& acanvas, const trect& arect) override;
    bool set_align_value(int32_t atag, tparams_align aparam, int32_t avalue) override;
    void get_panel_viewport(int32_t atag, trect& arect) override;
    void update_header_controls(int32_t aheader, int32_t atag) override;
    void draw_panel_controls(tcanvas& acanvas, int32_t& afont_tag, int32_t atag_panel) override;
    void draw_controls(tcanvas& acanvas, int32_t& afont_tag) override;
    void draw_controls(tcanvas& acanvas, int32_t& afont_tag, icontrols_iterator& alist_controls) override;
    void show_debug101() override;
    void save_to_file(const std::string& afilename) override;

    void draw_control(tcanvas& acanvas, int32_t& afont_tag, tvelmor_control* acontrol) override;
    void draw_control(tcanvas& acanvas, int32_t& afont_tag, int32_t atag) override;
    bool send_key(int32_t atag, tcanvas& acanvas, int32_t& afont_tag, bool as_readonly, uint16_t akey,
                  tshift_state ashift, bool as_keyup) override;
    bool send_character(int32_t atag, tcanvas& acanvas, int32_t& afont_tag, bool as_readonly, char16_t ach) override;
    tvelmor_focus_order can_get_next_focus(int32_t& atag_next, int32_t atag) override;
    bool can_get_prior_focus(int32_t& atag_next, int32_t atag) override;
    bool focus_control(int32_t atag, bool avalue) override;
    bool execute_control_service(void* aparams, tcontrol_service aservice, int32_t atag) override;
    void draw_control_specific(tcanvas& acanvas, int32_t& afont_tag, int32_t atag, tdraw_type adraw_type,
                               int32_t avalue) override;
    void themes_exchange(int32_t atag1, int32_t atag2) override;

    // The whole dump of show_debug101 and save_to_file.
    std::string get_debug_text() const;

    icontrols_owner* owner;
    ttag_box<tvelmor_panel> box_panels;
    ttag_box<tvelmor_viewport2> box_viewports;
    tcontrol_boxes box_controls;
    ttag_box<tvelmor_theme> box_themes;
    ttag_box<tvalueelement_generic> box_values;
    ttag_box<tvelmor_miscobject> box_miscobjects;
    tvelmor_iterate_panels iterate_panels;  // for handlers; the container walks with its own
    int32_t mintag_viewport = -1;
    int32_t mintag_control = -1;

private:
    void finish_stage1();
    void finish_stage2();
    void check_tag_ranges() const;
    // The panel tag whose hundred holds a control tag (no check that the panel exists).
    int32_t panel_tag_of(int32_t atag) const;
    // The panel and every panel above it are visible (true for a tag that is no panel).
    bool is_panel_shown(int32_t atag_panel) const;
    tvelmor_viewport2* viewport_of(int32_t atag, const char* aoperation);
    tvelmor_theme* find_theme(const tvelmor_control& acontrol) const;
    trect rect_of(int32_t atag);
    // The validator of field afieldno of misc object aheader; none without a header.
    tvalidator_generic* validator_of(int32_t aheader, int16_t afieldno);
    void draw_control_tagged(tcanvas& acanvas, int32_t& afont_tag, tvelmor_control* acontrol, int32_t atag);
    void draw_themed(tcanvas& acanvas, int32_t& afont_tag, tvelmor_control& acontrol);
    void adapt_to_layout(int32_t& afont_tag, tcanvas& acanvas);
    bool service_grid_rowcount(void* aparams, int32_t atag);
    bool service_next_focus(void* aparams, int32_t atag);
    bool offer_mousedown(tcanvas& acanvas, int32_t& afont_tag, tvelmor_control& acontrol, int32_t ax, int32_t ay,
                         bool as_mouseup);
    // Calls afunction for every control of every panel, in panel tag order.
    template <typename F>
    void for_each_control(F afunction) {
        box_controls.for_each([&](tcontrol_box* box) { box->for_each(afunction); });
    }
};
