// The base of the overlay pages (menu, drop-down list, dialog, large text viewer): which kind it
// is, the tag the main page knows it by, its result, and where it first appears.
#pragma once

#include <cstdint>

#include "pages/handlermodule_page.h"

class tform_page_generic;

class Thandlermodule_ontop : public Thandlermodule_page {
public:
    // aform: the overlay's page form, read when the overlay is shown (nullptr: none).
    Thandlermodule_ontop(tpage_controller_generic* aowner, tvelmor_ontop aid, int32_t atag_ontop,
                         const tform_page_generic* aform = nullptr,
                         std::unique_ptr<tcontainer_controls_generic> acontrols = nullptr);
    const char* class_name() const override { return "Thandlermodule_ontop"; }

    // The overlay's rectangle, given the main surface's client rectangle.
    virtual trect get_initial_bounds(const trect& aclientrect);

    tvelmor_ontop fid;
    int32_t ftag_ontop;
    int32_t fmodalresult = -1;
    const tform_page_generic* fform;
};
