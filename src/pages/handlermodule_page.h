// The base of every page, header, footer and overlay handler module: it occupies one surface,
// owns the page's control container and its parameter record, hands events to the container,
// finds its controls by tag, tells the page of its first layout, and offers the focus commands and
// drawing helpers the pages build on.
#pragma once

#include <cstdint>
#include <memory>
#include <typeinfo>

#include "controls/surface.h"
#include "pages/handlermodule_generic.h"
#include "pages/page_hooks.h"

class tpage_controller_generic;
class tparams_generic;
class icontrols_iterator;

class Thandlermodule_page : public Thandlermodule_generic {
public:
    // acontrols: the container the module owns; nullptr creates the product's container.
    Thandlermodule_page(tpage_controller_generic* aowner, thandler_type ahandler_type, tgraphbox_generic* agraphbox,
                        std::unique_ptr<tcontainer_controls_generic> acontrols = nullptr);
    ~Thandlermodule_page() override;
    const char* class_name() const override { return "Thandlermodule_page"; }

    void add_element(std::unique_ptr<tvelmor_object> acontrol) override;
    void add_control(std::unique_ptr<tvelmor_control> acontrol) override;
    void add_value(std::unique_ptr<tvalueelement_generic> avalue) override;
    void add_miscobject(std::unique_ptr<tvelmor_miscobject> avalue) override;
    void finish_adds(int32_t astageno) override;

    void draw_control(tvelmor_control* acontrol, bool as_erase) override;
    void draw_control(int32_t atag, bool as_erase) override;
    bool control_focus(int32_t atag, bool avalue) override;
    void control_paint_default(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                               int32_t arow, int32_t acol) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    // To the focused control, as keys go.
    bool handle_character(char16_t ach) override;
    void handle_resize(bool as_skip_draw) override;
    void handle_paint() override;
    void handle_mousemove(tshift_state ashift, int32_t ax, int32_t ay) override;
    void handle_mousedown(tmouse_button abutton, tshift_state ashift, int32_t ax, int32_t ay,
                          bool as_mouseup) override;
    void execute_command2(thandler_command acommand) override;
    void execute_command(void* aparams, thandler_command acommand) override;
    tvelmor_miscobject* get_miscobject(int32_t atag) override;
    tcontainer_controls_generic* get_controls() override { return fcontrols.get(); }
    tgraphbox_generic* get_graphbox() override { return fgraphbox; }
    // Handed on to the footer module of the controller.
    void set_footer_button_param(tfooter_button abutton, const std::u16string& acaption) override;

    // The page keeps its parameters here (see the handler class's create_params).
    virtual void save_params(tparams_generic& aparams);
    virtual void bind_data();
    virtual void once_created();
    virtual void show_debug101();
    // The page's declared screen settings (its screen-parameters misc object); false when it
    // declares none.
    virtual bool get_screen_params(tscreen_params& aparams);
    // Editable pages answer true while they only show their data; keys then edit nothing.
    virtual bool get_readonly() const { return false; }

    // Ctrl+Down on a combo box: its list of choices drops down over the page. Nothing happens on
    // a read-only page or for a combo box without a list.
    void run_combobox_list(tvelmor_combobox& acombobox) override;
    // Asks a yes/no question over the page: atag_ontop 9101 for "Save changes ?", 9102 for any
    // other question; the lines of aquestion are separated by "\r\n". The page gets the answer
    // as 1107 under atag_ontop: 6 yes, 7 no, 2 cancelled.
    void run_dialog(int32_t atag_ontop, const std::u16string& aquestion);
    // Shows a long text in the large text viewer over control atag_control (overlay 9102 as a
    // rule). The page gets 1107 under atag_ontop with 1 (Enter) or 2 (Esc).
    void run_big_edit(int32_t atag_ontop, int32_t atag_control, const std::u16string& avalue);

    // Control atag as a T. A form without it, or with another kind of control under the tag, raises
    // with the tag, the kind wanted and the page.
    template <typename T>
    T& control(int32_t atag) const;
    // The same for a control the page may lack on purpose: nullptr then, but another kind under
    // the tag still raises.
    template <typename T>
    T* find_control(int32_t atag) const;
    // True once the page has been laid out for the first time.
    bool is_laid_out() const { return flaid_out; }

    bool execute_control_service(void* aresult, tcontrol_service acontrol_service, int32_t atag);
    void draw_panel(int32_t atag_panel);
    void draw_controls(icontrols_iterator& alist_controls);
    void invalidate_panel(int32_t atag);
    // Low byte of adeflate: pixels; high byte: 0x01/0x02/0x04/0x08 move the left/top/right/bottom
    // edge inward, 0x10/0x20/0x40/0x80 outward.
    void invalidate_viewport(int32_t atag, int32_t adeflate);
    void erase_viewport(int32_t atag, int32_t adeflate);
    // aparam 0: the left edge moves in one pixel; 1: the right and bottom edges move out one.
    void erase_panel(int32_t atag, int32_t aparam);

    tpage_controller_generic* fowner;
    thandler_type fhandler_type;
    tgraphbox_generic* fgraphbox;
    std::unique_ptr<tcontainer_controls_generic> fcontrols;
    std::unique_ptr<tparams_generic> fparams;

protected:
    Tdatamodule_messages& get_messages() override;
    tcanvas& canvas();
    // Computes the controls' rectangles for the surface's client area; grids learn their visible
    // rows and visible memos wrap here.
    void lay_out();
    // Once, the first time the page is laid out, before it paints: the grids know their visible
    // rows now, so pages load what they show here.
    virtual void once_laid_out() {}

private:
    [[noreturn]] void raise_control_missing(int32_t atag, const std::type_info& akind,
                                            const tvelmor_control* afound) const;

    bool flaid_out = false;
};

template <typename T>
T& Thandlermodule_page::control(int32_t atag) const {
    T* found = find_control<T>(atag);
    if (!found) raise_control_missing(atag, typeid(T), nullptr);
    return *found;
}

template <typename T>
T* Thandlermodule_page::find_control(int32_t atag) const {
    tvelmor_control* found = fcontrols->get_control(atag);
    if (!found) return nullptr;
    auto* typed = dynamic_cast<T*>(found);
    if (!typed) raise_control_missing(atag, typeid(T), found);
    return typed;
}

// The viewport rectangle adjusted by a deflate value (see invalidate_viewport).
trect deflate_rect(const trect& arect, int32_t adeflate);
