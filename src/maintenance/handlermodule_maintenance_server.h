// Setting up on a database server (reached from the first-run page's menu): the server's name and
// port, the database folder as the server names it and the login; Go checks the connection, puts
// the shipped database there (or keeps the one there) and writes the settings naming it.
#pragma once

#include <cstdint>
#include <string>

#include "maintenance/datamodule_maintenance_server.h"
#include "maintenance/handlermodule_maintenance_run.h"

class thandler_class;

class Thandlermodule_maintenance_server : public Thandlermodule_maintenance_run {
public:
    static constexpr int16_t pageno = 34;
    static constexpr int32_t tag_host = 105;
    static constexpr int32_t tag_port = 108;
    static constexpr int32_t tag_folder = 111;
    static constexpr int32_t tag_user = 114;
    static constexpr int32_t tag_password = 117;
    static constexpr int32_t tag_cancel = 119;
    static constexpr int32_t tag_go = 120;
    static constexpr int32_t tag_run = 121;

    Thandlermodule_maintenance_server(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                      tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_maintenance_server"; }
    // Form Tform_page_maintenance_server, record tparams_null.
    static const thandler_class& handler_class();

    void once_created() override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;

    // The details as typed in the edits.
    tserver_details details() const;
    // The run behind Go; true when the settings file names the server's database.
    bool run_setup();

    bool ffinished = false;

private:
    std::u16string edit_text(int32_t atag) const;
    void show_finished();
};
