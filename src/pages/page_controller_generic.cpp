#include "pages/page_controller_generic.h"

#include "controls/platform.h"
#include "pages/handler_class.h"
#include "pages/page_form.h"

namespace {
// Clears a flag on the way out, also when an error escapes.
class tflag_scope {
public:
    explicit tflag_scope(bool& aflag) : fflag(aflag) { fflag = true; }
    ~tflag_scope() { fflag = false; }
    tflag_scope(const tflag_scope&) = delete;
    tflag_scope& operator=(const tflag_scope&) = delete;

private:
    bool& fflag;
};
}  // namespace

tpage_controller_generic::tpage_controller_generic(std::unique_ptr<tgraphboxes> agraphboxes,
                                                   Tdatamodule_messages& amessages,
                                                   const thandler_class* aheader_class,
                                                   const thandler_class* afooter_class)
    : fstack_pages(std::make_unique<tstack_stream>()),
      fstack_entry(std::make_unique<tstack_stream>()),
      fwriter_entry(std::make_unique<twriter_stack_stream>(*fstack_entry)),
      fmessages(amessages),
      fgraphboxes(std::move(agraphboxes)) {
    bool resized = false;
    if (aheader_class) fhandler_header = create_slot_handler(*aheader_class, ht_header, resized);
    if (afooter_class) fhandler_footer = create_slot_handler(*afooter_class, ht_footer, resized);
}

tpage_controller_generic::~tpage_controller_generic() {
    fwriter_entry.reset();
    fstack_entry.reset();
    fstack_pages.reset();
    fhandlers_main_closed.clear();
    fhandler_main.reset();
    fhandler_header.reset();
    fhandler_footer.reset();
    fhandler_ontop.reset();
    fhandlers_ontop_closed.clear();
    fgraphboxes.reset();
}

const thandler_class& tpage_controller_generic::get_handlerclass_pageno(int16_t apageno) const {
    const thandler_class* handler_class = fbox_pages.find(apageno);
    if (!handler_class)
        throw tvelmor_exception("Page handler class not assigned in %s.get_handlerclass_pageno();", class_name());
    return *handler_class;
}

int16_t tpage_controller_generic::get_pageno_handlerclass(const thandler_class& aclass_page) const {
    const int16_t pageno = fbox_pages.find_pageno(aclass_page);
    if (pageno < 0)
        throw tvelmor_exception("Application request on unregistered handler class %s in %s.get_pageno_handlerclass();",
                                aclass_page.name(), class_name());
    return pageno;
}

Thandlermodule_page* tpage_controller_generic::get_handler(int32_t atag) const {
    switch (atag) {
        case ht_main: return fhandler_main.get();
        case ht_header: return fhandler_header.get();
        case ht_footer: return fhandler_footer.get();
        case ht_ontop: return fhandler_ontop.get();
        default: throw tvelmor_exception("%s.get_handler( %d ) not supported", class_name(), atag);
    }
}

std::unique_ptr<Thandlermodule_page> tpage_controller_generic::create_slot_handler(const thandler_class& aclass,
                                                                                   thandler_type aslot,
                                                                                   bool& aresized) {
    std::unique_ptr<Thandlermodule_page> handler = aclass.create(this, aslot, fgraphboxes->get_graphbox(aslot));
    aresized = false;
    if (aslot != ht_main) {
        aclass.get_page_form_class().load_handler(*handler, nullptr);
        return handler;
    }
    tplatform& platform = tplatform::instance();
    const tsize before = platform.get_main_clientsize();
    aclass.get_page_form_class().load_handler(*handler, &platform);
    aresized = platform.get_main_clientsize() != before;
    return handler;
}

void tpage_controller_generic::switch_main_page(int16_t apageno) {
    // A number without a handler is refused while the current page still stands.
    const thandler_class& handler_class = get_handlerclass_pageno(apageno);
    // Jobs the old page queued mean nothing to the next one (a tag may name another control
    // there, or none): they are dropped before any new job can be queued.
    fmessages.drop_handler_jobs(ht_main);
    // An overlay works on the page it was opened over (its menu entries, its combo box): it goes
    // with that page, and nothing is reported to a page that no longer exists.
    drop_ontop();
    if (fhandler_main) fhandlers_main_closed.push_back(std::move(fhandler_main));
    if (auto* footer = dynamic_cast<ifooter_settings*>(fhandler_footer.get())) footer->default_button_captions();

    fpageno = apageno;
    bool resized = false;
    fhandler_main = create_slot_handler(handler_class, ht_main, resized);
    fgraphboxes->get_graphbox(ht_main)->invalidate();
    apply_screen_params(resized);
}

void tpage_controller_generic::apply_screen_params(bool aresized) {
    tscreen_params params;
    const bool has_params = fhandler_main->get_screen_params(params);
    tgraphbox_generic* footer_box = fgraphboxes->get_graphbox(ht_footer);
    if (footer_box) footer_box->set_visible(has_params && params.ffooter_visible);

    bool width_changed = false;
    if (has_params) {
        if (auto* footer = dynamic_cast<ifooter_settings*>(fhandler_footer.get())) {
            footer->set_buttons_invisible(params.ffooter_buttons_invisible, true);
            footer->set_buttons_enabled(params.ffooter_buttons_enabled, true);
        }
        // The legends change with every page, while a strip that stays on screen gets no paint
        // of its own unless its size changes.
        if (footer_box && footer_box->get_visible()) footer_box->invalidate();
        auto* header = dynamic_cast<iheader_settings*>(fhandler_header.get());
        if (header && params.fheader_visible) {
            const auto bit = [](uint16_t aset, int abit) { return ((aset >> abit) & 1) != 0; };
            width_changed = header->set_header_param(ph_title_caption_width, params.fheader_caption_width);
            header->set_header_param(ph_title_caption, params.fheader_caption);
            const bool menu_visible = bit(params.fheader_buttons_visible, 0);
            header->set_header_param(ph_menu_visible, menu_visible, true);
            if (menu_visible) {
                header->set_header_param(ph_menu_enabled, true, true);
                header->set_header_param(ph_menu_pushed, false, true);
            }
            header->set_header_param(ph_button_plus_enabled, !bit(params.fheader_buttons_disabled, 1), true);
            header->set_header_param(ph_button_minus_enabled, !bit(params.fheader_buttons_disabled, 2), true);
            header->set_header_param(ph_button_edit_enabled, !bit(params.fheader_buttons_disabled, 3), true);
            header->set_header_param(ph_button_plus_visible, bit(params.fheader_buttons_visible, 1), true);
            header->set_header_param(ph_button_minus_visible, bit(params.fheader_buttons_visible, 2), true);
            header->set_header_param(ph_button_edit_visible, bit(params.fheader_buttons_visible, 3), true);
        }
    }

    tgraphbox_generic* header_box = fgraphboxes->get_graphbox(ht_header);
    if (!header_box) return;
    const bool wants_header = has_params && params.fheader_visible;
    if (wants_header && header_box->get_visible()) {
        if (!aresized) {
            header_box->invalidate();
            if (width_changed && fhandler_header)
                fhandler_header->fcontrols->calculate_viewports(header_box->ffont_tag, *header_box->get_canvas(),
                                                                header_box->get_clientrect());
        }
    } else {
        header_box->set_visible(wants_header);
    }
}

void tpage_controller_generic::push_current_page() {
    // After a failed page change there is no page to come back to.
    if (!fhandler_main) return;
    std::unique_ptr<tparams_generic> params = get_handlerclass_pageno(fpageno).create_params();
    fhandler_main->save_params(*params);
    // The record is built apart and pushed whole: a refused property leaves the stack as it was.
    tstack_stream record;
    twriter_stack_stream writer(record);
    params->push_data(writer);
    writer.write_smallint(fpageno);
    fstack_pages->push(record.get_data(), record.get_count());
}

void tpage_controller_generic::load_page(tstack_stream& astack) {
    treader_stack_stream reader(astack);
    switch_main_page(reader.read_smallint());
    Thandlermodule_page& handler = *fhandler_main;
    handler.fparams.reset();
    handler.fparams = get_handlerclass_pageno(fpageno).create_params();
    tparams_generic& params = *handler.fparams;
    try {
        params.pop_data(reader);
        params.before_once_created(handler);
        handler.bind_data();
        handler.once_created();
        params.after_once_created(handler);
    } catch (...) {
        if (params.fdrop_point == dp_once_created) handler.fparams.reset();
        throw;
    }
    if (params.fdrop_point == dp_once_created) handler.fparams.reset();
}

void tpage_controller_generic::resize_pass() {
    fhandler_main->handle_resize(false);
    for (thandler_type slot : {ht_header, ht_footer}) {
        Thandlermodule_page* handler = get_handler(slot);
        tgraphbox_generic* box = fgraphboxes->get_graphbox(slot);
        if (handler && box && box->get_visible()) handler->handle_resize(true);
    }
}

void tpage_controller_generic::enter_by_number(int16_t apageno, bool as_goto, bool as_first) {
    tflag_scope locked(flocked);
    // A page that does not exist must not cost the user the page they are on: refused before the
    // current page is pushed or freed.
    get_handlerclass_pageno(apageno);
    if (!as_goto) push_current_page();
    if (!fstack_entry->is_empty()) throw tvelmor_exception("Non empty entry stack in %s.page_enter();", class_name());
    switch_main_page(apageno);
    fhandler_main->bind_data();
    fhandler_main->once_created();
    if (!as_first) resize_pass();
}

void tpage_controller_generic::page_first(bool as_first) { enter_by_number(get_first_pageno(), true, as_first); }

void tpage_controller_generic::page_enter(int16_t apageno, bool as_goto) { enter_by_number(apageno, as_goto, false); }

void tpage_controller_generic::page_enter(const thandler_class& aclass_page, std::span<const tparam_value> aparams,
                                          bool as_goto) {
    // Whatever fails below, the entry stack must be empty again for the next page change.
    struct tentry_guard {
        tstack_stream& fstack;
        ~tentry_guard() { fstack.clear(); }
    } guard{*fstack_entry};

    const int16_t pageno = get_pageno_handlerclass(aclass_page);
    {
        std::unique_ptr<tparams_generic> params = aclass_page.create_params();
        params->assign_values(aparams);
        params->push_data(*fwriter_entry);
    }
    fwriter_entry->write_smallint(pageno);

    tflag_scope locked(flocked);
    if (!as_goto) push_current_page();
    if (fstack_entry->is_empty()) throw tvelmor_exception("Empty entry stack in %s.page_enter();", class_name());
    load_page(*fstack_entry);
    if (!fstack_entry->is_empty())
        throw tvelmor_exception("Page stack not completely read in %s.page_enter();", class_name());
    resize_pass();
}

void tpage_controller_generic::page_exit() {
    tflag_scope locked(flocked);
    if (fstack_pages->is_empty()) {
        if (std::function<void()> closing = std::move(fon_closing)) {
            fon_closing = nullptr;
            closing();
        }
        tplatform::instance().close_main_window();
        return;
    }
    load_page(*fstack_pages);
    resize_pass();
}

bool tpage_controller_generic::is_toppage(int16_t apageno) {
    if (fstack_pages->is_empty()) return false;
    tpeeker_stack_stream peeker(*fstack_pages);
    return peeker.read_smallint() == apageno;
}

void tpage_controller_generic::run_queued_message(const tmsg_queued& amsg) {
    if (amsg.fhandler != ht_main && amsg.fhandler != ht_header && amsg.fhandler != ht_footer)
        throw tvelmor_exception("Unsupported handler [%d] in %s.run_queued_message();",
                                static_cast<int32_t>(amsg.fhandler), class_name());
    Thandlermodule_page* handler = get_handler(amsg.fhandler);
    // After a failed page change the main slot is empty: the job has no page to run on.
    if (!handler) return;
    switch (amsg.fjob) {
        case jt_draw_control: handler->draw_control(amsg.ftag, false); break;
        case jt_draw_panel: handler->draw_panel(amsg.ftag); break;
        case jt_erase_panel: handler->erase_panel(amsg.ftag, amsg.fparam); break;
        case jt_run_task: handler->run_task(amsg.ftag, amsg.fparam); break;
    }
}

bool tpage_controller_generic::run_next_queued_message() {
    tmessage_lock_scope lock(fmessages);
    if (!lock.locked()) return false;
    tmsg_queued msg;
    if (fmessages.pull_next_message(msg)) run_queued_message(msg);
    retire_closed();
    return true;
}
