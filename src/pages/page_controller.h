// The application's page controller: the product's page table and the choice of the first page.
#pragma once

#include <functional>

#include "pages/page_controller_generic.h"

// What the first page depends on: whether a settings file was loaded, and opening a domain's
// database (the settings and database modules).
class istartup_state {
public:
    virtual ~istartup_state() = default;
    virtual bool settings_loaded() = 0;
    virtual void open_database(int32_t adomain) = 0;
    // The domains the settings file names.
    virtual int32_t domain_count() { return 1; }
};

class tpage_controller : public tpage_controller_generic {
public:
    // aregister_pages registers the product's pages (each domain library offers its
    // registration function); the table is closed afterwards.
    tpage_controller(std::unique_ptr<tgraphboxes> agraphboxes, Tdatamodule_messages& amessages,
                     istartup_state& astartup, const std::function<void(tpage_controller_generic&)>& aregister_pages,
                     const thandler_class* aheader_class = nullptr, const thandler_class* afooter_class = nullptr);
    const char* class_name() const override { return "tpage_controller"; }

    // 9, the first-run setup, without a settings file; 0, the domains menu, when the settings
    // name more than one domain; else 1, the accounts menu, once the database of domain 0 is open.
    int16_t get_first_pageno() override;
    void debug101();

private:
    istartup_state& fstartup;
};
