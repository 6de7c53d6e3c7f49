// The root of every handler module: the virtual operations a page may override (each base raises
// its "not implemented" error or does the neutral thing), the focused control, and the interfaces
// through which controls and page forms reach their module.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/container_controls_generic.h"
#include "controls/control_types.h"
#include "controls/controls_owner.h"
#include "controls/platform.h"
#include "pages/page_types.h"
#include "procs/velmor_exception.h"

class tvelmor_control;
class tvelmor_theme;
class tvelmor_miscobject;
class tvalueelement_generic;
class tfb_query;
class tdatarecord2;
class Thandlermodule_generic;
class Tdatamodule_messages;

// What a page form hands its declarations over to.
class imodule_controls_build {
public:
    virtual ~imodule_controls_build() = default;
    virtual void add_element(std::unique_ptr<tvelmor_object> acontrol) = 0;
    virtual void add_control(std::unique_ptr<tvelmor_control> acontrol) = 0;
    virtual void add_value(std::unique_ptr<tvalueelement_generic> avalue) = 0;
    virtual void add_miscobject(std::unique_ptr<tvelmor_miscobject> avalue) = 0;
    virtual void finish_adds(int32_t astageno) = 0;
    virtual Thandlermodule_generic& as_handler() = 0;
};

class Thandlermodule_generic : public tvelmor_object, public icontrols_owner, public imodule_controls_build {
public:
    const char* class_name() const override { return "Thandlermodule_generic"; }

    void add_element(std::unique_ptr<tvelmor_object> acontrol) override;
    void add_control(std::unique_ptr<tvelmor_control> acontrol) override;
    void add_value(std::unique_ptr<tvalueelement_generic> avalue) override;
    void add_miscobject(std::unique_ptr<tvelmor_miscobject> avalue) override;
    void finish_adds(int32_t astageno) override;
    Thandlermodule_generic& as_handler() override { return *this; }

    virtual void draw_control(tvelmor_control* acontrol, bool as_erase);
    virtual void draw_control(int32_t atag, bool as_erase);
    virtual void control_draw_specific(int32_t atag, tdraw_type adraw_type, int32_t avalue);
    virtual void control_draw(int32_t atag);
    // Gives or takes the focus of a control; true when its look changed.
    virtual bool control_focus(int32_t atag, bool avalue);
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;
    void control_paint_default(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                               int32_t arow, int32_t acol) override;
    // True when the key was used.
    virtual bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup);
    // A character the platform delivered as text rather than as a key (another keyboard
    // layout, a dead-key composition, an input method); true when it was used.
    virtual bool handle_character(char16_t ach);
    virtual void handle_resize(bool as_skip_draw);
    virtual void handle_paint();
    virtual void handle_mousemove(tshift_state ashift, int32_t ax, int32_t ay);
    virtual void handle_mousedown(tmouse_button abutton, tshift_state ashift, int32_t ax, int32_t ay,
                                  bool as_mouseup);
    virtual void run_task(int32_t atag, int32_t aparam);
    // One row of a statement a data module runs for the page (atag says which).
    virtual void load_data(tfb_query* aquery, int32_t atag, tdatarecord2* arecord);
    // True when the handler dealt with the message.
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    // Private window messages 1024 and 1025 of the page's own background work.
    virtual void windows_message(const twindows_message& amsg);
    void execute_command2(thandler_command acommand) override;
    virtual void execute_command(void* aparams, thandler_command acommand);
    tvelmor_miscobject* get_miscobject(int32_t atag) override;
    tcontainer_controls_generic* get_controls() override { return nullptr; }

    // callback_message with the no-parameters block.
    bool callback_message2(int32_t atag, int32_t amsg);
    // Moves the keyboard focus (0: none). The page may veto with 1108; unless as_skip_draw the
    // controls whose look changed are redrawn through the queue.
    void set_focused_tag(int32_t atag, bool as_skip_draw);

    int32_t ffocused_tag = 0;

protected:
    [[noreturn]] void not_implemented(const char* aoperation, bool aperiod = true) const;
    // The queue that focus draws go through; the generic module has none.
    virtual Tdatamodule_messages& get_messages();
};
