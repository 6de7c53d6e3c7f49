#include "jobs/handlermodule_edit_jobhdr.h"

#include "pages/page_support.h"
#include "pages/grid_cell_text.h"
#include "controls/container_controls.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "pages/miscobject_cell_source.h"
#include "database/datamodule_database_customers.h"
#include "jobs/datamodule_jobs.h"
#include "jobs/handlermodule_edit_job2.h"
#include "jobs/job_page_controls.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "procs/message_format.h"
#include "procs/procs_text_number.h"
#include "values/params_generic.h"

namespace {

constexpr int32_t tag_lines_order = 107;
constexpr int32_t columns_order = 5;

const Tform_page2& order_form() {
    static const Tform_page2 form("Tform_page_edit_jobhdr", Tform_page2::embedded_text("form_page_edit_jobhdr"));
    return form;
}

constexpr tjob_account_choice_tags choice_tags{Thandlermodule_edit_jobhdr::tag_edit_account,
                                               Thandlermodule_edit_jobhdr::tag_account_name,
                                               2103,
                                               2102,
                                               110,
                                               Thandlermodule_edit_jobhdr::tag_grid_accounts,
                                               108};

}  // namespace

Thandlermodule_edit_jobhdr::Thandlermodule_edit_jobhdr(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                                       tgraphbox_generic* agraphbox)
    : Thandlermodule_page(aowner, ahandler_type, agraphbox),
      fchoice(std::make_unique<tjob_account_choice>(*this, choice_tags)) {}

Thandlermodule_edit_jobhdr::~Thandlermodule_edit_jobhdr() = default;

const thandler_class& Thandlermodule_edit_jobhdr::handler_class() {
    static const thandler_class c("Thandlermodule_edit_jobhdr", &handler_factory_of<Thandlermodule_edit_jobhdr>,
                                  &order_form(), &tparams_edit_jobhdr::static_class());
    return c;
}

void Thandlermodule_edit_jobhdr::once_created() {
    tmiscobject_cell_source::install(
        *this, tag_lines_order, columns_order, [this] { return flist_lines.get_count(); },
        [this](int32_t arow, int32_t acol) { return get_cell_text(arow, acol); });
    fchoice->install();
    const auto* params = dynamic_cast<const tparams_edit_jobhdr*>(fparams.get());
    frecord.clear();
    flist_lines.clear();
    if (params) {
        frecord_id = params->fjob_id;
        Tdatamodule_jobs module(Tdatamodule_database_customers::instance());
        // A missing job leaves the record empty and the grid without lines.
        if (module.get_job_hdr(frecord, params->fjob_id)) {
            module.get_job_lines(flist_lines, params->fjob_id);
            faccount_text = module.get_account_name(frecord.get_fieldbyname_asl("account"));
        }
    }
    control<tvelmor_label>(tag_account_name).caption = faccount_text;
    control<tvelmor_grid>(tag_grid_lines).set_rowcount(flist_lines.get_count());
    // The header record is read by index (its class has no declared properties for field links).
    control<tvelmor_label>(tag_order_no).caption =
        frecord.get_is_field_assigned(0) ? utf8_to_utf16(std::to_string(frecord.get_field_asl(0))) : u"";
    set_focused_tag(tag_grid_lines, true);
}

void Thandlermodule_edit_jobhdr::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_edit_jobhdr*>(&aparams)) params->fjob_id = job_id();
}

std::u16string Thandlermodule_edit_jobhdr::get_cell_text(int32_t arow, int32_t acol) const {
    if (arow < 0 || arow >= flist_lines.get_count()) return u"??";
    const trecord_jobln& line = flist_lines.get_item(arow);
    switch (acol) {
        case 0: return utf8_to_utf16(std::to_string(line.flineno));
        case 1: return line.fpartno;
        case 2: return line.fdescription;
        case 3: return utf8_to_utf16(std::to_string(line.fqty));
        case 4: return tprocs_text_number<char16_t>::currency_to_str(line.fline_total, 2);
        default: return {};
    }
}

void Thandlermodule_edit_jobhdr::next_tab(int16_t atabno) {
    switch (atabno) {
        case 0:
            fchoice->end(faccount_text);
            ftabno = 0;
            // Back to viewing, no control has the focus (the account edit, hidden now, is not drawn).
            set_focused_tag(0, true);
            break;
        case 1:
            ftabno = 1;
            fsearch = faccount_text;
            fchoice->begin(faccount_text);
            break;
        default: throw tvelmor_exception("%s.next_tab( %d ); not implemented", class_name(), atabno);
    }
}

bool Thandlermodule_edit_jobhdr::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!as_keyup && ashift == 0 && (ftabno == 0 ? key_viewing(akey) : key_choosing(akey))) return true;
    if (!as_keyup && ftabno == 0 && ashift == ss_ctrl && akey == tvk::home) {
        next_tab(1);
        return true;
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_edit_jobhdr::key_viewing(uint16_t akey) {
    switch (akey) {
        case tvk::enter: open_line(); return true;
        case tvk::escape: fowner->page_exit(); return true;
        case tvk::prior:
        case tvk::next:
        case tvk::up:
        case tvk::down:
            return fcontrols->send_key(tag_grid_lines, canvas(), fgraphbox->ffont_tag, get_readonly(), akey, 0, false);
        default: return false;
    }
}

bool Thandlermodule_edit_jobhdr::key_choosing(uint16_t akey) {
    const auto result = fchoice->key(akey, frecord, faccount_text);
    if (result == tjob_account_choice::kr_done) next_tab(0);
    return result != tjob_account_choice::kr_not_handled;
}

void Thandlermodule_edit_jobhdr::open_line() {
    const int32_t row = control<tvelmor_grid>(tag_grid_lines).row;
    if (row < 0 || row >= flist_lines.get_count()) return;
    frecord_lineno = flist_lines.get_item(row).flineno;
    const tparam_value params[] = {int64_t{frecord_id}, int64_t{frecord_lineno}};
    // In place of the order.
    fowner->page_enter(Thandlermodule_edit_job2::handler_class(), params, true);
}

bool Thandlermodule_edit_jobhdr::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (ftabno == 1 && fchoice->callback_message(aparams, atag, amsg)) return true;
    return Thandlermodule_page::callback_message(aparams, atag, amsg);
}

void Thandlermodule_edit_jobhdr::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                               int32_t arow, int32_t acol) {
    if (fchoice->link().paint(acontrol, atheme, arect, arow, acol)) return;
    if (acontrol && acontrol->tag == tag_grid_lines)
        paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, get_cell_text(arow, acol));
}
