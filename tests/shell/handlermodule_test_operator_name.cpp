#include "handlermodule_test_operator_name.h"

#include <fstream>
#include <sstream>
#include <string>

#include "controls/dfm_component.h"
#include "database/procs_querys.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form_editable.h"
#include "values/params_generic.h"

namespace {

// A product page embeds its form (Tform_page2::embedded_text); the test page reads it once.
const Tform_page_editable_generic& test_operator_name_form() {
    static const std::string text = [] {
        std::ifstream in(std::string(VELMOR_TEST_DATA) + "/forms/form_page_test_operator_name.form");
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }();
    static const Tform_page_editable_generic form("Tform_page_test_operator_name", text);
    return form;
}

}  // namespace

Thandlermodule_test_operator_name::Thandlermodule_test_operator_name(tpage_controller_generic* aowner,
                                                                     thandler_type ahandler_type,
                                                                     tgraphbox_generic* agraphbox)
    : Thandlermodule_edit_generic(aowner, ahandler_type, agraphbox) {
    frecord = std::make_unique<tdbrecord_operator2>();
    frecord0 = std::make_unique<tdbrecord_operator2>();
}

const thandler_class& Thandlermodule_test_operator_name::handler_class() {
    static const thandler_class c("Thandlermodule_test_operator_name",
                                  &handler_factory_of<Thandlermodule_test_operator_name>, &test_operator_name_form(),
                                  &tparams_id::static_class());
    return c;
}

void Thandlermodule_test_operator_name::once_created() {
    const auto* params = dynamic_cast<const tparams_id*>(fparams.get());
    const int32_t id = params ? params->fid : -1;
    frecord->clear();
    frecord->set_aslongint1(frecord->get_field_index1("id"), id);
    if (!tprocs_querys::load_record_bypk(*frecord, dben_table_operator))
        throw tvelmor_exception("Operator %d not found in %s.once_created();", id, class_name());
    set_focused_tag(tag_edit_first_name, true);
}

void Thandlermodule_test_operator_name::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_id*>(&aparams)) params->fid = frecord->get_aslongint1(frecord->get_field_index1("id"));
}

void Thandlermodule_test_operator_name::save_changes() {
    save_record_ejt(ejt_operator, *frecord, *frecord0, false, class_name());
}

void register_test_operator_name_page(tpage_controller_generic& acontroller) {
    register_form_class("Tform_page_test_operator_name");
    acontroller.register_page(Thandlermodule_test_operator_name::pageno,
                              Thandlermodule_test_operator_name::handler_class());
}
