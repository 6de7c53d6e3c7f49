#include "plu/handlermodule_search_plu.h"

#include "pages/datamodule_search_grid.h"
#include "pages/page_support.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/container_controls.h"
#include "controls/platform.h"
#include "controls/text_controls.h"
#include "database/datamodule_database_customers.h"
#include "plu/csv_source_plu.h"
#include "plu/handlermodule_edit_plu.h"
#include "plu/word_key.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "procs/message_format.h"
#include "values/params_generic.h"

namespace {

const Tform_page2& search_form() {
    static const Tform_page2 form("Tform_page_search_plu", Tform_page2::embedded_text("form_page_search_plu"));
    return form;
}

}  // namespace

Thandlermodule_search_plu::Thandlermodule_search_plu(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                                     tgraphbox_generic* agraphbox)
    : Thandlermodule_page(aowner, ahandler_type, agraphbox),
      ftransaction_plu(Tdatamodule_database_customers::instance().database_customers),
      query_plu(Tdatamodule_database_customers::instance().database_customers, ftransaction_plu,
                qoStartTransaction | qoAutoCommit),
      flink(
          *this, [this] { return static_cast<int32_t>(flist_lines.size()); },
          [this](int32_t arow, int32_t acol) { return get_cell_text(arow, acol); }, tag_grid, tag_lines, 2) {
    query_plu.add_sql_line("SELECT code, product");
    query_plu.add_sql_line("FROM plu");
    query_plu.add_sql_line("WHERE id = :id");
    const std::string folder = Tdatamodule_database_customers::instance().data_files_folder();
    fword_index = std::make_unique<Tdatamodule_word_index2>(folder);
    if (!Tdatamodule_word_index2::files_present(folder)) {
        findex_problem = message_index_missing;
        return;
    }
    // A damaged index is reported on the page like a missing one: the page stays usable.
    try {
        fword_index->load_from_file_asbinary();
    } catch (const tvelmor_exception& e) {
        findex_problem = utf8_to_utf16(e.what());
    }
}

Thandlermodule_search_plu::~Thandlermodule_search_plu() = default;

const thandler_class& Thandlermodule_search_plu::handler_class() {
    static const thandler_class c("Thandlermodule_search_plu", &handler_factory_of<Thandlermodule_search_plu>,
                                  &search_form(), &tparams_search_plu::static_class());
    return c;
}

tvelmor_grid& Thandlermodule_search_plu::grid() { return flink.grid(); }

tvelmor_edit& Thandlermodule_search_plu::edit() { return control<tvelmor_edit>(tag_edit); }

void Thandlermodule_search_plu::once_created() {
    // The grid's text source: the page's lines, so whoever reads the grid's cells sees what it paints.
    flink.install();
    if (auto* params = dynamic_cast<tparams_search_plu*>(fparams.get())) fsearch = params->fsearch;
    edit().set_text(fsearch);
    set_focused_tag(tag_edit, true);
}

void Thandlermodule_search_plu::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_search_plu*>(&aparams)) {
        params->frow_start = grid().row;
        params->fsearch = fsearch;
    }
}

void Thandlermodule_search_plu::once_laid_out() { start_search(); }

void Thandlermodule_search_plu::start_search() {
    ++fsearch_update_id;
    fsearch = upper_text(trim_search_text(edit().get_text()));
    flist_lines.clear();
    tvelmor_grid& g = grid();
    g.set_rowcount(0);
    g.row_setfull(0);
    if (findex_problem.empty()) {
        // A damaged block is said by the first posted message, as a missing index is.
        try {
            fword_index->search_first(utf16_to_utf8(fsearch));
        } catch (const tvelmor_exception& e) {
            index_failed(e);
        }
    }
    ffilling = true;
    fcompleting = false;
    tplatform::instance().post_message(tprivate_message::wm_user, fsearch_update_id, 0);
}

int32_t Thandlermodule_search_plu::take_ids(int32_t acount) {
    int32_t got = 0;
    if (!findex_problem.empty() || acount <= 0) return 0;
    try {
        if (!fword_index->search_get_records(fids, got, acount)) return 0;
    } catch (const tvelmor_exception& e) {
        index_failed(e);
        return 0;
    }
    for (int32_t i = 0; i < got; ++i) flist_lines.push_back({fids[static_cast<size_t>(i)], {}, {}, false});
    return got;
}

// The index cannot be read any further: from now on the page finds nothing and says why once.
void Thandlermodule_search_plu::index_failed(const tvelmor_exception& aerror) {
    findex_problem = utf8_to_utf16(aerror.what());
    fproblem_shown = false;
    fword_index->fsearch_eof = true;
}

void Thandlermodule_search_plu::windows_message(const twindows_message& amsg) {
    if (amsg.wparam != fsearch_update_id || amsg.wparam < 0) return;
    if (amsg.msg == tprivate_message::wm_user && ffilling) fill_first_screen();
    if (amsg.msg == tprivate_message::wm_user_lines) {
        fcompleting = false;
        complete_line(static_cast<int32_t>(amsg.lparam));
    }
}

// Said once, from a posted message or a key rather than from inside a layout or paint.
void Thandlermodule_search_plu::show_index_problem() {
    if (findex_problem.empty() || fproblem_shown) return;
    fproblem_shown = true;
    tplatform::instance().message_box(findex_problem, u"Search PLUs", tmsgbox_buttons::ok, tmsgbox_icon::warning);
}

// One step of the first screen: ids of one word at most, then the next step is posted.
void Thandlermodule_search_plu::fill_first_screen() {
    tvelmor_grid& g = grid();
    int32_t wanted = g.row_count_visible;
    // Coming back from the editor: enough lines to show the remembered row.
    if (auto* params = dynamic_cast<tparams_search_plu*>(fparams.get()))
        wanted = std::max(wanted, params->frow_start + g.row_count_visible);
    show_index_problem();
    const int32_t missing = wanted - static_cast<int32_t>(flist_lines.size());
    if (missing > 0 && findex_problem.empty() && !fword_index->fsearch_eof) {
        if (take_ids(missing) > 0 && static_cast<int32_t>(flist_lines.size()) < wanted && !fword_index->fsearch_eof) {
            tplatform::instance().post_message(tprivate_message::wm_user, fsearch_update_id, 0);
            return;
        }
    }
    show_index_problem();
    ffilling = false;
    g.set_rowcount(static_cast<int32_t>(flist_lines.size()));
    // A remembered row is selected once its line is loaded; otherwise the first row.
    if (!fparams) g.row_setfull(0);
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
    fcompleting = true;
    tplatform::instance().post_message(tprivate_message::wm_user_lines, fsearch_update_id, 0);
}

void Thandlermodule_search_plu::complete_line(int32_t aindex) {
    const int32_t count = static_cast<int32_t>(flist_lines.size());
    if (aindex < 0 || aindex >= count) {
        lines_done();
        return;
    }
    trecord_line& line = flist_lines[static_cast<size_t>(aindex)];
    if (!line.floaded) {
        query_plu.ParamByName("id").set_asinteger(line.fid);
        try {
            query_plu.execute();
            if (!query_plu.eof()) {
                line.fcode = query_plu.FieldByName("code").as_widestring();
                line.fproduct = query_plu.FieldByName("product").as_widestring();
            }
        } catch (...) {
            query_plu.close();
            throw;
        }
        query_plu.close();
        line.floaded = true;
        if (grid().is_row_visible(aindex)) get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
    }
    if (aindex + 1 < count) {
        fcompleting = true;
        tplatform::instance().post_message(tprivate_message::wm_user_lines, fsearch_update_id, aindex + 1);
    } else
        lines_done();
}

void Thandlermodule_search_plu::lines_done() {
    auto* params = dynamic_cast<tparams_search_plu*>(fparams.get());
    if (!params) return;
    tvelmor_grid& g = grid();
    if (params->frow_start >= 0 && params->frow_start < static_cast<int32_t>(flist_lines.size()))
        g.row_setfull(params->frow_start);
    fparams.reset();
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
}

// More lines near the end of the grid: a screen of further ids, completed one line per message.
void Thandlermodule_search_plu::data_request(uint8_t ahow) {
    if (ffilling || fword_index->fsearch_eof || !findex_problem.empty() || !flink.wants_lines(ahow)) return;
    tvelmor_grid& g = grid();
    const int32_t first_new = static_cast<int32_t>(flist_lines.size());
    for (int32_t wanted = g.row_count_visible; wanted > 0 && !fword_index->fsearch_eof;) wanted -= take_ids(wanted);
    show_index_problem();
    if (static_cast<int32_t>(flist_lines.size()) == first_new) return;
    g.set_rowcount(static_cast<int32_t>(flist_lines.size()));
    flink.redraw();
    if (!fcompleting) {
        fcompleting = true;
        tplatform::instance().post_message(tprivate_message::wm_user_lines, fsearch_update_id, first_new);
    }
}

bool Thandlermodule_search_plu::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (tcsv_export::handle_key(fexport, akey, ashift, as_keyup)) return true;
    if (!as_keyup && ashift == 0) {
        switch (akey) {
            case tvk::enter: enter_current_line(); return true;
            case tvk::escape: fowner->page_exit(); return true;
            case tvk::f7: fowner->run_menu(true); return true;
            case tvk::prior:
            case tvk::next:
            case tvk::up:
            case tvk::down:
                return fcontrols->send_key(tag_grid, canvas(), fgraphbox->ffont_tag, get_readonly(), akey, ashift,
                                           as_keyup);
            default: break;
        }
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_search_plu::enter_current_line() {
    const int32_t row = grid().row;
    if (row < 0 || row >= static_cast<int32_t>(flist_lines.size())) return;
    const tparam_value params[] = {int64_t{flist_lines[static_cast<size_t>(row)].fid}};
    fowner->page_enter(Thandlermodule_edit_plu::handler_class(), params, false);
}

bool Thandlermodule_search_plu::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    // The result must not change under an export.
    if (fexport) return true;
    switch (amsg) {
        case tmsg_code::grid_moved:
            if (atag == tag_grid) data_request(static_cast<tmsg_params_grid_moved*>(aparams)->how);
            return true;
        case tmsg_code::edit_text_changed:
            if (atag == tag_edit) {
                // The remembered row belongs to the search the page came back with.
                fparams.reset();
                start_search();
                get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
            }
            return true;
        case tmsg_code::ontop_closed:
            if (atag == tag_ontop_menu && static_cast<tmsg_params_ontop_result*>(aparams)->result == 0) start_export();
            return true;
        default: return Thandlermodule_page::callback_message(aparams, atag, amsg);
    }
}

void Thandlermodule_search_plu::start_export() {
    // An index that cannot be searched has no result to export: said as the search says it.
    if (!findex_problem.empty()) {
        tplatform::instance().message_box(findex_problem, u"Search PLUs", tmsgbox_buttons::ok, tmsgbox_icon::warning);
        return;
    }
    fexport = tcsv_export::start(*this, get_messages(), u"plus.csv",
                                 std::make_unique<tcsv_source_plu>(Tdatamodule_database_customers::instance(),
                                                                   utf16_to_utf8(fsearch)));
}

void Thandlermodule_search_plu::run_task(int32_t atag, int32_t) { tcsv_export::run_task(fexport, atag); }

std::u16string Thandlermodule_search_plu::get_cell_text(int32_t arow, int32_t acol) const {
    if (arow < 0 || arow >= static_cast<int32_t>(flist_lines.size())) return {};
    const trecord_line& line = flist_lines[static_cast<size_t>(arow)];
    if (!line.floaded) return {};
    if (acol == 0) return line.fcode;
    if (acol == 1) return line.fproduct;
    return {};
}

void Thandlermodule_search_plu::control_draw(int32_t atag) {
    if (atag >= 101 && atag <= 104) draw_control(atag, false);
}

void Thandlermodule_search_plu::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                              int32_t arow, int32_t acol) {
    flink.paint(acontrol, atheme, arect, arow, acol);
}
