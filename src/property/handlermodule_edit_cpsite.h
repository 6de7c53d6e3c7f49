// The site editor (page 25): one site's four address lines, edited and saved through journal 311.
// Ctrl+Page Down shows the site's pictures in place of this page, Ctrl+Page Up leaves.
#pragma once

#include <cstdint>

#include "pages/handlermodule_edit_generic.h"

class thandler_class;

class Thandlermodule_edit_cpsite : public Thandlermodule_edit_generic {
public:
    static constexpr int16_t pageno = 25;
    static constexpr int16_t pageno_pics = 24;
    static constexpr int32_t tag_label_id = 205;
    static constexpr int32_t tag_edit_address1 = 208;

    Thandlermodule_edit_cpsite(tpage_controller_generic* aowner, thandler_type ahandler_type,
                               tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_edit_cpsite"; }
    // Form Tform_page_edit_cpsite, record tparams_id (kept until the first layout reads it).
    static const thandler_class& handler_class();

    void handle_resize(bool as_skip_draw) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    void save_params(tparams_generic& aparams) override;

    int32_t fid_site = -1;

private:
    void load_site();
    bool floaded = false;
};
