// The account editor (page 5): the account's fields and the list of its contacts, from which a
// contact is opened, added or deleted.
#pragma once

#include <cstdint>
#include <memory>

#include "accounts/datamodule_customers.h"
#include "controls/grid_controls.h"
#include "pages/page_support.h"
#include "accounts/records_customers.h"
#include "pages/handlermodule_edit_generic.h"

class thandler_class;

class Thandlermodule_edit_account : public Thandlermodule_edit_generic {
public:
    static constexpr int16_t pageno = 5;
    static constexpr int32_t tag_grid_contacts = 105;
    static constexpr int32_t tag_edit_name = 205;
    static constexpr int32_t tag_listrows = 103;
    static constexpr int32_t tag_ontop_delete = 9102;
    // The job search, entered from the page menu's "Jobs..." with this account chosen.
    static constexpr int16_t pageno_search_job = 11;

    Thandlermodule_edit_account(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                tgraphbox_generic* agraphbox);
    ~Thandlermodule_edit_account() override;
    const char* class_name() const override { return "Thandlermodule_edit_account"; }
    // Form Tform_page_edit_account, record tparams_edit_account.
    static const thandler_class& handler_class();

    void bind_data() override;
    void once_created() override;
    void save_params(tparams_generic& aparams) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;

    tvelmor_grid& grid_contacts() { return control<tvelmor_grid>(tag_grid_contacts); }
    // The account's id, -1 while it is not saved.
    int32_t account_id() const;

    tlight_rows flist_contacts{trecord_contact::static_class()};
    int32_t frow = -1;

private:
    void new_contact();
    void open_jobs();
    void open_contact();
    void ask_delete();
    void delete_contact();
    void focus_panels();
    void set_minus_enabled(bool aenabled);

    std::unique_ptr<Tdatamodule_customers> fmodule;
};
