// The site edit-list (page 15): the sites, one site's addresses and its pictures as three tabs of
// one page (0 list, 1 details, 2 pictures), saved through journal 311. Insert or the list menu
// starts a new site; on the pictures tab the menu adds or deletes a picture, which is stored in
// the working record and saved with it.
#pragma once

#include <cstdint>
#include <memory>

#include "containers/list_flat.h"
#include "pages/handlermodule_editlist_generic.h"
#include "property/datamodule_cp_site.h"
#include "property/records_cp_site.h"
#include "property/site_pics_view.h"

class thandler_class;
class tvelmor_grid;

class Thandlermodule_editlist_cpsite : public Thandlermodule_editlist_generic {
public:
    static constexpr int16_t pageno = 15;
    static constexpr int16_t pageno_edit_cpunit = 16;
    static constexpr int32_t tag_panel_list = 2102;
    static constexpr int32_t tag_panel_pics = 2104;
    static constexpr int32_t tag_grid_header = 202;
    static constexpr int32_t tag_label_id = 305;
    static constexpr int32_t tag_edit_address1 = 308;
    static constexpr int32_t tag_counter = 403;
    static constexpr int32_t tag_picture = 406;
    static constexpr int32_t tag_menu_list = 102;
    static constexpr int32_t tag_menu_pics = 106;
    static constexpr int32_t tag_ontop_delete = 9102;
    static constexpr int32_t tag_ontop_menu = 9201;

    Thandlermodule_editlist_cpsite(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                   tgraphbox_generic* agraphbox);
    ~Thandlermodule_editlist_cpsite() override;
    const char* class_name() const override { return "Thandlermodule_editlist_cpsite"; }
    // Form Tform_page_editlist_cpsite, record tparams_null.
    static const thandler_class& handler_class();

    void once_created() override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    int32_t get_ejt_id() override { return 311; }
    void load_record() override;
    bool set_tabpageno(int16_t atabpageno, bool arefresh) override;
    void commit_edit(bool as_stay) override;

    // The panel of a tab: 2102 the list, 2103 the details, 2104 the pictures.
    int32_t get_tabpage_panel(int16_t atabpageno) const;
    tvelmor_grid& grid();
    int32_t line_count() const { return flist_sites.get_count(); }
    std::u16string cell_text(int32_t atag, int32_t arow, int32_t acol) const;

    void new_site();
    void add_pic();
    void ask_delete_pic();

    tlist_flat<trecord_cpsite> flist_sites;
    tsite_pics_view fview;

protected:
    void once_laid_out() override;

private:
    bool keydown_pics(uint16_t akey, tshift_state ashift, bool as_keyup);
    bool callback_tab(void* aparams, int32_t atag, int32_t amsg);
    void delete_site();
    void delete_pic();
    // Puts apics into the working record and saves it, staying on the pictures tab.
    void store_pics(int64_t apics);
    int64_t record_pics() const;
    void show_counter();
    void show_tab_bars(int16_t atabpageno);
    void refresh_line();

    std::unique_ptr<Tdatamodule_cp_site> fmodule;
    bool fsaving_new = false;
    bool fline_stale = false;
};
