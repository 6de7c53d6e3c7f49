// A handler stand-in for the grid drawing tests: it lists every cell it is asked to paint (which
// painter, row, column, rectangle) and, when given a canvas, paints the cell through the grid
// theme's renderer the way a page's painter does.
#pragma once

#include <string>
#include <vector>

#include "controls/controls_owner.h"
#include "controls/font_code.h"
#include "controls/geometry.h"
#include "controls/grid_controls.h"
#include "controls/recording_canvas.h"
#include "controls/theme.h"

inline std::string rect_text(const trect& r) {
    return "(" + std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
           std::to_string(r.bottom) + ")";
}

class tgrid_paint_owner : public icontrols_owner {
public:
    bool callback_message(void*, int32_t, int32_t) override { return false; }
    tvelmor_miscobject* get_miscobject(int32_t) override { return nullptr; }
    void control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                       int32_t acol) override {
        paint("paint", acontrol, atheme, arect, arow, acol);
    }
    void control_paint_default(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect, int32_t arow,
                               int32_t acol) override {
        paint("default", acontrol, atheme, arect, arow, acol);
    }
    void execute_command2(thandler_command) override {}
    tcontainer_controls_generic* get_controls() override { return nullptr; }

    std::vector<std::string> cells;     // "painter row,col (l t r b)"
    trecording_canvas* canvas = nullptr;  // when set, cells are painted through the renderer
    int32_t font_tag = 0;

private:
    void paint(const char* apainter, tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
               int32_t arow, int32_t acol) {
        cells.push_back(std::string(apainter) + " " + std::to_string(arow) + "," + std::to_string(acol) + " " +
                        rect_text(arect));
        auto* theme = dynamic_cast<tvelmor_theme_grid_brief*>(atheme);
        if (!canvas || !theme) return;
        auto& grid = static_cast<tvelmor_customgrid&>(*acontrol);
        if (arow == -1) {
            theme->classrender->erase_rows(*canvas, grid, arect);
        } else {
            theme->classrender->control_paint(font_tag, *canvas, grid, theme, arect, u"r" + to_u16(arow), arow, acol,
                                              font_code_default, taLeftJustify, 0);
        }
    }
    static std::u16string to_u16(int32_t a) {
        std::string s = std::to_string(a);
        return {s.begin(), s.end()};
    }
};

// Gives a grid its rows, visible rows, column widths and row height.
inline void setup_test_grid(tvelmor_customgrid& agrid, int32_t arowcount, int32_t avisible,
                            const std::vector<int32_t>& awidths, int16_t arow_height = 20) {
    agrid.tag = 101;
    agrid.row_height = arow_height;
    agrid.set_rowcount(arowcount);
    agrid.set_rowcount_visible(avisible);
    agrid.set_colwidths(awidths);
}
