#include "jobs/job_account_choice.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/panel.h"
#include "controls/text_controls.h"
#include "database/datamodule_database_customers.h"
#include "jobs/job_page_controls.h"
#include "pages/datamodule_messages.h"
#include "pages/handlermodule_page.h"
#include "pages/page_controller_generic.h"

tjob_account_choice::tjob_account_choice(Thandlermodule_page& apage, const tjob_account_choice_tags& atags)
    : fpage(apage),
      ftags(atags),
      fmodule(std::make_unique<Tdatamodule_search_account>(Tdatamodule_database_customers::instance())),
      flink(std::make_unique<tsearch_grid_link>(apage, *fmodule, atags.fgrid, atags.flines, 2)) {}

tjob_account_choice::~tjob_account_choice() = default;

void tjob_account_choice::swap_panels(int32_t apanel_old, int32_t apanel_new) {
    Tdatamodule_messages& messages = fpage.fowner->get_messages();
    if (apanel_old) {
        fpage.fcontrols->get_panel(apanel_old)->visible = false;
        messages.add_message(501, jt_erase_panel, fpage.fhandler_type, apanel_old, 0);
    }
    messages.add_message(501, jt_draw_control, fpage.fhandler_type, ftags.fbevel);
    if (apanel_new) {
        fpage.fcontrols->get_panel(apanel_new)->visible = true;
        messages.add_message(501, jt_draw_panel, fpage.fhandler_type, apanel_new);
    }
}

void tjob_account_choice::begin(const std::u16string& aname) {
    fpage.control<tvelmor_control>(ftags.fname).visible = false;
    fpage.control<tvelmor_edit>(ftags.fedit).set_text(aname);
    show_control(fpage, ftags.fedit, true);
    // The control losing the focus is drawn again unless it lies in the panel now hidden.
    const int32_t focused_before = fpage.ffocused_tag;
    fpage.set_focused_tag(ftags.fedit, true);
    if (focused_before != 0 && focused_before / 100 != ftags.fpanel_covered - 2100)
        fpage.fowner->get_messages().add_message(501, jt_draw_control, fpage.fhandler_type, focused_before);
    swap_panels(ftags.fpanel_covered, ftags.fpanel_search);
    flink->search(aname);
}

void tjob_account_choice::text_changed() {
    flink->search(trim_search_text(fpage.control<tvelmor_edit>(ftags.fedit).get_text()));
}

bool tjob_account_choice::current(int32_t& aid, std::u16string& aname) const {
    const int32_t row = flink->grid().row;
    if (!flink->has_line(row)) return false;
    aid = fmodule->line_id(row);
    aname = fmodule->line_name(row);
    return true;
}

void tjob_account_choice::end(const std::u16string& aname) {
    fpage.control<tvelmor_control>(ftags.fedit).visible = false;
    fpage.control<tvelmor_label>(ftags.fname).caption = aname;
    show_control(fpage, ftags.fname, true);
    fmodule->close();
    flink->grid().set_rowcount(0);
    // Without a covered panel the frame is drawn empty.
    swap_panels(ftags.fpanel_search, ftags.fpanel_covered);
}

tjob_account_choice::tkey_result tjob_account_choice::key(uint16_t akey, tdatarecord& arecord,
                                                          std::u16string& aname) {
    int32_t id = 0;
    switch (akey) {
        case tvk::enter:
            if (!current(id, aname)) return kr_handled;
            arecord.set_fieldbyname_asl("account", id);
            return kr_done;
        case tvk::escape: return kr_done;
        case tvk::prior:
        case tvk::next:
        case tvk::up:
        case tvk::down:
            fpage.fcontrols->send_key(ftags.fgrid, *fpage.fgraphbox->get_canvas(), fpage.fgraphbox->ffont_tag,
                                      fpage.get_readonly(), akey, 0, false);
            return kr_handled;
        default: return kr_not_handled;
    }
}

bool tjob_account_choice::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::edit_text_changed && atag == ftags.fedit) {
        text_changed();
        return true;
    }
    if (amsg == tmsg_code::grid_moved && atag == ftags.fgrid) {
        flink->data_request(static_cast<tmsg_params_grid_moved*>(aparams)->how);
        return true;
    }
    return false;
}
