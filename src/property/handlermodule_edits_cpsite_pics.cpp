#include "property/handlermodule_edits_cpsite_pics.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/key_codes.h"
#include "database/datamodule_database_customers.h"
#include "database/datamodule_ejt.h"
#include "database/ejt_class.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/handlermodule_dialog.h"
#include "pages/handlermodule_header.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "procs/message_format.h"
#include "property/page_enter_params.h"
#include "property/procs_site_pics.h"
#include "values/params_generic.h"

namespace {

const Tform_page2& pics_form() {
    static const Tform_page2 form("Tform_page_edits_cpsite_pics",
                                  Tform_page2::embedded_text("form_page_edits_cpsite_pics"));
    return form;
}

}  // namespace

void save_site_pics(int32_t aid_site, int64_t apics) {
    auto ejt = tejt_database::create_ejt(Thandlermodule_edits_cpsite_pics::ejt_cp_site);
    auto& update = dynamic_cast<tejt_record_update&>(*ejt);
    update.frecord->set_aslongint1(update.frecord->get_field_index1("id"), aid_site);
    update.frecord->set_asint64_1(update.frecord->get_field_index1("pics"), apics);
    Tdatamodule_ejt::instance().send_ejt_record(*ejt, nullptr);
}

bool choose_site_pic(Tdatamodule_cp_site& amodule, int64_t& apics, const char* aclass_name) {
    std::u16string filename;
    if (!tplatform::instance().select_file(filename, u"Select JPG File", u"JPG Files (*.jpg;*.jpeg)", false)) return false;
    const uint16_t number = amodule.add_pic(utf16_to_utf8(filename));
    if (!tprocs_site_pics::add(apics, number)) throw tvelmor_exception("Unable to Add Pic in %s.add_pic();", aclass_name);
    return true;
}

Thandlermodule_edits_cpsite_pics::Thandlermodule_edits_cpsite_pics(tpage_controller_generic* aowner,
                                                                   thandler_type ahandler_type,
                                                                   tgraphbox_generic* agraphbox)
    : Thandlermodule_page(aowner, ahandler_type, agraphbox),
      fmodule(std::make_unique<Tdatamodule_cp_site>(Tdatamodule_database_customers::instance())) {}

Thandlermodule_edits_cpsite_pics::~Thandlermodule_edits_cpsite_pics() = default;

const thandler_class& Thandlermodule_edits_cpsite_pics::handler_class() {
    static const thandler_class c("Thandlermodule_edits_cpsite_pics",
                                  &handler_factory_of<Thandlermodule_edits_cpsite_pics>, &pics_form(),
                                  &tparams_id::static_class(), true);
    return c;
}

void Thandlermodule_edits_cpsite_pics::handle_resize(bool as_skip_draw) {
    if (!floaded) {
        floaded = true;
        if (const auto* params = dynamic_cast<const tparams_id*>(fparams.get())) {
            fid_site = params->fid;
            fparams.reset();
            load_site();
        }
        show_counter();
    }
    Thandlermodule_page::handle_resize(as_skip_draw);
}

void Thandlermodule_edits_cpsite_pics::load_site() {
    tdbrecord_cp_site2 site;
    fmodule->get_cp_site(site, fid_site);
    const int32_t pics = site.get_field_index1("pics");
    fview.set_pics(site.get_field_is_assigned(pics) ? site.get_asint64_1(pics) : 0);
}

void Thandlermodule_edits_cpsite_pics::show_counter() {
    control<tvelmor_customlabel>(tag_counter).set_caption(fview.counter_text());
}

bool Thandlermodule_edits_cpsite_pics::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ashift == ss_ctrl && (akey == tvk::prior || akey == tvk::next)) {
        if (!as_keyup) go_site_page(akey == tvk::prior ? pageno_edit_cpsite : pageno_edit_cpunit);
        return true;
    }
    if (ashift != 0) return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
    switch (akey) {
    case tvk::escape:
        if (!as_keyup) fowner->page_exit();
        return true;
    case tvk::prior:
    case tvk::next:
        if (!as_keyup && fview.move(akey == tvk::prior ? -1 : 1)) {
            show_counter();
            get_messages().add_message(501, jt_draw_control, fhandler_type, tag_counter);
            get_messages().add_message(501, jt_draw_control, fhandler_type, tag_picture);
        }
        return true;
    case tvk::f7:
        if (!as_keyup) fowner->run_menu(true);
        return true;
    default: return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
    }
}

void Thandlermodule_edits_cpsite_pics::go_site_page(int16_t apageno) {
    const tparam_value params[] = {int64_t{fid_site}};
    // In place of this page.
    page_enter_params(*fowner, apageno, params, true);
}

bool Thandlermodule_edits_cpsite_pics::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::button_pressed && atag == Thandlermodule_header::tag_main_plus) {
        add_pic();
        return true;
    }
    if (amsg == tmsg_code::button_pressed && atag == Thandlermodule_header::tag_main_minus) {
        ask_delete_pic();
        return true;
    }
    if (amsg == tmsg_code::ontop_closed && (atag == tag_ontop_delete || atag == tag_ontop_menu)) {
        const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : -1;
        if (atag == tag_ontop_delete && result == Thandlermodule_dialog::result_yes) delete_pic();
        // The page menu: "Add Pic...", "Delete Pic...".
        if (atag == tag_ontop_menu && result == 0) add_pic();
        if (atag == tag_ontop_menu && result == 1) ask_delete_pic();
        return true;
    }
    return Thandlermodule_page::callback_message(aparams, atag, amsg);
}

void Thandlermodule_edits_cpsite_pics::add_pic() {
    int64_t pics = fview.fpics_value;
    if (choose_site_pic(*fmodule, pics, class_name())) store_pics(pics);
}

void Thandlermodule_edits_cpsite_pics::ask_delete_pic() {
    if (fview.fpic_no < 1) return;
    run_dialog(tag_ontop_delete, tsite_pics_view::delete_question);
}

void Thandlermodule_edits_cpsite_pics::delete_pic() {
    if (fview.fpic_no < 1) return;
    store_pics(tprocs_site_pics::without_pic(fview.fpics_value, fview.fpic_no));
}

void Thandlermodule_edits_cpsite_pics::store_pics(int64_t apics) {
    // The page shows the new value only once it is stored.
    save_site_pics(fid_site, apics);
    fview.set_pics(apics);
    show_counter();
    get_messages().add_message(501, jt_draw_panel, fhandler_type, 2104);
}

void Thandlermodule_edits_cpsite_pics::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_id*>(&aparams)) params->fid = fid_site;
}

void Thandlermodule_edits_cpsite_pics::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme,
                                                     const trect& arect, int32_t arow, int32_t acol) {
    if (acontrol->tag == tag_picture)
        fview.paint(canvas(), fgraphbox->ffont_tag, arect);
    else
        Thandlermodule_page::control_paint(acontrol, atheme, arect, arow, acol);
}
