// Test support for the unit editor and the meter-readings page: the property pages registered
// with the controller, a stand-in for the site pictures page that records the parameters it was
// entered with, and a site of the demo database (or a new one) to work on.
#pragma once

#include <string>

#include "support/edit_pages_support.h"
#include "controls/grid_controls.h"
#include "pages/handler_class.h"
#include "pages/page_form.h"
#include "property/handlermodule_edit_cpunit.h"
#include "property/property_pages.h"

// Occupies the pictures page's number and keeps the site id it was entered with.
class Thandlermodule_probe_site : public Thandlermodule_page {
public:
    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_probe_site"; }
    void once_created() override {
        if (auto* params = dynamic_cast<tparams_id*>(fparams.get())) fid = params->fid;
    }
    int32_t fid = -2;

    static const thandler_class& handler_class() {
        static const Tform_page2 form("Tform_page2",
                                      "object form_probe_site: Tform_page2\n ClientWidth = 1090\n ClientHeight = 860\nend\n");
        static const thandler_class c("Thandlermodule_probe_site", &handler_factory_of<Thandlermodule_probe_site>,
                                      &form, &tparams_id::static_class());
        return c;
    }
};

class tcpunit_pages_test : public tedit_pages_test {
protected:
    // The controller with the property pages and the pictures stand-in at page 24.
    void start_property() {
        start([](tpage_controller_generic& acontroller) {
            register_property_pages(acontroller);
            acontroller.replace_page(Thandlermodule_edit_cpunit::pageno_pictures,
                                      Thandlermodule_probe_site::handler_class());
        });
    }
    // Enters page apageno for site asite over the accounts menu and runs its first tasks.
    template <typename T>
    T& open_site_page(int32_t asite) {
        start_property();
        const tparam_value params[] = {int64_t{asite}};
        fcontroller->page_enter(T::handler_class(), params, false);
        run_queue();
        return page<T>();
    }
    // A new site with the given units (no readings); returns its id.
    int32_t new_site(const std::vector<std::string>& aunits) {
        fdatabase->open_database(0);
        execute("INSERT INTO cp_site ( address1, address2, address3, address4, pics ) "
                "VALUES ( 'Test Yard', '1 Test Road', 'Nelson', '', 0 )");
        const int32_t site = static_cast<int32_t>(number("SELECT MAX( id ) FROM cp_site"));
        for (const std::string& name : aunits)
            execute("INSERT INTO cp_unit ( id_site, name, account, meter_connection1, meter_connection2, cpinvoice1, "
                    "cpinvoice2 ) VALUES ( " + std::to_string(site) + ", '" + name + "', 1, 0, 1, 1, 2 )");
        return site;
    }
    int64_t count(const std::string& asql) { return number("SELECT COUNT(*) FROM " + asql); }
};
