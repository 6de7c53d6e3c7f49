// The site pictures page (page 24): a site's pictures one at a time, Page Up and Page Down to move
// between them; the header plus (or the page menu) adds a JPEG file through the picture file
// dialog, the header minus (or the menu) removes the picture shown after a question. Ctrl+Page Up
// shows the site editor and Ctrl+Page Down the site's units, each in place of this page.
#pragma once

#include <cstdint>
#include <memory>

#include "pages/handlermodule_page.h"
#include "property/datamodule_cp_site.h"
#include "property/site_pics_view.h"

class thandler_class;

class Thandlermodule_edits_cpsite_pics : public Thandlermodule_page {
public:
    static constexpr int16_t pageno = 24;
    static constexpr int16_t pageno_edit_cpsite = 25;
    static constexpr int16_t pageno_edit_cpunit = 16;
    static constexpr int32_t tag_counter = 403;
    static constexpr int32_t tag_picture = 406;
    static constexpr int32_t tag_ontop_delete = 9102;
    static constexpr int32_t tag_ontop_menu = 9201;
    static constexpr int32_t ejt_cp_site = 311;

    Thandlermodule_edits_cpsite_pics(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                     tgraphbox_generic* agraphbox);
    ~Thandlermodule_edits_cpsite_pics() override;
    const char* class_name() const override { return "Thandlermodule_edits_cpsite_pics"; }
    // Form Tform_page_edits_cpsite_pics, record tparams_id (kept until the first layout reads it).
    static const thandler_class& handler_class();

    void handle_resize(bool as_skip_draw) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;
    void save_params(tparams_generic& aparams) override;

    // The picture file dialog, then the chosen file copied and its number stored in the site.
    void add_pic();
    // Asks "Delete PIC ?    ( Y / N )"; yes empties the slot of the picture shown (the file stays).
    void ask_delete_pic();

    int32_t fid_site = -1;
    tsite_pics_view fview;

private:
    void load_site();
    void delete_pic();
    // Writes the site's new pics value (journal 311 with only id and pics) and shows picture 1.
    void store_pics(int64_t apics);
    void show_counter();
    void go_site_page(int16_t apageno);

    std::unique_ptr<Tdatamodule_cp_site> fmodule;
    bool floaded = false;
};

// Writes a site's pics value alone through journal 311.
void save_site_pics(int32_t aid_site, int64_t apics);
// The picture file dialog; on OK the chosen file is copied (add_pic) and its number put into the
// first empty slot of apics. False when the dialog was cancelled. With all four slots used it
// raises "Unable to Add Pic in <aclass_name>.add_pic();" (the copy and its number stay used).
bool choose_site_pic(Tdatamodule_cp_site& amodule, int64_t& apics, const char* aclass_name);
