#include "controls/miscobject_textlines.h"

#include "controls/element.h"
#include "procs/message_format.h"

namespace {
constexpr int32_t font_tahoma_10 = 25866;
}

void tmiscobject_textlines::add_textline(const std::u16string& acaption) { add_textline(count(), acaption); }

void tmiscobject_textlines::add_textline(int32_t aid, const std::u16string& acaption) {
    fitems.push_back(titem{aid, acaption});
}

const tmiscobject_textlines::titem& tmiscobject_textlines::item(int32_t aindex) const {
    if (aindex < 0 || aindex >= count())
        throw tvelmor_exception("Index out of range in %s.get_item( %d );", class_name(), aindex);
    return fitems[static_cast<size_t>(aindex)];
}

int32_t tmiscobject_textlines::get_value(int32_t aindex) const { return item(aindex).id; }

std::u16string tmiscobject_textlines::get_caption(int32_t aindex) const { return item(aindex).caption; }

int32_t tmiscobject_textlines::get_value_index(int32_t aid) const {
    for (int32_t i = 0; i < count(); ++i)
        if (fitems[static_cast<size_t>(i)].id == aid) return i;
    return -1;
}

void tmiscobject_textlines::get_debug_text(std::string& amsgtext) const {
    add_dump_line(amsgtext, tprocs_message::format("%s tag = %d.", {class_name(), tag}));
    for (const titem& i : fitems) add_dump_line(amsgtext, tprocs_message::format("%d: %s", {i.id, i.caption}));
}

bool tmiscobject_textlines::get_textvalue_rowcol(std::u16string& atext, int32_t arow, int32_t acol) {
    atext = acol == 0 && arow >= 0 && arow < count() ? fitems[static_cast<size_t>(arow)].caption : u"";
    return true;
}

void tmiscobject_textlines::control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_control* acontrol,
                                          tvelmor_theme* atheme, const std::u16string& atext, const trect& arect,
                                          int32_t arow, int32_t acol) {
    const tcell_format format{font_tahoma_10, taLeftJustify, 0};
    bool item_cell = acol == 0 && arow >= 0 && arow < count();
    paint_cell(afont_tag, acanvas, acontrol, atheme, atext, arect, arow, acol, item_cell ? &format : nullptr);
}
