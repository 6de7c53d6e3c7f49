#include "maintenance/folder_choice.h"

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/platform.h"
#include "maintenance/service_lines.h"
#include "pages/handlermodule_page.h"
#include "procs/message_format.h"

bool tfolder_choice::select(std::string& afolder) {
    std::u16string folder = utf8_to_utf16(afolder);
    if (!tplatform::instance().select_folder(folder, u"Select Folder") || folder.empty()) return false;
    afolder = tprocs_maintenance::with_delimiter(utf16_to_utf8(folder));
    return true;
}

void tfolder_choice::show_folder(Thandlermodule_page& apage, int32_t atag, const std::string& afolder, bool adraw) {
    apage.control<tvelmor_customlabel>(atag).set_caption(utf8_to_utf16(afolder));
    if (adraw) apage.draw_control(atag, false);
}

tvelmor_button& tfolder_choice::button(Thandlermodule_page& apage, int32_t atag) {
    return apage.control<tvelmor_button>(atag);
}
