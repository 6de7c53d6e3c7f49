// The roots of the runtime control tree: an element has an owner, a kind and a tag; a control
// sits in a panel and names its theme; a focusable control can take the keyboard focus.
#pragma once

#include <cstdint>
#include <string>

#include "controls/control_types.h"
#include "procs/velmor_exception.h"

class icontrols_owner;

// Debug dumps append "line\n" to a text.
void add_dump_line(std::string& amsgtext, const std::string& aline);

class tvelmor_element : public tvelmor_object {
public:
    tvelmor_element(icontrols_owner* aowner, tvelmor_control_type aid) : owner(aowner), id(aid) {}
    const char* class_name() const override { return "tvelmor_element"; }
    virtual void save_as_text(std::string& amsgtext) const;

    icontrols_owner* owner;  // the handler module; not owned
    tvelmor_control_type id;
    int32_t tag = 0;
};

class tvelmor_control : public tvelmor_element {
public:
    using tvelmor_element::tvelmor_element;
    const char* class_name() const override { return "tvelmor_control"; }
    void save_as_text(std::string& amsgtext) const override;
    // Tells the owner about an event; the owner's answer is the result (false without owner).
    virtual bool send_message(void* aparams, int32_t amsg);
    // Sends with the no-parameters block (one byte 255).
    bool send_message2(int32_t amsg);
    virtual bool is_focusable() const { return false; }

    int32_t tag_panel = 0;
    int32_t tag_theme = 0;
    bool visible = true;
};

class tvelmor_control_focusable : public tvelmor_control {
public:
    using tvelmor_control::tvelmor_control;
    const char* class_name() const override { return "tvelmor_control_focusable"; }
    void save_as_text(std::string& amsgtext) const override;
    bool is_focusable() const override { return true; }
    virtual void set_focused(bool avalue) { is_focused = avalue; }
    virtual bool can_focus() const { return true; }

    bool is_focused = false;
    int16_t focus_order = 0;  // -1: never reached by focus movement
};
