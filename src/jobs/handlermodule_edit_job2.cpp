#include "jobs/handlermodule_edit_job2.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/key_codes.h"
#include "controls/miscobject_fieldlinks.h"
#include "controls/text_controls.h"
#include "database/datamodule_database_customers.h"
#include "jobs/datamodule_jobs.h"
#include "jobs/handlermodule_edit_job.h"
#include "jobs/handlermodule_edit_jobhdr.h"
#include "jobs/job_page_controls.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "values/params_generic.h"

namespace {

const Tform_page2& line_form() {
    static const Tform_page2 form("Tform_page_edit_job2", Tform_page2::embedded_text("form_page_edit_job2"));
    return form;
}

}  // namespace

Thandlermodule_edit_job2::Thandlermodule_edit_job2(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                                   tgraphbox_generic* agraphbox)
    : Thandlermodule_page(aowner, ahandler_type, agraphbox) {}

const thandler_class& Thandlermodule_edit_job2::handler_class() {
    static const thandler_class c("Thandlermodule_edit_job2", &handler_factory_of<Thandlermodule_edit_job2>,
                                  &line_form(), &tparams_edit_job::static_class());
    return c;
}

void Thandlermodule_edit_job2::bind_data() {
    auto* links = dynamic_cast<tmiscobject_fieldlinks_record*>(fcontrols->get_miscobject(tag_fieldlinks));
    if (!links) throw tvelmor_exception("Field links %d not found in %s.bind_data();", tag_fieldlinks, class_name());
    links->setup_data2(&frecord);
}

int32_t Thandlermodule_edit_job2::job_id() const {
    return frecord.get_is_field_assigned(0) ? frecord.get_field_asl(0) : -1;
}

int16_t Thandlermodule_edit_job2::job_lineno() const {
    return frecord.get_is_field_assigned(1) ? frecord.get_field_ass(1) : int16_t{-1};
}

void Thandlermodule_edit_job2::load_line() {
    const auto* params = dynamic_cast<const tparams_edit_job*>(fparams.get());
    frecord.clear();
    faccount_text.clear();
    bool found = false;
    if (params) {
        Tdatamodule_jobs module(Tdatamodule_database_customers::instance());
        found = module.get_job_detail(frecord, params->fjob_id, params->fjob_lineno);
        if (found) faccount_text = module.get_account_name(frecord.get_fieldbyname_asl("account"));
    }
    fcontrols->update_header_controls(tag_fieldlinks, -1);
    // A missing line leaves the record empty: empty fields, not a quantity of 0 or $0.00.
    if (!found) {
        for (int32_t tag : {tag_edit_partno, tag_edit_partno + 3, tag_edit_partno + 6, tag_edit_partno + 9})
            control<tvelmor_edit>(tag).set_text(u"");
        control<tvelmor_memo>(tag_memo_notes).set_text(u"");
    }
    show_account_name();
}

void Thandlermodule_edit_job2::show_account_name() { control<tvelmor_label>(tag_account_name).caption = faccount_text; }

void Thandlermodule_edit_job2::once_created() {
    load_line();
    set_focused_tag(tag_edit_partno, true);
}

void Thandlermodule_edit_job2::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_edit_job*>(&aparams)) {
        params->fjob_id = job_id();
        params->fjob_lineno = job_lineno();
    }
}

bool Thandlermodule_edit_job2::is_order_key(uint16_t akey, tshift_state ashift, bool as_keyup) const {
    return !as_keyup && akey == tvk::home && ashift == ss_ctrl && ffocused_tag != tag_memo_notes;
}

void Thandlermodule_edit_job2::open_order() {
    if (job_id() < 0) return;
    const tparam_value params[] = {int64_t{job_id()}};
    // In place of this page.
    fowner->page_enter(Thandlermodule_edit_jobhdr::handler_class(), params, true);
}

bool Thandlermodule_edit_job2::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (is_order_key(akey, ashift, as_keyup)) {
        open_order();
        return true;
    }
    if (!as_keyup && ashift == 0) {
        if (akey == tvk::escape) {
            fowner->page_exit();
            return true;
        }
        if (akey == tvk::f7) {
            const tparam_value params[] = {int64_t{job_id()}, int64_t{job_lineno()}};
            // Over this view: Esc comes back to it.
            fowner->page_enter(Thandlermodule_edit_job::handler_class(), params, false);
            return true;
        }
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}
