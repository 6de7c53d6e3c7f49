// The PLU search (page 3): a search edit and a grid of the PLUs that have a word beginning with
// the text, found in the word index. One screen of ids comes first (message 1024), then each
// line's code and product are read one line per message (1025), so the page answers while rows
// fill in; a new search makes the messages of the earlier one void.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "database/fb_query.h"
#include "plu/datamodule_word_index2.h"
#include "pages/csv_export.h"
#include "pages/handlermodule_page.h"
#include "pages/search_grid_link.h"

class thandler_class;
class tvelmor_grid;
class tvelmor_edit;

class Thandlermodule_search_plu : public Thandlermodule_page {
public:
    static constexpr int16_t pageno = 3;
    static constexpr int32_t tag_edit = 103;
    static constexpr int32_t tag_grid = 104;
    static constexpr int32_t tag_lines = 103;
    static constexpr int32_t tag_ontop_menu = 9201;
    static constexpr const char16_t* message_index_missing =
        u"the PLU index is missing; rebuild it from the maintenance menu";

    struct trecord_line {
        int32_t fid = 0;
        std::u16string fcode;
        std::u16string fproduct;
        bool floaded = false;
    };

    Thandlermodule_search_plu(tpage_controller_generic* aowner, thandler_type ahandler_type,
                              tgraphbox_generic* agraphbox);
    ~Thandlermodule_search_plu() override;
    const char* class_name() const override { return "Thandlermodule_search_plu"; }
    // Form Tform_page_search_plu, record tparams_search_plu.
    static const thandler_class& handler_class();

    void once_created() override;
    void save_params(tparams_generic& aparams) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void windows_message(const twindows_message& amsg) override;
    void control_draw(int32_t atag) override;
    // The steps of an export to CSV.
    void run_task(int32_t atag, int32_t aparam) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    tvelmor_grid& grid();
    tvelmor_edit& edit();
    std::u16string get_cell_text(int32_t arow, int32_t acol) const;

    std::vector<trecord_line> flist_lines;
    std::u16string fsearch;
    int32_t fsearch_update_id = 0;
    // Why the index cannot be searched (missing or unreadable files); empty when it can.
    std::u16string findex_problem;
    // The export under way ("Export to CSV..." of the page menu), if any.
    std::unique_ptr<tcsv_export> fexport;

protected:
    void once_laid_out() override;

private:
    void start_search();
    void fill_first_screen();
    void complete_line(int32_t aindex);
    int32_t take_ids(int32_t acount);
    void data_request(uint8_t ahow);
    void lines_done();
    void index_failed(const tvelmor_exception& aerror);
    void show_index_problem();
    void enter_current_line();
    void start_export();

    tfb_transaction ftransaction_plu;
    tfb_query query_plu;
    std::unique_ptr<Tdatamodule_word_index2> fword_index;
    std::vector<int32_t> fids;
    // The grid painted and read from flist_lines.
    tsearch_grid_link flink;
    bool ffilling = false;       // the first screen's ids are still being taken
    bool fcompleting = false;    // a 1025 is on its way
    bool fproblem_shown = false;
};
