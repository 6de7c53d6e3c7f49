// The form base of single-record edit pages: the page's own declarations plus the shared themes
// 921 to 929 (edit, combo box and check box, each viewing, editing and modified).
#pragma once

#include "pages/page_form.h"

class Tform_page_editable_generic : public Tform_page2 {
public:
    Tform_page_editable_generic(const char* aname, std::string_view atext);

    // The page's form with the shared themes added to its themes (a theme tag the page declares
    // itself is left as the page declares it).
    void load_handler(Thandlermodule_generic& avelmor_handler, tplatform* aform) const override;

private:
    std::string_view fpage_text;
};
