// The site list (page 20): every site with its address; Enter (or Ctrl+Page Down) opens the page
// the list was entered for (the site editor or the meter readings) on the chosen site, keeping the
// list beneath, which selects that site again when the user comes back.
#pragma once

#include <cstdint>
#include <string>

#include "containers/list_flat.h"
#include "pages/handlermodule_page.h"
#include "property/records_cp_site.h"

class thandler_class;
class tvelmor_grid;

class Thandlermodule_list_cpsite : public Thandlermodule_page {
public:
    static constexpr int16_t pageno = 20;
    static constexpr int32_t tag_grid_header = 102;
    static constexpr int32_t tag_grid = 103;

    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_list_cpsite"; }
    // Form Tform_page_list_cpsite, record tparams_launch2 (kept until the first layout reads it).
    static const thandler_class& handler_class();

    void once_created() override;
    void handle_resize(bool as_skip_draw) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    void save_params(tparams_generic& aparams) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    tvelmor_grid& grid();
    int32_t line_count() const { return static_cast<int32_t>(flist_sites.get_count()); }
    std::u16string cell_text(int32_t atag, int32_t arow, int32_t acol) const;

    tlist_flat<trecord_cpsite> flist_sites;
    int16_t flaunch_page = 0;
    int32_t flaunch_id = -1;

private:
    void first_layout();
    void launch();
    bool flaid_out = false;
};
