// Page forms: the design-time documents holding a page's declarations, read once into the
// handler module of the page when it is created. One constant instance stands for each form class.
#pragma once

#include <cstdint>

#include "controls/geometry.h"
#include "controls/platform.h"
#include "procs/velmor_exception.h"

class Thandlermodule_generic;
class imodule_controls_build;
class tpage_controller_generic;
class tgraphbox_generic;

class tform_page_generic : public tvelmor_object {
public:
    const char* class_name() const override { return "tform_page_generic"; }

    // Reads the form into the handler; with aform the main window takes the form's size.
    virtual void load_handler(Thandlermodule_generic& avelmor_handler, tplatform* aform) const;
    virtual void create_handler(tpage_controller_generic* apage_controller, tgraphbox_generic* agraphbox,
                                bool as_resize_form) const;
};

// The base of every concrete page form: a named form with its designed client size whose
// declarations are handed over in two passes (elements, then controls).
class Tform_page2 : public tform_page_generic {
public:
    Tform_page2(const char* aname, int32_t aclient_width, int32_t aclient_height)
        : fname(aname), fclient_width(aclient_width), fclient_height(aclient_height) {}
    const char* class_name() const override { return fname; }

    void load_handler(Thandlermodule_generic& avelmor_handler, tplatform* aform) const override;
    // First pass: panels, viewports, themes and misc objects, then finish_adds(1); second pass: the
    // controls of each panel, then finish_adds(2). The base form declares nothing.
    virtual void create_components(imodule_controls_build& amodule_controls) const;

    tsize get_client_size() const { return {fclient_width, fclient_height}; }

private:
    const char* fname;
    int32_t fclient_width;
    int32_t fclient_height;
};
