// A page made by following "How to add a page" of docs/architecture.md, to show that the recipe
// is complete: an operator's first name, read by its key, edited and saved through the operator
// table's journaled write (kind 301). Test-only, so its form is read from tests/data/forms/ and
// it reuses a table, record and journal kind the product already has.
#pragma once

#include <cstdint>

#include "pages/handlermodule_edit_generic.h"

class thandler_class;
class tpage_controller_generic;

class Thandlermodule_test_operator_name : public Thandlermodule_edit_generic {
public:
    static constexpr int16_t pageno = 90;
    static constexpr int32_t tag_edit_first_name = 205;
    static constexpr int32_t ejt_operator = 301;

    Thandlermodule_test_operator_name(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                      tgraphbox_generic* agraphbox);
    const char* class_name() const override { return "Thandlermodule_test_operator_name"; }
    // Form Tform_page_test_operator_name, record tparams_id (the operator's id).
    static const thandler_class& handler_class();

    void once_created() override;
    // Coming back to the page shows the same operator.
    void save_params(tparams_generic& aparams) override;
    void save_changes() override;
};

// The registration the recipe asks of a domain library: the form class, then the page.
void register_test_operator_name_page(tpage_controller_generic& acontroller);
