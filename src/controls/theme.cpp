#include "controls/theme.h"

#include "controls/element.h"
#include "procs/message_format.h"

trenderer_table& trenderer_table::global() {
    static const tvelmor_render_grid_generic grid;
    static const tvelmor_render_bevel_generic bevel;
    static const tvelmor_render_label_generic label;
    static const tvelmor_render_button_generic button;
    static const tvelmor_render_edit_generic edit;
    static const tvelmor_render_memo_generic memo;
    static const tvelmor_render_combobox_generic combobox;
    static const tvelmor_render_checkbox_generic checkbox;
    static const tvelmor_render_scrollbar_generic scrollbar;
    static trenderer_table table{{&grid, &grid, &grid, &grid, &grid}, {&bevel, &bevel}, {&label, &label},
                                 {&button, &button, &button}, &edit, &memo, &combobox, &checkbox, &scrollbar};
    return table;
}

void tvelmor_theme::save_as_text(std::string& amsgtext) const {
    add_dump_line(amsgtext, class_name());
    add_dump_line(amsgtext, tprocs_message::format("tag_theme = %d.", {tag_theme}));
    if (*renderclass_name()) add_dump_line(amsgtext, tprocs_message::format("renderclass = [%s]", {renderclass_name()}));
}
