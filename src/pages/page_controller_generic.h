// The page controller: which handler module occupies each surface, the page stack the user
// returns along, the entry stack that carries a page's parameters in, the overlays, and the
// running of queued jobs against the right handler.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "containers/stack_stream.h"
#include "pages/datamodule_messages.h"
#include "pages/graphboxes.h"
#include "pages/handlermodule_ontop.h"
#include "pages/page_hooks.h"
#include "pages/page_table.h"
#include "values/params_generic.h"

class thandler_class;
class tvelmor_miscobject;

class tpage_controller_generic : public tvelmor_object {
public:
    // aheader_class, afooter_class: the modules of the header and footer slots (nullptr: none).
    tpage_controller_generic(std::unique_ptr<tgraphboxes> agraphboxes, Tdatamodule_messages& amessages,
                             const thandler_class* aheader_class = nullptr,
                             const thandler_class* afooter_class = nullptr);
    ~tpage_controller_generic() override;
    const char* class_name() const override { return "tpage_controller_generic"; }

    void register_page(int16_t apageno, const thandler_class& aclass_page) { fbox_pages.register_page(apageno, aclass_page); }
    void replace_page(int16_t apageno, const thandler_class& aclass_page) { fbox_pages.replace_page(apageno, aclass_page); }
    void register_pages_finish() { fbox_pages.register_pages_finish(); }
    virtual int16_t get_first_pageno() { return 0; }

    // Enters the first page as a jump; as_first skips the resize pass (the window's own
    // resize and paint events lay it out).
    void page_first(bool as_first);
    void page_enter(int16_t apageno, bool as_goto);
    // aparams fill the page's parameter record in property order. as_goto: the current page is
    // not pushed and cannot be returned to.
    void page_enter(const thandler_class& aclass_page, std::span<const tparam_value> aparams, bool as_goto);
    // Back to the page on top of the page stack; with an empty stack fon_closing runs (once) and
    // the main window closes.
    void page_exit();
    std::function<void()> fon_closing;
    // Set while a run that lets window messages through (a backup) is under way: keys, typed
    // characters and mouse clicks are taken and dropped.
    bool fbusy = false;
    bool is_toppage(int16_t apageno);

    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup);
    // A character delivered as text: to the overlay's handler when one is open, else the main
    // page's, like a key.
    bool handle_character(char16_t ach);
    void handle_mousedown(int32_t atag, tmouse_button abutton, tshift_state ashift, int32_t ax, int32_t ay,
                          bool as_mouseup);
    void handle_mousemove(int32_t atag, tshift_state ashift, int32_t ax, int32_t ay);
    // Ignored while a page change runs (flocked).
    void handle_resize(int32_t atag, bool as_skip_draw);
    void handle_paint(int32_t atag);
    void handle_windows_message(const twindows_message& amsg);

    void run_ontop(std::unique_ptr<Thandlermodule_ontop> ahandler);
    void close_ontop();
    void run_menu(bool as_key);

    void run_queued_message(const tmsg_queued& amsg);
    // What the main window does on 1026: take the queue's lock, pull one entry, run it when it is
    // live, release the lock (also on error). False when the lock could not be taken.
    bool run_next_queued_message();

    Tdatamodule_messages& get_messages() { return fmessages; }
    tgraphboxes& get_graphboxes() { return *fgraphboxes; }
    Thandlermodule_page* get_handler_main() const { return fhandler_main.get(); }
    Thandlermodule_page* get_handler_header() const { return fhandler_header.get(); }
    Thandlermodule_page* get_handler_footer() const { return fhandler_footer.get(); }
    Thandlermodule_ontop* get_handler_ontop() const { return fhandler_ontop.get(); }
    int16_t get_pageno() const { return fpageno; }
    bool is_locked() const { return flocked; }
    const tpage_table& get_page_table() const { return fbox_pages; }

    bool flocked = false;

protected:
    // The page menu overlay over the page's menu-item lines, tag 9201 (nullptr: no menu).
    virtual std::unique_ptr<Thandlermodule_ontop> create_menu(tvelmor_miscobject* atextlines);

private:
    const thandler_class& get_handlerclass_pageno(int16_t apageno) const;
    int16_t get_pageno_handlerclass(const thandler_class& aclass_page) const;
    Thandlermodule_page* get_handler(int32_t atag) const;
    std::unique_ptr<Thandlermodule_page> create_slot_handler(const thandler_class& aclass, thandler_type aslot,
                                                             bool& aresized);
    void switch_main_page(int16_t apageno);
    void apply_screen_params(bool aresized);
    void enter_by_number(int16_t apageno, bool as_goto, bool as_first);
    void push_current_page();
    void load_page(tstack_stream& astack);
    void resize_pass();
    // Frees the pages and overlays that an event closed or replaced, once it has returned.
    void retire_closed();
    // Where keys and typed characters go: the overlay's handler when one is open, else the main
    // page's (none when neither is there).
    Thandlermodule_page* key_target() const;
    // Closes the open overlay without a result, with the page it belongs to.
    void drop_ontop();

    std::unique_ptr<tstack_stream> fstack_pages;
    std::unique_ptr<tstack_stream> fstack_entry;
    std::unique_ptr<twriter_stack_stream> fwriter_entry;
    tpage_table fbox_pages;
    Tdatamodule_messages& fmessages;
    std::unique_ptr<Thandlermodule_page> fhandler_main;
    std::unique_ptr<Thandlermodule_page> fhandler_header;
    std::unique_ptr<Thandlermodule_page> fhandler_footer;
    std::unique_ptr<Thandlermodule_ontop> fhandler_ontop;
    // Closed or replaced overlays and main pages live on until the event that closed them has
    // returned: the page whose key switched pages is still on the call stack, and may go on
    // using its own members after the switch.
    std::vector<std::unique_ptr<Thandlermodule_ontop>> fhandlers_ontop_closed;
    std::vector<std::unique_ptr<Thandlermodule_page>> fhandlers_main_closed;
    std::unique_ptr<tgraphboxes> fgraphboxes;
    int16_t fpageno = -1;
};
