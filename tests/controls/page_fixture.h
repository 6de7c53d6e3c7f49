// A handler stand-in that owns a control container, records the messages its controls send and
// the cells it is asked to paint, plus a builder for small pages of panels, viewports and controls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/container_controls.h"
#include "controls/controls_owner.h"
#include "controls/element.h"
#include "controls/grid_controls.h"
#include "controls/theme.h"

#include <algorithm>
#include <iterator>

struct tsent_message {
    int32_t tag;
    int32_t msg;
    bool operator==(const tsent_message&) const = default;
};

class ttest_owner : public icontrols_owner {
public:
    ttest_owner() : controls(this) {}

    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override {
        messages.push_back({atag, amsg});
        return answer ? answer(aparams, atag, amsg) : false;
    }
    tvelmor_miscobject* get_miscobject(int32_t atag) override {
        return parent_miscobjects ? parent_miscobjects->get_miscobject(atag) : nullptr;
    }
    void control_paint(tvelmor_control* acontrol, tvelmor_theme*, const trect&, int32_t arow, int32_t acol) override {
        painted.push_back(std::to_string(acontrol->tag) + ":" + std::to_string(arow) + "," + std::to_string(acol));
    }
    void control_paint_default(tvelmor_control*, tvelmor_theme*, const trect&, int32_t, int32_t) override {}
    void execute_command2(thandler_command) override {}
    tcontainer_controls_generic* get_controls() override { return &controls; }
    tgraphbox_generic* get_graphbox() override { return surface; }
    void set_footer_button_param(tfooter_button abutton, const std::u16string& acaption) override {
        footer_captions.push_back(std::to_string(abutton) + "=" + utf16_to_utf8(acaption));
    }

    tcontainer_controls2 controls;
    std::vector<tsent_message> messages;
    std::vector<std::string> painted;
    std::vector<std::string> footer_captions;
    std::function<bool(void*, int32_t, int32_t)> answer;
    tcontainer_controls_generic* parent_miscobjects = nullptr;
    tgraphbox_generic* surface = nullptr;
};

// Adds a panel to the container (stage 1).
inline tvelmor_panel* add_test_panel(tcontainer_controls2& acontrols, int32_t atag, int32_t aparent = 0,
                                     int16_t afocus_order = 0, tvelmor_panel_options aoptions = {}) {
    auto p = std::make_unique<tvelmor_panel>();
    p->tag = atag;
    p->tag_parent = aparent;
    p->focus_order = afocus_order;
    p->panel_options = aoptions;
    tvelmor_panel* raw = p.get();
    acontrols.add_element(std::move(p));
    return raw;
}

// Adds a control of class T to a panel (stage 2).
template <typename T>
T* add_test_control(ttest_owner& aowner, int32_t atag, int32_t atag_panel, int32_t atag_theme = 0) {
    auto c = std::make_unique<T>(&aowner);
    c->tag = atag;
    c->tag_panel = atag_panel;
    c->tag_theme = atag_theme;
    T* raw = c.get();
    aowner.controls.add_control(std::move(c));
    return raw;
}

template <typename T>
T* add_focusable(ttest_owner& aowner, int32_t atag, int32_t atag_panel, int16_t afocus_order) {
    T* c = add_test_control<T>(aowner, atag, atag_panel);
    c->focus_order = afocus_order;
    return c;
}

// A grid renderer for tests: rows of row_height below a two-pixel frame, and hit tests that are
// recorded; the real grid renderers are tested with the drawing code.
class ttest_grid_renderer : public tvelmor_render_grid_generic {
public:
    const char* class_name() const override { return "ttest_grid_renderer"; }
    int32_t get_maximum_visible_rowcount(const tvelmor_customgrid& acontrol, const trect& arect) const override;
    bool get_pt_cell(int32_t& arow, int32_t& acol, const tvelmor_customgrid& acontrol, const trect& arect, int32_t ax,
                     int32_t ay) const override;
    void draw_row2(tvelmor_customgrid&, tvelmor_theme_grid_brief*, const trect&, int32_t arow1,
                   int32_t arow2) const override {
        painted.push_back("rows " + std::to_string(arow1) + " " + std::to_string(arow2));
    }
    void erase_rows(tcanvas&, tvelmor_customgrid&, const trect& arect) const override {
        painted.push_back("erase " + std::to_string(arect.top));
    }
    void control_paint(int32_t&, tcanvas&, tvelmor_customgrid&, tvelmor_theme_grid_brief*, const trect&,
                       const std::u16string& atext, int32_t arow, int32_t acol, int32_t afont, TAlignment aalignment,
                       int32_t amargin) const override {
        painted.push_back(utf16_to_utf8(atext) + " " + std::to_string(arow) + "," + std::to_string(acol) + " font " +
                          std::to_string(afont) + " align " + std::to_string(aalignment) + " margin " +
                          std::to_string(amargin));
    }
    mutable std::vector<int32_t> hit_tested;   // tags of the grids asked
    mutable std::vector<std::string> painted;  // cells painted and areas erased
};

// Puts the test grid renderer behind every grid renderer name while it lives.
class tuse_test_grid_renderer {
public:
    tuse_test_grid_renderer() {
        auto& table = trenderer_table::global();
        std::copy(std::begin(table.grid), std::end(table.grid), fsaved);
        std::fill(std::begin(table.grid), std::end(table.grid), &renderer);
    }
    ~tuse_test_grid_renderer() { std::copy(std::begin(fsaved), std::end(fsaved), trenderer_table::global().grid); }
    ttest_grid_renderer renderer;

private:
    const tvelmor_render_grid_generic* fsaved[5];
};

inline int32_t ttest_grid_renderer::get_maximum_visible_rowcount(const tvelmor_customgrid& acontrol,
                                                                 const trect& arect) const {
    return acontrol.row_height > 0 ? (arect.bottom - arect.top - 2) / acontrol.row_height : 0;
}

inline bool ttest_grid_renderer::get_pt_cell(int32_t& arow, int32_t& acol, const tvelmor_customgrid& acontrol,
                                             const trect& arect, int32_t ax, int32_t ay) const {
    hit_tested.push_back(acontrol.tag);
    if (ax < arect.left || ax > arect.right || ay < arect.top || ay > arect.bottom || acontrol.row_height <= 0)
        return false;
    arow = acontrol.row_top + (ay - arect.top - 2) / acontrol.row_height;
    acol = 0;
    return true;
}
