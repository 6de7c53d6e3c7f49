#include "property/handlermodule_list_cpsite.h"

#include "controls/key_codes.h"
#include "database/procs_querys.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "property/page_enter_params.h"
#include "property/records_cp_site.h"
#include "pages/page_form.h"
#include "values/params_generic.h"

namespace {

constexpr int16_t pageno_readings = 21;
constexpr int16_t pageno_edit_cpsite = 25;

const Tform_page2& list_form() {
    static const Tform_page2 form("Tform_page_list_cpsite", Tform_page2::embedded_text("form_page_list_cpsite"));
    return form;
}

}  // namespace

const thandler_class& Thandlermodule_list_cpsite::handler_class() {
    static const thandler_class c("Thandlermodule_list_cpsite", &handler_factory_of<Thandlermodule_list_cpsite>,
                                  &list_form(), &tparams_launch2::static_class(), true);
    return c;
}

std::vector<Thandlermodule_list_keyed::tkeyed_line> Thandlermodule_list_cpsite::load_lines() {
    tlist_flat<trecord_cpsite> sites;
    tprocs_querys::load_table_list(sites, dben_table_cp_site, {}, {}, {});
    std::vector<tkeyed_line> lines;
    for (const trecord_cpsite& site : sites) lines.push_back({site.fid, site.address()});
    return lines;
}

std::u16string Thandlermodule_list_cpsite::header_caption(int32_t acol) const {
    return acol == 0 ? u"Id" : acol == 1 ? u"Address" : u"";
}

bool Thandlermodule_list_cpsite::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    const bool open_by_ctrl = ashift == ss_ctrl && akey == tvk::next;
    // The keys the list answers take their key-ups too.
    if (as_keyup && (open_by_ctrl || (ashift == 0 && (akey == tvk::enter || akey == tvk::escape)))) return true;
    if (open_by_ctrl) {
        open_current();
        return true;
    }
    return Thandlermodule_list_keyed::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_list_cpsite::open_line(int32_t aid) {
    if (flaunch_page != pageno_readings && flaunch_page != pageno_edit_cpsite)
        throw tvelmor_exception("Invalid Launch Page [%d] in %s.handle_keydown();", flaunch_page, class_name());
    const tparam_value params[] = {int64_t{aid}};
    page_enter_params(*fowner, flaunch_page, params, false);
}
