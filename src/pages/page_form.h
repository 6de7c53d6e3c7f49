// Page forms: the design-time documents holding a page's declarations, read into the handler
// module of the page each time the page is created. One constant instance stands for each form
// class; its text is embedded in the program at build time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/platform.h"
#include "procs/velmor_exception.h"

class Thandlermodule_generic;
class imodule_controls_build;
class tpage_controller_generic;
class tgraphbox_generic;
class tdfm_form;

class tform_page_generic : public tvelmor_object {
public:
    const char* class_name() const override { return "tform_page_generic"; }

    // Reads the form into the handler; with aform the main window takes the form's size.
    virtual void load_handler(Thandlermodule_generic& avelmor_handler, tplatform* aform) const;
    virtual void create_handler(tpage_controller_generic* apage_controller, tgraphbox_generic* agraphbox,
                                bool as_resize_form) const;
};

// The base of every concrete page form.
class Tform_page2 : public tform_page_generic {
public:
    // aname: the form class ("Tform_page_menu_accounts"); atext: its declarations, which must
    // outlive the instance (embedded text).
    Tform_page2(const char* aname, std::string_view atext) : fname(aname), ftext(atext) {}
    // The text of a form built into the program ("form_page_menu_accounts"); raises when the
    // program holds no such form.
    static std::string_view embedded_text(const char* aform_name);
    const char* class_name() const override { return fname; }

    void load_handler(Thandlermodule_generic& avelmor_handler, tplatform* aform) const override;

    // Hands the declarations over in two passes: first panels, viewports, themes and misc
    // objects in file order, then finish_adds(1); then the controls of each panel in order, then
    // finish_adds(2).
    static void create_components(const tdfm_form& aform, Thandlermodule_generic& amodule_controls);

private:
    const char* fname;
    std::string_view ftext;
};
