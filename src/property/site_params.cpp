#include "property/site_params.h"

#include "pages/handlermodule_page.h"
#include "values/params_generic.h"

int32_t take_site_id(Thandlermodule_page& apage) {
    return take_params_id(apage, "Unassigned Params in %s.handle_resize();");
}

int32_t take_params_id(Thandlermodule_page& apage, const char* amessage) {
    auto* params = dynamic_cast<tparams_id*>(apage.fparams.get());
    if (!params) throw tvelmor_exception(amessage, apage.class_name());
    const int32_t id = params->fid;
    apage.fparams.reset();
    return id;
}

void save_site_id(tparams_generic& aparams, int32_t aid_site) {
    if (auto* params = dynamic_cast<tparams_id*>(&aparams)) params->fid = aid_site;
}
