// The database move (page 8): shows the open domain's folder, lets the user choose a target
// folder, and copies the database there by a backup and a restore; the domain stays open at its
// old place and the settings file is not changed.
#pragma once

#include <cstdint>
#include <string>

#include "pages/handlermodule_page.h"

class thandler_class;
class tvelmor_messagelines;

class Thandlermodule_maintenance_dbpath : public Thandlermodule_page {
public:
    static constexpr int16_t pageno = 8;
    static constexpr int32_t tag_lines = 103;
    static constexpr int32_t tag_current = 104;
    static constexpr int32_t tag_target = 108;
    static constexpr int32_t tag_choose = 109;
    static constexpr int32_t tag_cancel = 111;
    static constexpr int32_t tag_go = 112;

    Thandlermodule_maintenance_dbpath(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                      tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_maintenance_dbpath"; }
    // Form Tform_page_maintenance_dbpath, record tparams_null.
    static const thandler_class& handler_class();

    void once_created() override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;

    tvelmor_messagelines& lines();
    // The run behind Go; true when the copy was made.
    bool run_move();

    std::string fdbpath_moveto;  // with a trailing "/"
    bool flocked = false;

private:
    void choose_folder();
    void set_buttons_enabled(bool aenabled);
};
