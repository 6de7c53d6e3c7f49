// Test-only platform, surfaces, control container and pages for the page framework: they record
// what the framework asks of them so that tests can assert the order of events.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/element.h"
#include "expect_error.h"
#include "controls/platform.h"
#include "support/fake_platform.h"
#include "controls/recording_canvas.h"
#include "pages/handler_class.h"
#include "pages/handlermodule_ontop.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "values/params_generic.h"

// Everything the fakes and pages report, in order.
std::vector<std::string>& event_log();
void log_event(const std::string& aline);


class tfake_surface : public tgraphbox_generic {
public:
    explicit tfake_surface(int32_t atag) : ftag(atag) {}
    const char* class_name() const override { return "tfake_surface"; }
    tcanvas* get_canvas() override { return &fcanvas; }
    trect get_clientrect() override { return {0, 0, fbounds.width(), fbounds.height()}; }
    bool get_visible() override { return fvisible; }
    void set_visible(bool avalue) override { fvisible = avalue; }
    int64_t get_windowhandle() override { return ftag; }
    void invalidate() override { ++finvalidated; }
    void invalidate_rect(const trect& arect) override { finvalidated_rects.push_back(arect); }
    void setbounds(bool& asize_changed, const trect& arect) override {
        asize_changed = arect.width() != fbounds.width() || arect.height() != fbounds.height();
        fbounds = arect;
    }
    void post_resize() override { ++fposted_resizes; }
    int32_t get_tag() override { return ftag; }
    void show_debug101() override {}

    int32_t ftag;
    trecording_canvas fcanvas;
    trect fbounds{0, 0, 770, 589};
    bool fvisible = true;
    int32_t finvalidated = 0;
    int32_t fposted_resizes = 0;
    std::vector<trect> finvalidated_rects;
};

// A container of a few focusable controls, in focus order, that logs what it is asked to do.
class tfake_container : public tcontainer_controls_generic {
public:
    const char* class_name() const override { return "tfake_container"; }

    tvelmor_control* get_control(int32_t atag) override;
    void get_viewport(int32_t atag, trect& arect) override { arect = fviewports.at(atag); }
    void get_panel_viewport(int32_t atag, trect& arect) override { arect = fviewports.at(atag); }
    tvelmor_miscobject* get_miscobject(int32_t atag) override;
    void add_element(std::unique_ptr<tvelmor_object> aobject) override;
    void add_control(std::unique_ptr<tvelmor_control> acontrol) override;
    void finish_adds(int32_t astageno) override { log_event("finish_adds " + std::to_string(astageno)); }
    void calculate_viewports(int32_t&, tcanvas&, const trect& arect) override;
    void draw_controls(tcanvas&, int32_t&) override { log_event(fname + " paint"); }
    void draw_panel_controls(tcanvas&, int32_t&, int32_t atag_panel) override;
    void draw_control(tcanvas&, int32_t&, tvelmor_control* acontrol) override;
    bool send_key(int32_t atag, tcanvas&, int32_t&, bool, uint16_t akey, tshift_state, bool as_keyup) override;
    bool handle_mousedown(tcanvas&, int32_t&, tmouse_button, tshift_state, int32_t ax, int32_t ay, bool) override;
    bool handle_mousemove(tcanvas&, int32_t&, tshift_state, int32_t, int32_t) override { return false; }
    tvelmor_focus_order can_get_next_focus(int32_t& atag_next, int32_t atag) override;
    bool execute_control_service(void* aparams, tcontrol_service aservice, int32_t atag) override;

    // Adds a focusable control (in focus order) and its viewport.
    void add_test_control(int32_t atag, trect aviewport = {});

    std::string fname = "page";
    std::vector<std::unique_ptr<tvelmor_control_focusable>> fcontrols;
    std::map<int32_t, tvelmor_miscobject*> fmiscobjects;  // not owned
    std::map<int32_t, trect> fviewports;
};

// A parameter record of two parameters, a caption and a count (default 7).
class tparams_test_pair : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    explicit tparams_test_pair(tdrop_point adrop_point = dp_once_created) : tparams_generic(adrop_point) {
        apply_defaults();
    }
    std::u16string fcaption;
    int32_t fcount = 0;
};

// A record with a property the page stacks cannot carry (a 64-bit integer).
class tparams_test_bad : public tparams_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
    int32_t fsmall = 0;
    int64_t fbig = 0;
};

// A test page: logs its life cycle under its name, keeps its caption and count from its record,
// and can veto focus moves, queue jobs and raise from a task.
class Thandlermodule_test : public Thandlermodule_page {
public:
    Thandlermodule_test(tpage_controller_generic* aowner, thandler_type ahandler_type, tgraphbox_generic* agraphbox,
                        const char* aname);
    ~Thandlermodule_test() override;
    const char* class_name() const override { return fname; }

    void bind_data() override;
    void once_created() override;
    void save_params(tparams_generic& aparams) override;
    bool callback_message(void* aparams, int32_t atag, int32_t amsg) override;
    void run_task(int32_t atag, int32_t aparam) override;
    void handle_resize(bool as_skip_draw) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
    bool get_screen_params(tscreen_params& aparams) override;

    tfake_container& container() { return static_cast<tfake_container&>(*fcontrols); }

    const char* fname;
    std::u16string fcaption;
    int32_t fcount = 0;
    int32_t fveto_tag = -1;
    // Set before entering: a resize event that arrives while the page is being created.
    static inline bool fresize_while_created = false;
    static inline const tscreen_params* fnext_screen_params = nullptr;
    // Run by every key a test page gets, before the page's own handling.
    static inline std::function<void(Thandlermodule_test&)> fon_key;
    // Set by tests that follow when a page is freed ("<name> freed").
    static inline bool flog_freed = false;
};

// The header and footer: they log the settings the controller gives them.
class Thandlermodule_test_header : public Thandlermodule_test, public iheader_settings, public ifooter_settings {
public:
    using Thandlermodule_test::Thandlermodule_test;
    void set_header_param(tparams_header aparam_header, const std::u16string& avalue) override;
    bool set_header_param(tparams_header aparam_header, int16_t avalue) override;
    void set_header_param(tparams_header aparam_header, bool avalue, bool as_skip_draw) override;
    void default_button_captions() override;
    void set_buttons_invisible(uint16_t avalue, bool as_skip_draw) override;
    void set_buttons_enabled(uint16_t avalue, bool as_skip_draw) override;
    void set_footer_button_param(tfooter_button abutton, const std::u16string& acaption) override;

    int16_t fcaption_width = 0;
};

// An overlay that closes itself on Enter (result 1) and Esc (result 2).
class Thandlermodule_test_ontop : public Thandlermodule_ontop {
public:
    Thandlermodule_test_ontop(tpage_controller_generic* aowner, tvelmor_ontop aid, int32_t atag_ontop);
    const char* class_name() const override { return "Thandlermodule_test_ontop"; }
    trect get_initial_bounds(const trect& aclientrect) override;
    bool handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) override;
};

// Pages 1 to 5: A and B (the pair record), C (tparams_id), D (no record), E (tparams_test_bad).
const thandler_class& test_page_a();
const thandler_class& test_page_b();
const thandler_class& test_page_c();
const thandler_class& test_page_d();
const thandler_class& test_page_e();
const thandler_class& test_page_unregistered();
const thandler_class& test_header();
const thandler_class& test_footer();

// A controller over four fake surfaces with the test pages registered, and a fake platform.
class tpage_fixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    tfake_surface& surface(thandler_type aslot) {
        return static_cast<tfake_surface&>(*fcontroller->get_graphboxes().get_graphbox(aslot));
    }
    Thandlermodule_test& main_page() { return static_cast<Thandlermodule_test&>(*fcontroller->get_handler_main()); }
    // The log lines that start with aprefix.
    std::vector<std::string> events(const std::string& aprefix) const;

    tfake_platform fplatform;
    tplatform* fprevious_platform = nullptr;
    Tdatamodule_messages fmessages;
    std::unique_ptr<tpage_controller_generic> fcontroller;
};
