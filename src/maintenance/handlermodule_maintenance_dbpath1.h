// The first-run setup (page 9): proposes a database folder under the program-data folder, lets
// the user choose another, restores the shipped backup into it, unpacks the data files beside it
// and writes the settings file naming it. Shown while no settings file is loaded, and again when
// the database named there cannot be opened. Its menu leads to the setup on a database server.
#pragma once

#include <cstdint>
#include <string>

#include "maintenance/handlermodule_maintenance_run.h"

class thandler_class;
class Thandlermodule_maintenance_dbpath1 : public Thandlermodule_maintenance_run {
public:
    static constexpr int16_t pageno = 9;
    static constexpr int32_t tag_folder = 104;
    static constexpr int32_t tag_choose = 105;
    static constexpr int32_t tag_line = 106;
    static constexpr int32_t tag_cancel = 107;
    static constexpr int32_t tag_go = 108;
    static constexpr int32_t tag_run = 109;

    Thandlermodule_maintenance_dbpath1(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                       tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_maintenance_dbpath1"; }
    // Form Tform_page_maintenance_dbpath1, record tparams_null.
    static const thandler_class& handler_class();
    // The proposed folder: "velmor_accounts/" in the program-data folder.
    static std::string get_base_path();

    void once_created() override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    // F7 opens the page menu ("Use a database server...").
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;

    // The run behind Go; true when the settings file was written.
    bool run_setup();

    std::string fdbpath;  // with a trailing "/"
    bool frestored = false;

private:
    void choose_folder();
    void set_folder(const std::string& afolder, bool adraw);
    // Restores (unless a database is there) and extracts; false when a step failed.
    bool install(bool& arestored_now);
    // The name the database has until the whole setup is done.
    std::string staged_database_file() const;
    void write_settings();
    void show_finished();
};
