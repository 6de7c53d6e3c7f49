#include "controls/element.h"

#include "controls/control_messages.h"
#include "controls/controls_owner.h"
#include "procs/message_format.h"

void add_dump_line(std::string& amsgtext, const std::string& aline) {
    amsgtext += aline;
    amsgtext += '\n';
}

void tvelmor_element::save_as_text(std::string& amsgtext) const {
    add_dump_line(amsgtext, class_name());
    add_dump_line(amsgtext, tprocs_message::format("tag = %d.", {tag}));
}

void tvelmor_control::save_as_text(std::string& amsgtext) const {
    tvelmor_element::save_as_text(amsgtext);
    add_dump_line(amsgtext, tprocs_message::format("tag_panel = %d.", {tag_panel}));
    add_dump_line(amsgtext, tprocs_message::format("tag_theme = %d.", {tag_theme}));
}

bool tvelmor_control::send_message(void* aparams, int32_t amsg) {
    return owner != nullptr && owner->callback_message(aparams, tag, amsg);
}

bool tvelmor_control::send_message2(int32_t amsg) {
    tmsg_params_none params;
    return send_message(&params, amsg);
}

void tvelmor_control_focusable::save_as_text(std::string& amsgtext) const {
    tvelmor_control::save_as_text(amsgtext);
    add_dump_line(amsgtext, tprocs_message::format("focus_order = %d.", {focus_order}));
}
