// What the page controller knows of a handler class without an instance: its name, how to create
// it, its page form and its parameter record (the class operations of a handler module).
#pragma once

#include <memory>

#include "pages/page_types.h"
#include "procs/velmor_exception.h"

class Thandlermodule_page;
class tpage_controller_generic;
class tgraphbox_generic;
class tform_page_generic;
class tparams_generic;
class tclass_info;

using thandler_factory = std::unique_ptr<Thandlermodule_page> (*)(tpage_controller_generic* aowner,
                                                                   thandler_type ahandler_type,
                                                                   tgraphbox_generic* agraphbox);

class thandler_class {
public:
    // aform or aparams nullptr: the class names none, and asking for it raises. akeep_params: the
    // page keeps its record after once_created (created with dp_never).
    thandler_class(const char* aname, thandler_factory acreate, const tform_page_generic* aform,
                   const tclass_info* aparams, bool akeep_params = false)
        : fname(aname), fcreate(acreate), fform(aform), fparams(aparams), fkeep_params(akeep_params) {}
    thandler_class(const thandler_class&) = delete;
    thandler_class& operator=(const thandler_class&) = delete;

    const char* name() const { return fname; }
    std::unique_ptr<Thandlermodule_page> create(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                                tgraphbox_generic* agraphbox) const;
    const tform_page_generic& get_page_form_class() const;
    const tclass_info& get_params_class() const;
    bool has_params_class() const { return fparams != nullptr; }
    std::unique_ptr<tparams_generic> create_params() const;

private:
    const char* fname;
    thandler_factory fcreate;
    const tform_page_generic* fform;
    const tclass_info* fparams;
    bool fkeep_params;
};

// The factory of a handler class with the usual constructor.
template <typename H>
std::unique_ptr<Thandlermodule_page> handler_factory_of(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                                        tgraphbox_generic* agraphbox) {
    return std::make_unique<H>(aowner, ahandler_type, agraphbox);
}
