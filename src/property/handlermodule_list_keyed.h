// The base of the keyed lists (bill items, invoice templates, sites): a header row over a grid of
// keyed lines (id and one text), loaded by task 101 after the first layout, Enter opens the
// current line's page, Esc leaves. The id last opened travels in the page's record
// (tparams_launch2), so coming back reloads the list on that line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/handlermodule_page.h"

class tvelmor_grid;

class Thandlermodule_list_keyed : public Thandlermodule_page {
public:
    static constexpr int32_t tag_grid_header = 102;
    static constexpr int32_t tag_grid = 103;
    static constexpr int32_t task_load = 101;

    struct tkeyed_line {
        int32_t fid = 0;
        std::u16string ftext;
    };

    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_list_keyed"; }

    void once_created() override;
    void save_params(tparams_generic& aparams) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    void run_task(int32_t atag, int32_t aparam) override;
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override;

    tvelmor_grid& grid();
    int32_t line_count() const { return static_cast<int32_t>(flines.size()); }
    // The text of a cell of the header (row 0) or of the grid.
    std::u16string cell_text(int32_t atag, int32_t arow, int32_t acol) const;
    // The current row's line, or nullptr when the grid is empty.
    const tkeyed_line* current_line();

    std::vector<tkeyed_line> flines;
    int16_t flaunch_page = 0;
    int32_t flaunch_id = 0;

protected:
    void once_laid_out() override;
    // A list of few lines may load them with the first layout rather than by task after it.
    virtual bool loads_with_layout() const { return false; }
    virtual std::vector<tkeyed_line> load_lines() = 0;
    // Enters the page of line aid (the list stays beneath).
    virtual void open_line(int32_t aid) = 0;
    virtual std::u16string header_caption(int32_t acol) const = 0;
    // Opens the current line, remembering its id.
    void open_current();

private:
    void reload();
};
