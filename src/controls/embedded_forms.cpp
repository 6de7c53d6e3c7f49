#include "controls/embedded_forms.h"

#include <string>

#include "controls/form_reader.h"

const tembedded_form* find_embedded_form(std::string_view aname) {
    for (const tembedded_form& f : embedded_forms())
        if (aname == f.name) return &f;
    return nullptr;
}

std::unique_ptr<tdfm_form> read_embedded_form(std::string_view aname) {
    const tembedded_form* form = find_embedded_form(aname);
    if (!form) throw tvelmor_exception("Form %s is not in the program.", std::string(aname));
    return tform_reader::read(form->text, form->path);
}
