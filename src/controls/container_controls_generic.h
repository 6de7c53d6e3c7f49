// The abstract control container a handler module talks to: lookups by tag, loading, focus,
// drawing, keys and mouse. tcontainer_controls2 is the one implementation; this base raises a
// "not implemented" error from every operation it leaves open.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/control_types.h"
#include "controls/controls_iterator.h"
#include "procs/velmor_exception.h"

class tcanvas;
struct trect;
class tvelmor_control;
class tvelmor_panel;
class tvelmor_theme;
class tvelmor_miscobject;
class tvalueelement_generic;

class tcontainer_controls_generic : public tvelmor_object {
public:
    const char* class_name() const override { return "tcontainer_controls_generic"; }

    virtual tvelmor_control* get_control(int32_t atag);
    virtual tvelmor_panel* get_panel(int32_t atag);
    virtual void get_viewport(int32_t atag, trect& arect);
    virtual tvelmor_theme* get_theme(const tvelmor_control* acontrol);
    virtual tvelmor_theme* get_theme(int32_t atag);
    virtual tvelmor_theme* get_theme_by_tag(int32_t atag_theme);
    virtual tvalueelement_generic* get_value(int32_t atag);
    virtual tvelmor_miscobject* get_miscobject(int32_t atag);
    virtual tvelmor_focus_order can_get_next_focus_panel(int32_t& atag_next, int32_t atag);
    // The container owns everything added to it.
    virtual void add_control(std::unique_ptr<tvelmor_control> acontrol);
    virtual void add_element(std::unique_ptr<tvelmor_object> aobject);
    virtual void add_value(std::unique_ptr<tvalueelement_generic> avalue);
    virtual void add_miscobject(std::unique_ptr<tvelmor_miscobject> amiscobject);
    virtual void finish_adds(int32_t astageno);
    virtual bool handle_mousedown(tcanvas& acanvas, int32_t& afont_tag, tmouse_button abutton,
                                  tshift_state ashift, int32_t ax, int32_t ay, bool as_mouseup);
    virtual bool handle_mousemove(tcanvas& acanvas, int32_t& afont_tag, tshift_state ashift,
                                  int32_t ax, int32_t ay);
    virtual std::unique_ptr<icontrols_iterator> create_interface_iterate(
        int32_t ainterfaceno, int32_t atag_panel, tvelmor_control_types acontrol_types,
        tvelmor_iterate_options aoptions = {});
    virtual std::unique_ptr<icontrols_iterator> create_interface(int32_t ainterfaceno);
    virtual void set_viewport_skip(int32_t atag, bool avalue);
    virtual void recalculate_viewports_from(int32_t atag);
    virtual void calculate_viewports(int32_t& afont_tag, tcanvas& acanvas, const trect& arect);
    virtual bool set_align_value(int32_t atag, tparams_align aparam, int32_t avalue);
    virtual void get_panel_viewport(int32_t atag, trect& arect);
    virtual void update_header_controls(int32_t aheader, int32_t atag);
    virtual void draw_panel_controls(tcanvas& acanvas, int32_t& afont_tag, int32_t atag_panel);
    virtual void draw_controls(tcanvas& acanvas, int32_t& afont_tag);
    virtual void draw_controls(tcanvas& acanvas, int32_t& afont_tag, icontrols_iterator& alist_controls);
    virtual void show_debug101();
    virtual void save_to_file(const std::string& afilename);

    // Services every container offers; virtual here so that a handler reaches them through this
    // base.
    virtual void draw_control(tcanvas& acanvas, int32_t& afont_tag, tvelmor_control* acontrol);
    virtual void draw_control(tcanvas& acanvas, int32_t& afont_tag, int32_t atag);
    virtual bool send_key(int32_t atag, tcanvas& acanvas, int32_t& afont_tag, bool as_readonly,
                          uint16_t akey, tshift_state ashift, bool as_keyup);
    // A character delivered as text, to control atag when it is an edit or a memo; true when
    // the control used it. This base has no text controls and uses none.
    virtual bool send_character(int32_t atag, tcanvas& acanvas, int32_t& afont_tag, bool as_readonly,
                                char16_t ach);
    virtual tvelmor_focus_order can_get_next_focus(int32_t& atag_next, int32_t atag);
    virtual bool can_get_prior_focus(int32_t& atag_next, int32_t atag);
    virtual bool focus_control(int32_t atag, bool avalue);
    // aparams points at the service's block (see tcontrol_service in the container's header).
    virtual bool execute_control_service(void* aparams, tcontrol_service aservice, int32_t atag);
    virtual void draw_control_specific(tcanvas& acanvas, int32_t& afont_tag, int32_t atag,
                                       tdraw_type adraw_type, int32_t avalue);
    virtual void themes_exchange(int32_t atag1, int32_t atag2);

    // The text-lines misc object that holds the page's menu (0 = none).
    void set_menuitems(int32_t atag) { tag_menuitems = atag; }

    bool has_calculate_viewports = false;
    int32_t tag_screenparams = -1;
    int32_t tag_menuitems = 0;

protected:
    [[noreturn]] void not_implemented(const char* aoperation, bool aperiod = true) const;
};
