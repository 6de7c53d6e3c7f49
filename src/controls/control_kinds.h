// The small runtime controls: labels, buttons, bevels, icons, paint boxes, combo boxes, check
// boxes and scroll bars. They hold state only; drawing and input live in renderers and controllers.
#pragma once

#include <cstdint>
#include <string>

#include "controls/element.h"

class tvelmor_customlabel : public tvelmor_control {
public:
    using tvelmor_control::tvelmor_control;
    const char* class_name() const override { return "tvelmor_customlabel"; }
    virtual std::u16string get_caption();
    virtual void set_caption(const std::u16string& avalue);

    tvelmor_alignment alignment = al_left_bottom;
    bool enabled = true;
};

class tvelmor_label : public tvelmor_customlabel {
public:
    explicit tvelmor_label(icontrols_owner* aowner) : tvelmor_customlabel(aowner, ac_label) {}
    const char* class_name() const override { return "tvelmor_label"; }
    void save_as_text(std::string& amsgtext) const override;
    std::u16string get_caption() override { return caption; }
    void set_caption(const std::u16string& avalue) override { caption = avalue; }

    std::u16string caption;
    int32_t header = 0;
    int16_t fieldno = 0;
};

// Shows field fieldno of misc object header, read afresh at every draw.
class tvelmor_labelvalue : public tvelmor_customlabel {
public:
    explicit tvelmor_labelvalue(icontrols_owner* aowner) : tvelmor_customlabel(aowner, ac_labelvalue) {}
    const char* class_name() const override { return "tvelmor_labelvalue"; }
    std::u16string get_caption() override;

    int32_t header = 0;
    int16_t fieldno = 0;
};

class tvelmor_button : public tvelmor_control_focusable {
public:
    explicit tvelmor_button(icontrols_owner* aowner) : tvelmor_control_focusable(aowner, ac_button) {}
    const char* class_name() const override { return "tvelmor_button"; }
    // Pushed unless as_up; true when the state changed.
    bool push(bool as_up);

    bool pushed = false;
    bool enabled = true;
};

class tvelmor_button_bitbtn : public tvelmor_button {
public:
    using tvelmor_button::tvelmor_button;
    const char* class_name() const override { return "tvelmor_button_bitbtn"; }
    tbutton_kind kind = bk_yes;
};

class tvelmor_button_bmp : public tvelmor_button {
public:
    using tvelmor_button::tvelmor_button;
    const char* class_name() const override { return "tvelmor_button_bmp"; }
    int16_t icon_set = 0;
    int16_t icon = 0;
};

class tvelmor_bevel : public tvelmor_control {
public:
    explicit tvelmor_bevel(icontrols_owner* aowner) : tvelmor_control(aowner, ac_bevel) {}
    const char* class_name() const override { return "tvelmor_bevel"; }
    tframeedges frameedges = frameedges_all;
};

class tvelmor_icon : public tvelmor_control {
public:
    explicit tvelmor_icon(icontrols_owner* aowner) : tvelmor_control(aowner, ac_icon) {}
    const char* class_name() const override { return "tvelmor_icon"; }
    int16_t icon_set = 0;
    int16_t icon = 0;
    bool erase = false;  // fill the rectangle with the page background first
};

class tvelmor_paintbox : public tvelmor_control {
public:
    explicit tvelmor_paintbox(icontrols_owner* aowner) : tvelmor_control(aowner, ac_paintbox) {}
    const char* class_name() const override { return "tvelmor_paintbox"; }
};

class tvelmor_combobox : public tvelmor_control_focusable {
public:
    explicit tvelmor_combobox(icontrols_owner* aowner) : tvelmor_control_focusable(aowner, ac_combobox) {}
    const char* class_name() const override { return "tvelmor_combobox"; }
    // 1109 first stores the chosen item's id into field fieldno of header2, then reaches the handler.
    bool send_message(void* aparams, int32_t amsg) override;
    bool set_item_index(int32_t avalue);

    int32_t header = 0;   // text-lines misc object with the choices
    int32_t header2 = 0;  // misc object that holds the chosen value
    int16_t fieldno = 0;
    int32_t item_index = -1;
};

class tvelmor_checkbox : public tvelmor_control_focusable {
public:
    explicit tvelmor_checkbox(icontrols_owner* aowner) : tvelmor_control_focusable(aowner, ac_checkbox) {}
    const char* class_name() const override { return "tvelmor_checkbox"; }
    bool set_checked(bool avalue);
    void toggle_checked() { checked = !checked; }

    bool checked = false;
    int32_t header = 0;
    int16_t fieldno = 0;
};

class tvelmor_scrollbar : public tvelmor_control {
public:
    explicit tvelmor_scrollbar(icontrols_owner* aowner) : tvelmor_control(aowner, ac_scrollbar) {}
    const char* class_name() const override { return "tvelmor_scrollbar"; }
    // 1112 (the grid's new top row) is consumed here: the thumb follows without the handler.
    bool send_message(void* aparams, int32_t amsg) override;

    int16_t position = 0;
    int16_t range = 0;
};
