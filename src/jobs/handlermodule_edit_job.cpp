#include "jobs/handlermodule_edit_job.h"

#include "controls/control_messages.h"
#include "controls/key_codes.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "values/params_generic.h"

namespace {

const Tform_page2& line_choice_form() {
    static const Tform_page2 form("Tform_page_edit_job", Tform_page2::embedded_text("form_page_edit_job"));
    return form;
}

constexpr tjob_account_choice_tags choice_tags{Thandlermodule_edit_job::tag_edit_account,
                                               Thandlermodule_edit_job2::tag_account_name,
                                               2103,
                                               0,
                                               107,
                                               Thandlermodule_edit_job::tag_grid_accounts,
                                               106};

}  // namespace

Thandlermodule_edit_job::Thandlermodule_edit_job(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                                 tgraphbox_generic* agraphbox)
    : Thandlermodule_edit_job2(aowner, ahandler_type, agraphbox),
      fchoice(std::make_unique<tjob_account_choice>(*this, choice_tags)) {}

Thandlermodule_edit_job::~Thandlermodule_edit_job() = default;

const thandler_class& Thandlermodule_edit_job::handler_class() {
    static const thandler_class c("Thandlermodule_edit_job", &handler_factory_of<Thandlermodule_edit_job>,
                                  &line_choice_form(), &tparams_edit_job::static_class());
    return c;
}

void Thandlermodule_edit_job::once_created() {
    fchoice->install();
    Thandlermodule_edit_job2::once_created();
}

void Thandlermodule_edit_job::next_tab(int16_t atabno) {
    switch (atabno) {
        case 0:
            fchoice->end(faccount_text);
            ftabno = 0;
            // The account edit losing the focus is hidden now: only the part number is drawn.
            set_focused_tag(tag_edit_partno, true);
            get_messages().add_message(501, jt_draw_control, fhandler_type, tag_edit_partno);
            break;
        case 1:
            ftabno = 1;
            fsearch = faccount_text;
            fchoice->begin(faccount_text);
            break;
        default: throw tvelmor_exception("%s.next_tab( %d ); not implemented", class_name(), atabno);
    }
}

bool Thandlermodule_edit_job::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ftabno == 1) {
        if (!as_keyup && key_choosing(akey, ashift)) return true;
        return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
    }
    if (is_order_key(akey, ashift, as_keyup)) {
        next_tab(1);
        return true;
    }
    if (!as_keyup && ashift == 0 && akey == tvk::escape) {
        fowner->page_exit();
        return true;
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_edit_job::key_choosing(uint16_t akey, tshift_state ashift) {
    if (ashift != 0) return false;
    const auto result = fchoice->key(akey, frecord, faccount_text);
    if (result == tjob_account_choice::kr_done) next_tab(0);
    return result != tjob_account_choice::kr_not_handled;
}

bool Thandlermodule_edit_job::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (ftabno == 1 && fchoice->callback_message(aparams, atag, amsg)) return true;
    return Thandlermodule_edit_job2::callback_message(aparams, atag, amsg);
}

void Thandlermodule_edit_job::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                            int32_t arow, int32_t acol) {
    fchoice->link().paint(acontrol, atheme, arect, arow, acol);
}
