// The contact editor (page 4): one contact's fields and the account it belongs to, from which the
// account editor is reached.
#pragma once

#include <cstdint>
#include <memory>

#include "accounts/datamodule_customers.h"
#include "controls/grid_controls.h"
#include "pages/page_support.h"
#include "accounts/records_customers.h"
#include "pages/handlermodule_edit_generic.h"

class thandler_class;

class Thandlermodule_edit_contact : public Thandlermodule_edit_generic {
public:
    static constexpr int16_t pageno = 4;
    static constexpr int32_t tag_grid_account = 105;
    static constexpr int32_t tag_edit_first_name = 205;
    static constexpr int32_t tag_listrows = 103;
    // The owning account's id and the deleted mark in the contact record.
    static constexpr int32_t field_id_account = 10;

    Thandlermodule_edit_contact(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                tgraphbox_generic* agraphbox);
    ~Thandlermodule_edit_contact() override;
    const char* class_name() const override { return "Thandlermodule_edit_contact"; }
    // Form Tform_page_edit_contact, record tparams_edit_contact.
    static const thandler_class& handler_class();

    void bind_data() override;
    void once_created() override;
    void save_params(tparams_generic& aparams) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;

    tvelmor_grid& grid_account() { return control<tvelmor_grid>(tag_grid_account); }

    tlight_rows flist_account{trecord_customer::static_class()};

private:
    void open_account();

    std::unique_ptr<Tdatamodule_customers> fmodule;
};
