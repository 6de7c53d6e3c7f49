#include "property/handlermodule_edit_cpsite.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/key_codes.h"
#include "database/procs_querys.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "property/page_enter_params.h"
#include "pages/page_form_editable.h"
#include "procs/message_format.h"
#include "values/params_generic.h"

namespace {

const Tform_page_editable_generic& site_form() {
    static const Tform_page_editable_generic form("Tform_page_edit_cpsite",
                                                  Tform_page2::embedded_text("form_page_edit_cpsite"));
    return form;
}

}  // namespace

Thandlermodule_edit_cpsite::Thandlermodule_edit_cpsite(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                                       tgraphbox_generic* agraphbox)
    : Thandlermodule_edit_generic(aowner, ahandler_type, agraphbox) {
    fappscreen = as_edit_cpsite;
    frecord = std::make_unique<tdbrecord_cp_site2>();
    frecord0 = std::make_unique<tdbrecord_cp_site2>();
}

const thandler_class& Thandlermodule_edit_cpsite::handler_class() {
    static const thandler_class c("Thandlermodule_edit_cpsite", &handler_factory_of<Thandlermodule_edit_cpsite>,
                                  &site_form(), &tparams_id::static_class(), true);
    return c;
}

void Thandlermodule_edit_cpsite::handle_resize(bool as_skip_draw) {
    if (!floaded) {
        const auto* params = dynamic_cast<const tparams_id*>(fparams.get());
        if (!params) throw tvelmor_exception("Unassigned params in %s.handle_resize();", class_name());
        fid_site = params->fid;
        load_site();
        fparams.reset();
        floaded = true;
        set_focused_tag(tag_edit_address1, true);
    }
    // The base shows the record and takes its untouched copy on the first layout.
    Thandlermodule_edit_generic::handle_resize(as_skip_draw);
}

// Only the key and the addresses: pics stays unassigned, so a save never writes it.
void Thandlermodule_edit_cpsite::load_site() {
    frecord->clear();
    frecord->set_aslongint1(frecord->get_field_index1("id"), fid_site);
    const tfield_indexes fields = {0, 1, 2, 3, 4};
    tprocs_querys::load_record_bypk(*frecord, dben_table_cp_site, &fields);
    control<tvelmor_customlabel>(tag_label_id).set_caption(utf8_to_utf16(std::to_string(fid_site)));
}

bool Thandlermodule_edit_cpsite::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ashift == ss_ctrl && (akey == tvk::prior || akey == tvk::next)) {
        // Leaving while editing would drop what was typed: save or cancel first.
        if (as_keyup || fmode_editing) return true;
        if (akey == tvk::prior) {
            fowner->page_exit();
        } else {
            const tparam_value params[] = {int64_t{fid_site}};
            // In place of this page.
            page_enter_params(*fowner, pageno_pics, params, true);
        }
        return true;
    }
    return Thandlermodule_edit_generic::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_edit_cpsite::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_id*>(&aparams)) params->fid = fid_site;
}
