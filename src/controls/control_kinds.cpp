#include "controls/control_kinds.h"

#include "controls/container_controls_generic.h"
#include "controls/control_messages.h"
#include "controls/controls_owner.h"
#include "controls/miscobject.h"
#include "controls/miscobject_textlines.h"
#include "procs/message_format.h"

std::u16string tvelmor_customlabel::get_caption() {
    throw tvelmor_exception("%s.get_caption() not implemented.", class_name());
}

void tvelmor_customlabel::set_caption(const std::u16string&) {
    throw tvelmor_exception("%s.set_caption() not implemented.", class_name());
}

void tvelmor_label::save_as_text(std::string& amsgtext) const {
    tvelmor_customlabel::save_as_text(amsgtext);
    add_dump_line(amsgtext, tprocs_message::format("caption = %s.", {caption}));
}

std::u16string tvelmor_labelvalue::get_caption() {
    if (header == 0 || owner == nullptr) return u"";
    tvelmor_miscobject* m = owner->get_controls()->get_miscobject(header);
    return m ? m->get_textvalue_fieldno(fieldno) : u"";
}

bool tvelmor_button::push(bool as_up) {
    bool changed = pushed != !as_up;
    pushed = !as_up;
    return changed;
}

bool tvelmor_combobox::set_item_index(int32_t avalue) {
    bool changed = item_index != avalue;
    item_index = avalue;
    return changed;
}

bool tvelmor_combobox::send_message(void* aparams, int32_t amsg) {
    if (amsg == tmsg_code::combobox_changed && header != 0 && header2 != 0 && owner != nullptr) {
        tcontainer_controls_generic* controls = owner->get_controls();
        auto* lines = dynamic_cast<tmiscobject_textlines*>(controls->get_miscobject(header));
        tvelmor_miscobject* target = controls->get_miscobject(header2);
        int32_t index = static_cast<tmsg_params_item_index*>(aparams)->item_index;
        if (lines && target && index >= 0 && index < lines->count()) {
            target->set_hard_value(fieldno, lines->get_value(index));
        }
    }
    return tvelmor_control_focusable::send_message(aparams, amsg);
}

bool tvelmor_checkbox::set_checked(bool avalue) {
    bool changed = checked != avalue;
    checked = avalue;
    return changed;
}

// Block of cs_redraw_scrollbar_position: range, old position, new position.
bool tvelmor_scrollbar::send_message(void* aparams, int32_t amsg) {
    if (amsg != tmsg_code::grid_toprow) return tvelmor_control::send_message(aparams, amsg);
    int16_t new_position = static_cast<int16_t>(static_cast<tmsg_params_toprow*>(aparams)->row_top);
    int16_t old_position = position;
    position = new_position;
    if (old_position != new_position && owner != nullptr) {
        tscrollbar_redraw_params redraw{range, old_position, new_position};
        owner->get_controls()->execute_control_service(&redraw, cs_redraw_scrollbar_position, tag);
    }
    return true;
}
