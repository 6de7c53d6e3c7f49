// Test support for the accounts pages: the product's page controller over recording surfaces and
// a test platform, the program's database module on a copy of the shipped demo database (domain
// 0), a header and footer that record what pages ask of them, and a grid renderer that records
// the cells it is asked to paint. Each test works in its own temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/platform.h"
#include "support/fake_platform.h"
#include "controls/recording_canvas.h"
#include "controls/renderers.h"
#include "controls/surface.h"
#include "database/datamodule_database_customers.h"
#include "database/datamodule_ejt.h"
#include "database/datamodule_querys.h"
#include "pages/handlermodule_page.h"
#include "pages/page_controller.h"
#include "xml/datamodule_inifile.h"

// A surface whose canvas lists what was drawn; its client size follows the bounds it is given.
class tfake_surface : public tgraphbox_generic {
public:
    tfake_surface(int32_t atag, trect abounds) : ftag(atag), fbounds(abounds) {}
    const char* class_name() const override { return "tfake_surface"; }
    tcanvas* get_canvas() override { return &fcanvas; }
    trect get_clientrect() override { return {0, 0, fbounds.width(), fbounds.height()}; }
    bool get_visible() override { return fvisible; }
    void set_visible(bool avalue) override { fvisible = avalue; }
    int64_t get_windowhandle() override { return ftag; }
    void invalidate() override {}
    void invalidate_rect(const trect&) override {}
    void setbounds(bool& asize_changed, const trect& arect) override {
        asize_changed = arect.width() != fbounds.width() || arect.height() != fbounds.height();
        fbounds = arect;
    }
    void post_resize() override {}
    int32_t get_tag() override { return ftag; }
    void show_debug101() override {}

    int32_t ftag;
    trect fbounds;
    bool fvisible = false;
    trecording_canvas fcanvas;
};

// The header and footer strips: they keep the settings the controller gives them.
class Thandlermodule_test_strip : public Thandlermodule_page, public iheader_settings, public ifooter_settings {
public:
    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_test_strip"; }
    void set_header_param(tparams_header aparam_header, const std::u16string& avalue) override;
    bool set_header_param(tparams_header aparam_header, int16_t avalue) override;
    void set_header_param(tparams_header aparam_header, bool avalue, bool) override {
        if (aparam_header == ph_button_minus_enabled) fminus_enabled = avalue;
    }
    void default_button_captions() override {}
    void set_buttons_invisible(uint16_t avalue, bool) override { fbuttons_invisible = avalue; }
    void set_buttons_enabled(uint16_t avalue, bool) override { fbuttons_enabled = avalue; }
    void set_footer_button_param(tfooter_button, const std::u16string&) override {}
    void set_footer_status(const std::u16string& atext) override { fstatus = atext; }

    std::u16string ftitle;
    std::u16string fstatus;
    int16_t ftitle_width = 0;
    uint16_t fbuttons_invisible = 0;
    uint16_t fbuttons_enabled = 0xFFFF;
    bool fminus_enabled = true;
};
const thandler_class& test_strip_class();

// A stand-in for a page that is not part of this build: it only occupies its number.
class Thandlermodule_probe : public Thandlermodule_page {
public:
    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_probe"; }
};
const thandler_class& probe_class();

// One painted grid cell, as the recording grid renderer saw it.
struct tpainted_cell {
    std::string text;
    int32_t row;
    int32_t col;
    int32_t font;
    int32_t alignment;
    int32_t margin;
    bool operator==(const tpainted_cell&) const = default;
};
void PrintTo(const tpainted_cell& acell, std::ostream* aos);

// Draws a grid through the grid's own row drawing and records the cells its handler paints.
class trecording_grid_renderer : public tvelmor_render_grid_generic {
public:
    const char* class_name() const override { return "trecording_grid_renderer"; }
    int32_t get_gap_x() const override { return 0; }
    int32_t get_maximum_visible_rowcount(const tvelmor_customgrid& acontrol, const trect& arect) const override;
    void draw_grid(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme,
                   const trect& arect) const override;
    void erase_rows(tcanvas&, tvelmor_customgrid&, const trect&) const override {}
    // A cursor move redraws the rows it leaves and enters.
    void draw_row2(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme, const trect& arect, int32_t arow1,
                   int32_t arow2) const override;
    void draw_rows(tvelmor_customgrid& acontrol, tvelmor_theme_grid_brief* atheme, const trect& arect,
                   int32_t arow_from) const override;
    void control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                       tvelmor_theme_grid_brief* atheme, const trect& arect, const std::u16string& atext, int32_t arow,
                       int32_t acol, int32_t afont_tag_new, TAlignment aalignment,
                       int32_t aalignment_margin) const override;

    mutable std::vector<tpainted_cell> fcells;
};

class taccounts_page_test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the product's controller with the accounts pages (and aextra_pages) registered and
    // enters the first page: the accounts menu, or the domains menu for more than one domain.
    void start(const std::function<void(tpage_controller_generic&)>& aextra_pages = {});
    // The same with aregister_pages as the only registration (the program's own, for one).
    void start_registered(const std::function<void(tpage_controller_generic&)>& aregister_pages);

    tfake_surface& surface(thandler_type aslot) {
        return static_cast<tfake_surface&>(*fcontroller->get_graphboxes().get_graphbox(aslot));
    }
    Thandlermodule_test_strip& header() {
        return static_cast<Thandlermodule_test_strip&>(*fcontroller->get_handler_header());
    }
    Thandlermodule_test_strip& footer() {
        return static_cast<Thandlermodule_test_strip&>(*fcontroller->get_handler_footer());
    }

    // The page in the main slot as a T; raises when another page is there.
    template <typename T>
    T& main_page() {
        auto* page = dynamic_cast<T*>(fcontroller->get_handler_main());
        if (!page) throw std::runtime_error("the main page is not the one the test expects");
        return *page;
    }

    // Runs a query in a transaction of its own and returns the first column of its first row.
    int64_t number(const std::string& asql);
    // Runs a statement in a transaction of its own.
    void execute(const std::string& asql);
    // Adds a domain over a copy of the shipped demo database in the folder d<index>.
    void add_domain(const std::string& aname);
    // Runs the queued jobs.
    void run_queue();

    std::string ffolder;
    std::unique_ptr<Tdatamodule_inifile> finifile;
    std::unique_ptr<Tdatamodule_database_customers> fdatabase;
    std::unique_ptr<Tdatamodule_ejt> fejt;
    // The statement pool the page lookups allocate from.
    std::unique_ptr<Tdatamodule_querys> fquerys;
    tfake_platform fplatform;
    tplatform* fprevious_platform = nullptr;
    trecording_grid_renderer fgrid_renderer;
    const tvelmor_render_grid_generic* fsaved_grid_renderers[5] = {};
    Tdatamodule_messages fmessages;
    std::unique_ptr<tpage_controller> fcontroller;
    // Domains whose opening the start-up asked for (the start-up itself opens nothing, so that
    // the tests see what the pages open).
    std::vector<int32_t> fstartup_opened;

private:
    class tstartup : public istartup_state {
    public:
        tstartup(std::vector<int32_t>& aopened, Tdatamodule_inifile& ainifile) : fopened(aopened), finifile(ainifile) {}
        bool settings_loaded() override { return true; }
        void open_database(int32_t adomain) override { fopened.push_back(adomain); }
        int32_t domain_count() override { return finifile.get_domain_count(); }
        std::vector<int32_t>& fopened;
        Tdatamodule_inifile& finifile;
    };
    std::unique_ptr<tstartup> fstartup;
};

// What the controller says when asked for a page that is not in the build.
inline constexpr const char* page_not_registered =
    "Page handler class not assigned in tpage_controller.get_handlerclass_pageno();";

// The message of the tvelmor_exception af raises, or "(no exception)".
template <typename F>
std::string message_of(F af) {
    try {
        af();
    } catch (const tvelmor_exception& e) {
        return e.what();
    }
    return "(no exception)";
}
