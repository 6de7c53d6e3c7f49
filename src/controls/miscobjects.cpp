#include "controls/miscobjects.h"

#include "controls/container_controls_generic.h"
#include "controls/controls_owner.h"
#include "controls/element.h"
#include "controls/grid_controls.h"
#include "controls/theme.h"
#include "procs/message_format.h"
#include "values/values_simple.h"

namespace {
constexpr int32_t font_tahoma_10 = 25866;

void dump_header(std::string& amsgtext, const tvelmor_miscobject& aobject) {
    add_dump_line(amsgtext, tprocs_message::format("%s tag = %d.", {aobject.class_name(), aobject.tag}));
}

// The grid renderer of a cell painter's theme, when the theme is a grid theme with a renderer.
tvelmor_theme_grid_brief* grid_theme(tvelmor_theme* atheme) {
    auto* t = dynamic_cast<tvelmor_theme_grid_brief*>(atheme);
    return t && t->classrender ? t : nullptr;
}
}  // namespace

// ---- Value ----

void tmiscobject_value::get_debug_text(std::string& amsgtext) const { dump_header(amsgtext, *this); }

bool tmiscobject_value::get_textvalue_rowcol(std::u16string& atext, int32_t arow, int32_t acol) {
    atext.clear();
    if (arow == -1) return true;
    auto* array = dynamic_cast<tvalue_array*>(value.get());
    if (!array || arow < 0 || arow >= array->count()) return false;
    auto text_at = [&](tvalue_array& a, int32_t aindex) {
        if (aindex < 0 || aindex >= a.count() || !a.get_value(aindex)) return false;
        atext = a.get_value(aindex)->get_asunicodestring();
        return true;
    };
    if (auto* row = dynamic_cast<tvalue_array*>(array->get_value(arow))) return text_at(*row, acol);
    if (arow == 0) return text_at(*array, acol);
    if (acol == 0) return text_at(*array, arow);
    return false;
}

// ---- Grid columns ----

tmiscobject_gridcolumns::tcolumn& tmiscobject_gridcolumns::column(int32_t acol) {
    if (acol < 0 || acol >= static_cast<int32_t>(columns.size()))
        throw tvelmor_exception("Index out of range in %s.get_column( %d );", class_name(), acol);
    return columns[static_cast<size_t>(acol)];
}

const tmiscobject_gridcolumns::tcolumn& tmiscobject_gridcolumns::column(int32_t acol) const {
    return const_cast<tmiscobject_gridcolumns*>(this)->column(acol);
}

void tmiscobject_gridcolumns::get_debug_text(std::string& amsgtext) const {
    dump_header(amsgtext, *this);
    for (const tcolumn& c : columns)
        add_dump_line(amsgtext, tprocs_message::format("alignment %d font %d margin %d",
                                                       {static_cast<int32_t>(c.alignment), c.font, c.margin}));
}

void tmiscobject_gridcolumns::control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_control* acontrol,
                                            tvelmor_theme* atheme, const std::u16string& atext, const trect& arect,
                                            int32_t arow, int32_t acol) {
    const tcolumn* c = acol >= 0 && acol < static_cast<int32_t>(columns.size()) ? &columns[static_cast<size_t>(acol)]
                                                                               : nullptr;
    tcell_format format = c ? tcell_format{c->font, c->alignment, c->margin} : tcell_format{};
    paint_cell(afont_tag, acanvas, acontrol, atheme, atext, arect, arow, acol, c ? &format : nullptr);
}

// ---- List rows ----

void tmiscobject_listrows::add_field(const std::string& afieldname, tvelmor_value_type_extended afieldtype) {
    if (static_cast<int32_t>(ffields.size()) >= fcapacity)
        throw tvelmor_exception("Too many fields added in %s.add_field();", class_name());
    ffields.push_back({afieldname, afieldtype, -1});
}

void tmiscobject_listrows::setup_data(const std::vector<tvalue_generic2*>* alist, const tvalue_generic2& alayout) {
    for (tfield& f : ffields) {
        if (!alayout.get_field_index(f.index, f.fieldname))
            throw tvelmor_exception("Missing \"%s\" field on %s record in %s.setup_data();", f.fieldname,
                                    alayout.class_name(), class_name());
        if (f.fieldtype != vf_longint && f.fieldtype != vf_unicodestring && f.fieldtype != vf_ansistring)
            throw tvelmor_exception("Unsupported fieldtype %d in %s.setup_data();", static_cast<int32_t>(f.fieldtype),
                                    class_name());
    }
    flist = alist;
}

void tmiscobject_listrows::get_debug_text(std::string& amsgtext) const {
    dump_header(amsgtext, *this);
    for (const tfield& f : ffields) add_dump_line(amsgtext, tprocs_message::format("%s index %d", {f.fieldname, f.index}));
}

bool tmiscobject_listrows::get_textvalue_rowcol(std::u16string& atext, int32_t arow, int32_t acol) {
    atext.clear();
    if (arow == -1) return true;
    if (!flist || acol < 0 || acol >= static_cast<int32_t>(ffields.size()) || arow < 0 ||
        arow >= static_cast<int32_t>(flist->size()))
        return false;
    const tfield& f = ffields[static_cast<size_t>(acol)];
    const tvalue_generic2& row = *(*flist)[static_cast<size_t>(arow)];
    if (f.index < 0) return false;
    switch (f.fieldtype) {
    case vf_longint: atext = utf8_to_utf16(std::to_string(row.get_aslongint1(f.index))); break;
    case vf_unicodestring: atext = row.get_asunicodestring1(f.index); break;
    default: atext = utf8_to_utf16(row.get_asansistring(f.index)); break;
    }
    return true;
}

// ---- Screen parameters ----

void tmiscobject_screenparams::get_debug_text(std::string& amsgtext) const {
    dump_header(amsgtext, *this);
    add_dump_line(amsgtext, tprocs_message::format("header_caption = %s.", {header_caption}));
}

// ---- Message lines ----

bool tvelmor_messagelines::add_message_line(const std::u16string&, int16_t, tflags_messageline) {
    throw tvelmor_exception("%s.add_message_line(); not implemented.", class_name());
}

bool tvelmor_messagelines::store_line(const std::u16string& atext, int16_t amargin, tflags_messageline aflags) {
    bool setlast = aflags.contains(ml_setlast);
    if (setlast && atext.empty()) return false;
    if (setlast && !lines.empty() && lines.back().flags.contains(ml_setlast)) {
        lines.back() = tline{atext, amargin, aflags};
    } else {
        lines.push_back(tline{atext, amargin, aflags});
    }
    return true;
}

void tvelmor_messagelines::get_debug_text(std::string& amsgtext) const {
    dump_header(amsgtext, *this);
    for (const tline& l : lines) add_dump_line(amsgtext, tprocs_message::format("%s", {l.text}));
}

bool tvelmor_messagelines_grid::add_message_line(const std::u16string& atext, int16_t amargin,
                                                 tflags_messageline aflags) {
    if (!store_line(atext, amargin, aflags)) return false;
    tcontainer_controls_generic* controls = owner ? owner->get_controls() : nullptr;
    auto* grid = controls ? dynamic_cast<tvelmor_customgrid*>(controls->get_control(tag_control)) : nullptr;
    if (!grid) return true;
    grid->set_rowcount(static_cast<int32_t>(lines.size()));
    // Redraw only when the grid can be drawn (it has a grid theme and the page has been laid out).
    auto* theme = grid_theme(controls->get_theme(grid));
    if (theme && controls->has_calculate_viewports) {
        trect r;
        controls->get_viewport(grid->tag, r);
        int32_t last = grid->rowcount - 1;
        theme->classrender->draw_row2(*grid, theme, r, last, -1);
    }
    return true;
}

bool tvelmor_messagelines_grid::get_textvalue_rowcol(std::u16string& atext, int32_t arow, int32_t acol) {
    bool in_lines = acol == 0 && arow >= 0 && arow < static_cast<int32_t>(lines.size());
    atext = in_lines ? lines[static_cast<size_t>(arow)].text : u"";
    return in_lines || arow == -1;
}

void tvelmor_messagelines_grid::control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_control* acontrol,
                                              tvelmor_theme* atheme, const std::u16string& atext, const trect& arect,
                                              int32_t arow, int32_t acol) {
    bool in_lines = arow >= 0 && arow < static_cast<int32_t>(lines.size());
    tcell_format format{font_tahoma_10, taLeftJustify, in_lines ? lines[static_cast<size_t>(arow)].margin : int16_t{0}};
    paint_cell(afont_tag, acanvas, acontrol, atheme, atext, arect, arow, acol, in_lines ? &format : nullptr);
}

// ---- Data fields ----

std::u16string tmiscobject_datafields::get_textvalue_fieldno(int32_t afieldno) {
    if (afieldno < 0 || afieldno >= static_cast<int32_t>(fields.size()))
        throw tvelmor_exception("Index %d out of range in %s.get_textvalue_fieldno();", afieldno, class_name());
    return datasource ? datasource->field_text(fields[static_cast<size_t>(afieldno)]) : u"";
}

void tmiscobject_datafields::get_debug_text(std::string& amsgtext) const { dump_header(amsgtext, *this); }
