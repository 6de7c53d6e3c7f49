#include "property/debug_dumps.h"

#include "controls/platform.h"
#include "database/ejt_generic.h"
#include "procs/message_format.h"

namespace {
bool debug_mode = false;
}  // namespace

bool tdebug_dumps::enabled() { return debug_mode; }

void tdebug_dumps::set_enabled(bool aenabled) { debug_mode = aenabled; }

void tdebug_dumps::toggle() {
    debug_mode = !debug_mode;
    tplatform::instance().message_box(debug_mode ? u"Debug mode on: journaled writes are shown before they are sent."
                                                 : u"Debug mode off.",
                                      u"Debug", tmsgbox_buttons::ok, tmsgbox_icon::information);
}

void tdebug_dumps::show_ejt(tejt_generic& aejt, const char* aclass_name) {
    if (!debug_mode) return;
    // The statement text depends on whether the key is known, which the write decides here.
    aejt.before_execute(nullptr);
    const std::u16string title = utf8_to_utf16(aclass_name);
    tplatform::instance().message_box(utf8_to_utf16(aejt.get_value().get_debug_text(0)), title, tmsgbox_buttons::ok,
                                      tmsgbox_icon::information);
    std::string script;
    for (int32_t s = 0; s < aejt.get_script_count(); ++s) script += aejt.get_script(s) + "\r\n";
    tplatform::instance().message_box(utf8_to_utf16(script), title, tmsgbox_buttons::ok, tmsgbox_icon::information);
}
