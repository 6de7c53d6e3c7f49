// The PLU editor (page 6): the item's fields, the description also shown in the large text viewer
// when the focus moves onto it. A save writes the changed fields through journal kind 601 and
// rebuilds the word index, so the search finds the changed words at once.
#pragma once

#include <cstdint>
#include <memory>

#include "plu/datamodule_plu.h"
#include "pages/handlermodule_edit_generic.h"

class thandler_class;

class Thandlermodule_edit_plu : public Thandlermodule_edit_generic {
public:
    static constexpr int16_t pageno = 6;
    static constexpr int32_t ejt_plu = 601;
    static constexpr int32_t tag_edit_code = 205;
    static constexpr int32_t tag_edit_description = 214;
    static constexpr int32_t tag_grid_list = 303;
    static constexpr int32_t tag_ontop_description = 9102;

    Thandlermodule_edit_plu(tpage_controller_generic* aowner, thandler_type ahandler_type, tgraphbox_generic* agraphbox);
    ~Thandlermodule_edit_plu() override;
    const char* class_name() const override { return "Thandlermodule_edit_plu"; }
    // Form Tform_page_edit_plu, record tparams_edit_plu.
    static const thandler_class& handler_class();

    void once_created() override;
    void save_params(tparams_generic& aparams) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    // Journal 601, then the word index of the domain is written anew.
    void save_changes() override;

    int32_t plu_id() const;

private:
    std::unique_ptr<Tdatamodule_plu> fmodule;
};
