#include "pages/page_support.h"

#include "controls/container_controls_generic.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/miscobjects.h"
#include "controls/platform.h"
#include "database/datamodule_ejt.h"
#include "database/ejt_class.h"
#include "pages/handlermodule_edit_generic.h"
#include "pages/page_controller_generic.h"
#include "pages/page_hooks.h"
#include "procs/procs_string.h"

void tlight_rows::bind(Thandlermodule_page& apage, int32_t atag) {
    auto* listrows = dynamic_cast<tmiscobject_listrows*>(apage.fcontrols->get_miscobject(atag));
    if (!listrows) throw tvelmor_exception("List rows %d not found in %s.bind_data();", atag, apage.class_name());
    listrows->setup_data(&frows, flayout);
}

void tlight_rows::refresh() {
    fviews.clear();
    frows.clear();
    for (auto& item : flist) {
        fviews.push_back(std::make_unique<toperate_rtti_object2>(*item));
        frows.push_back(fviews.back().get());
    }
}

void tlight_rows::remove(int32_t arow) {
    if (!has_row(arow)) return;
    flist.erase(flist.begin() + arow);
    refresh();
}

bool is_focus_next_panel_key(uint16_t akey, tshift_state ashift) {
    if ((ashift & (ss_shift | ss_ctrl | ss_alt)) != ss_ctrl) return false;
    return akey == tvk::tab || akey == tvk::prior || akey == tvk::next;
}

iheader_settings* page_header(Thandlermodule_page& apage) {
    return dynamic_cast<iheader_settings*>(apage.fowner ? apage.fowner->get_handler_header() : nullptr);
}

bool focus_next_panel(Thandlermodule_page& apage, int32_t agrid_tag) {
    const int32_t before = apage.ffocused_tag;
    apage.execute_command2(cn_focus_next_panel);
    if (apage.ffocused_tag == agrid_tag) {
        tvelmor_grid& grid = apage.control<tvelmor_grid>(agrid_tag);
        if (grid.rowcount > 0) grid.row_setfull(0);
    }
    return apage.ffocused_tag != before;
}

void send_soft_delete(int32_t aejt_kind, int32_t aid) {
    std::unique_ptr<tejt_generic> ejt = tejt_database::create_ejt(aejt_kind);
    auto& update = dynamic_cast<tejt_record_update&>(*ejt);
    update.frecord->set_aslongint1(update.frecord->get_field_index1("id"), aid);
    update.frecord->set_asboolean1(update.frecord->get_field_index1("deleted"), true);
    Tdatamodule_ejt::instance().send_ejt_record(update, nullptr);
}

void show_record_dump(Thandlermodule_edit_generic& apage) {
    const std::string text = apage.frecord ? apage.frecord->get_debug_text(0) : std::string("(no record)");
    tplatform::instance().message_box(utf8_to_utf16(text), utf8_to_utf16(apage.class_name()), tmsgbox_buttons::ok,
                                      tmsgbox_icon::information);
}
