#include "page_fixture.h"

#include "controls/control_messages.h"
#include "controls/controls_registration.h"
#include "pages/page_controller_generic.h"

std::vector<std::string>& event_log() {
    static std::vector<std::string> flog;
    return flog;
}

void log_event(const std::string& aline) { event_log().push_back(aline); }

// ---- tfake_container ----

tvelmor_control* tfake_container::get_control(int32_t atag) {
    for (auto& control : fcontrols)
        if (control->tag == atag) return control.get();
    return nullptr;
}

tvelmor_miscobject* tfake_container::get_miscobject(int32_t atag) {
    const auto it = fmiscobjects.find(atag);
    return it == fmiscobjects.end() ? nullptr : it->second;
}

void tfake_container::add_element(std::unique_ptr<tvelmor_object> aobject) {
    log_event("add_element " + std::string(aobject->class_name()));
}

void tfake_container::add_control(std::unique_ptr<tvelmor_control> acontrol) {
    log_event("add_control " + std::to_string(acontrol->tag));
}

void tfake_container::calculate_viewports(int32_t&, tcanvas&, const trect& arect) {
    log_event(fname + " layout " + std::to_string(arect.width()) + "x" + std::to_string(arect.height()));
}

void tfake_container::draw_panel_controls(tcanvas&, int32_t&, int32_t atag_panel) {
    log_event(fname + " draw panel " + std::to_string(atag_panel));
}

void tfake_container::draw_control(tcanvas&, int32_t&, tvelmor_control* acontrol) {
    log_event(fname + " draw " + std::to_string(acontrol->tag));
}

bool tfake_container::send_key(int32_t atag, tcanvas&, int32_t&, bool, uint16_t akey, tshift_state, bool as_keyup) {
    log_event(fname + " key " + std::to_string(akey) + (as_keyup ? " up" : " down") + " to " + std::to_string(atag));
    return true;
}

bool tfake_container::handle_mousedown(tcanvas&, int32_t&, tmouse_button, tshift_state, int32_t ax, int32_t ay,
                                       bool) {
    log_event(fname + " mouse " + std::to_string(ax) + "," + std::to_string(ay));
    return true;
}

tvelmor_focus_order tfake_container::can_get_next_focus(int32_t& atag_next, int32_t atag) {
    for (size_t i = 0; i + 1 < fcontrols.size(); ++i)
        if (fcontrols[i]->tag == atag) {
            atag_next = fcontrols[i + 1]->tag;
            return fo_greaterthan;
        }
    if (fcontrols.empty()) return fo_none;
    atag_next = fcontrols.front()->tag;
    return fo_lessthan;
}

bool tfake_container::execute_control_service(void* aparams, tcontrol_service aservice, int32_t atag) {
    auto* result = static_cast<int32_t*>(aparams);
    switch (aservice) {
        case cs_focus_control: {
            auto* control = static_cast<tvelmor_control_focusable*>(get_control(atag));
            const bool value = *static_cast<bool*>(aparams);
            if (!control || control->is_focused == value) return false;
            control->is_focused = value;
            return true;
        }
        case cs_can_get_next_focus: return can_get_next_focus(*result, atag) != fo_none;
        case cs_can_get_prior_focus:
            for (size_t i = 1; i < fcontrols.size(); ++i)
                if (fcontrols[i]->tag == atag) {
                    *result = fcontrols[i - 1]->tag;
                    return true;
                }
            return false;
        case cs_can_get_next_focus_panel:
            // The next panel's first control: the next hundred.
            for (auto& control : fcontrols)
                if (control->tag / 100 > atag / 100) {
                    *result = control->tag;
                    return true;
                }
            return false;
        default: return false;
    }
}

void tfake_container::add_test_control(int32_t atag, trect aviewport) {
    auto control = std::make_unique<tvelmor_control_focusable>(nullptr, ac_edit);
    control->tag = atag;
    fcontrols.push_back(std::move(control));
    fviewports[atag] = aviewport;
}

// ---- records and pages ----

const tclass_info& tparams_test_pair::static_class() {
    return describe_class<tparams_test_pair, tparams_generic>(
        "tparams_test_pair",
        {prop<&tparams_test_pair::fcaption>("caption"), prop<&tparams_test_pair::fcount>("count").def(7)});
}

const tclass_info& tparams_test_bad::static_class() {
    return describe_class<tparams_test_bad, tparams_generic>(
        "tparams_test_bad", {prop<&tparams_test_bad::fsmall>("small"), prop<&tparams_test_bad::fbig>("big")});
}

Thandlermodule_test::Thandlermodule_test(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                         tgraphbox_generic* agraphbox, const char* aname)
    : Thandlermodule_page(aowner, ahandler_type, agraphbox, std::make_unique<tfake_container>()), fname(aname) {
    container().fname = aname;
    for (int32_t tag : {101, 102, 103, 201}) container().add_test_control(tag, {10, 20, 110, 40});
    container().fviewports[2101] = {0, 0, 300, 200};
}

void Thandlermodule_test::bind_data() { log_event(std::string(fname) + " bind_data"); }

void Thandlermodule_test::once_created() {
    if (auto* pair = dynamic_cast<tparams_test_pair*>(fparams.get())) {
        fcaption = pair->fcaption;
        fcount = pair->fcount;
    }
    std::string line = std::string(fname) + " once_created";
    if (auto* id = dynamic_cast<tparams_id*>(fparams.get())) line += " id " + std::to_string(id->fid);
    log_event(line);
    if (fresize_while_created && fowner) fowner->handle_resize(ht_main, false);
}

void Thandlermodule_test::save_params(tparams_generic& aparams) {
    if (auto* pair = dynamic_cast<tparams_test_pair*>(&aparams)) {
        pair->fcaption = fcaption;
        pair->fcount = fcount;
    }
}

bool Thandlermodule_test::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    std::string line = std::string(fname) + " message " + std::to_string(amsg) + " tag " + std::to_string(atag);
    if (amsg == tmsg_code::ontop_closed)
        line += " result " + std::to_string(static_cast<tmsg_params_ontop_result*>(aparams)->result);
    log_event(line);
    return amsg == tmsg_code::focus_changing && atag == fveto_tag;
}

void Thandlermodule_test::run_task(int32_t atag, int32_t aparam) {
    log_event(std::string(fname) + " task " + std::to_string(atag) + " param " + std::to_string(aparam));
    if (atag == 666) throw tvelmor_exception("Task %d failed", atag);
}

void Thandlermodule_test::handle_resize(bool as_skip_draw) {
    log_event(std::string(fname) + " resize" + (as_skip_draw ? " skip_draw" : ""));
}

Thandlermodule_test::~Thandlermodule_test() {
    if (flog_freed) log_event(std::string(fname) + " freed");
}

bool Thandlermodule_test::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    log_event(std::string(fname) + " keydown " + std::to_string(akey));
    if (fon_key) fon_key(*this);
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_test::get_screen_params(tscreen_params& aparams) {
    if (!fnext_screen_params) return false;
    aparams = *fnext_screen_params;
    return true;
}

void Thandlermodule_test_header::set_header_param(tparams_header aparam_header, const std::u16string& avalue) {
    log_event("header " + std::to_string(aparam_header) + " = " + utf16_to_utf8(avalue));
}

bool Thandlermodule_test_header::set_header_param(tparams_header aparam_header, int16_t avalue) {
    log_event("header " + std::to_string(aparam_header) + " = " + std::to_string(avalue));
    const bool changed = avalue != fcaption_width;
    fcaption_width = avalue;
    return changed;
}

void Thandlermodule_test_header::set_header_param(tparams_header aparam_header, bool avalue, bool as_skip_draw) {
    log_event("header " + std::to_string(aparam_header) + " = " + (avalue ? "true" : "false") +
              (as_skip_draw ? "" : " drawn"));
}

void Thandlermodule_test_header::default_button_captions() { log_event("footer default captions"); }

void Thandlermodule_test_header::set_buttons_invisible(uint16_t avalue, bool as_skip_draw) {
    log_event("footer invisible " + std::to_string(avalue) + (as_skip_draw ? "" : " drawn"));
}

void Thandlermodule_test_header::set_buttons_enabled(uint16_t avalue, bool as_skip_draw) {
    log_event("footer enabled " + std::to_string(avalue) + (as_skip_draw ? "" : " drawn"));
}

void Thandlermodule_test_header::set_footer_button_param(tfooter_button abutton, const std::u16string& acaption) {
    log_event("footer caption " + std::to_string(abutton) + " " + utf16_to_utf8(acaption));
}

Thandlermodule_test_ontop::Thandlermodule_test_ontop(tpage_controller_generic* aowner, tvelmor_ontop aid,
                                                     int32_t atag_ontop)
    : Thandlermodule_ontop(aowner, aid, atag_ontop, nullptr, std::make_unique<tfake_container>()) {
    static_cast<tfake_container&>(*fcontrols).fname = "ontop";
}

trect Thandlermodule_test_ontop::get_initial_bounds(const trect& aclientrect) {
    return {aclientrect.right - 206, 6, aclientrect.right - 6, 100};
}

bool Thandlermodule_test_ontop::handle_keydown(uint16_t akey, tshift_state, bool as_keyup) {
    log_event("ontop keydown " + std::to_string(akey));
    if (as_keyup || (akey != 13 && akey != 27)) return false;
    fmodalresult = akey == 13 ? 1 : 2;
    fowner->close_ontop();
    // Still alive after closing itself: the controller frees it once this event has returned.
    log_event("ontop closed itself, result " + std::to_string(fmodalresult));
    return true;
}

namespace {
template <const char* Name>
std::unique_ptr<Thandlermodule_page> create_test_page(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                                      tgraphbox_generic* agraphbox) {
    return std::make_unique<Thandlermodule_test>(aowner, ahandler_type, agraphbox, Name);
}

constexpr char name_a[] = "Thandlermodule_test_a";
constexpr char name_b[] = "Thandlermodule_test_b";
constexpr char name_c[] = "Thandlermodule_test_c";
constexpr char name_d[] = "Thandlermodule_test_d";
constexpr char name_e[] = "Thandlermodule_test_e";
constexpr char name_x[] = "Thandlermodule_test_x";
constexpr char name_header[] = "header";
constexpr char name_footer[] = "footer";

template <const char* Name>
std::unique_ptr<Thandlermodule_page> create_test_header(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                                        tgraphbox_generic* agraphbox) {
    return std::make_unique<Thandlermodule_test_header>(aowner, ahandler_type, agraphbox, Name);
}

// Forms that declare nothing but their size (the test pages build their controls themselves).
const Tform_page2 form_large("Tform_page_test_large",
                             "object form_large: Tform_page2\n ClientWidth = 1090\n ClientHeight = 860\nend\n");
const Tform_page2 form_small("Tform_page_test_small",
                             "object form_small: Tform_page2\n ClientWidth = 1026\n ClientHeight = 809\nend\n");
const Tform_page2 form_strip("Tform_page_test_strip",
                             "object form_strip: Tform_page2\n ClientWidth = 770\n ClientHeight = 54\nend\n");
}  // namespace

const thandler_class& test_page_a() {
    static const thandler_class c(name_a, &create_test_page<name_a>, &form_large, &tparams_test_pair::static_class());
    return c;
}
const thandler_class& test_page_b() {
    static const thandler_class c(name_b, &create_test_page<name_b>, &form_large, &tparams_test_pair::static_class());
    return c;
}
const thandler_class& test_page_c() {
    static const thandler_class c(name_c, &create_test_page<name_c>, &form_small, &tparams_id::static_class());
    return c;
}
const thandler_class& test_page_d() {
    static const thandler_class c(name_d, &create_test_page<name_d>, &form_small, nullptr);
    return c;
}
const thandler_class& test_page_e() {
    static const thandler_class c(name_e, &create_test_page<name_e>, &form_small, &tparams_test_bad::static_class());
    return c;
}
const thandler_class& test_page_unregistered() {
    static const thandler_class c(name_x, &create_test_page<name_x>, &form_small, &tparams_id::static_class());
    return c;
}

const thandler_class& test_header() {
    static const thandler_class c(name_header, &create_test_header<name_header>, &form_strip, nullptr);
    return c;
}
const thandler_class& test_footer() {
    static const thandler_class c(name_footer, &create_test_header<name_footer>, &form_strip, nullptr);
    return c;
}

// ---- fixture ----

void tpage_fixture::SetUp() {
    register_controls_classes();
    event_log().clear();
    Thandlermodule_test::fresize_while_created = false;
    Thandlermodule_test::fnext_screen_params = nullptr;
    fprevious_platform = tplatform::set_instance(&fplatform);
    auto boxes = std::make_unique<tgraphboxes>();
    for (thandler_type slot : {ht_main, ht_header, ht_footer, ht_ontop})
        boxes->add(slot, std::make_unique<tfake_surface>(101 + slot));
    fcontroller = std::make_unique<tpage_controller_generic>(std::move(boxes), fmessages, &test_header(),
                                                             &test_footer());
    fcontroller->register_page(1, test_page_a());
    fcontroller->register_page(2, test_page_b());
    fcontroller->register_page(3, test_page_c());
    fcontroller->register_page(4, test_page_d());
    fcontroller->register_page(5, test_page_e());
    fcontroller->register_pages_finish();
}

void tpage_fixture::TearDown() {
    Thandlermodule_test::fon_key = nullptr;
    Thandlermodule_test::flog_freed = false;
    fcontroller.reset();
    tplatform::set_instance(fprevious_platform);
}

std::vector<std::string> tpage_fixture::events(const std::string& aprefix) const {
    std::vector<std::string> out;
    for (const std::string& line : event_log())
        if (line.rfind(aprefix, 0) == 0) out.push_back(line);
    return out;
}
