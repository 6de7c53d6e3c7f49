#include "pages/handler_class.h"

#include "pages/handlermodule_page.h"
#include "values/params_generic.h"

const tform_page_generic& thandler_class::get_page_form_class() const {
    if (!fform) throw tvelmor_exception("%s.get_page_form_class() not implemented.", fname);
    return *fform;
}

const tclass_info& thandler_class::get_params_class() const {
    if (!fparams) throw tvelmor_exception("%s.get_params_class() not implemented.", fname);
    return *fparams;
}

std::unique_ptr<tparams_generic> thandler_class::create_params() const {
    std::unique_ptr<treflected_object> created = get_params_class().create();
    auto* params = dynamic_cast<tparams_generic*>(created.get());
    if (!params)
        throw tvelmor_exception("%s is not a page parameter record in %s.create_params();", get_params_class().name(),
                                fname);
    created.release();
    std::unique_ptr<tparams_generic> result(params);
    if (fkeep_params) result->fdrop_point = dp_never;
    return result;
}

std::unique_ptr<Thandlermodule_page> thandler_class::create(tpage_controller_generic* aowner,
                                                            thandler_type ahandler_type,
                                                            tgraphbox_generic* agraphbox) const {
    return fcreate(aowner, ahandler_type, agraphbox);
}
