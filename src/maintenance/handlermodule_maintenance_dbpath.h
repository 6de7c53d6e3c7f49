// The database move (page 8): shows the open domain's folder, lets the user choose a target
// folder, and copies the database there by a backup and a restore; the domain stays open at its
// old place and the settings file is not changed.
#pragma once

#include <cstdint>
#include <string>

#include "maintenance/handlermodule_maintenance_run.h"

class thandler_class;
class Thandlermodule_maintenance_dbpath : public Thandlermodule_maintenance_run {
public:
    static constexpr int16_t pageno = 8;
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
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;

    // The run behind Go; true when the copy was made.
    bool run_move();

    std::string fdbpath_moveto;  // with a trailing "/"

private:
    void choose_folder();
};
