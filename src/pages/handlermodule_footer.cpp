#include "pages/handlermodule_footer.h"

#include <array>

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/dfm_component.h"
#include "pages/handler_class.h"
#include "pages/page_form.h"

namespace {

struct tfooter_legend {
    tfooter_button button;
    uint16_t bit;  // in the screen parameters' bit sets and in fbutton_caption_set
    int32_t tag;
    const char16_t* key;
    const char16_t* caption;  // the default
};

constexpr std::array<tfooter_legend, 4> legends{{
    {fb_f2, 2, 202, u"F2", u"Save"},
    {fb_f3, 4, 203, u"F3", u"Edit"},
    {fb_f7, 64, 205, u"F7", u"Menu"},
    {fb_f9, 256, 204, u"F9", u"Cancel"},
}};

std::u16string legend_caption(const tfooter_legend& alegend, const std::u16string& acaption) {
    return std::u16string(alegend.key) + u" - " + acaption;
}

}  // namespace

Thandlermodule_footer::Thandlermodule_footer(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                             tgraphbox_generic* agraphbox)
    : Thandlermodule_page(aowner, ahandler_type, agraphbox) {}

tvelmor_label& Thandlermodule_footer::label(tfooter_button abutton) {
    if (abutton >= legends.size())
        throw tvelmor_exception("Footer button %d not supported in %s.label();", static_cast<int32_t>(abutton),
                                class_name());
    const int32_t tag = legends[abutton].tag;
    return control<tvelmor_label>(tag);
}

// Drawn at once: the footer takes no events of its own, so no other control's event is under way
// on this surface. A hidden strip is left alone; showing it paints it whole.
void Thandlermodule_footer::draw_legend(tvelmor_label& alabel, bool as_skip_draw) {
    if (as_skip_draw || !fgraphbox || !fgraphbox->get_visible()) return;
    draw_control(&alabel, true);
}

void Thandlermodule_footer::default_button_captions() {
    for (const tfooter_legend& legend : legends)
        if ((fbutton_caption_set & legend.bit) != 0) label(legend.button).caption = legend_caption(legend, legend.caption);
    fbutton_caption_set = 0;
    tvelmor_label& status = control<tvelmor_label>(tag_status);
    status.caption.clear();
    status.visible = false;
}

void Thandlermodule_footer::set_buttons_invisible(uint16_t avalue, bool as_skip_draw) {
    for (const tfooter_legend& legend : legends) {
        tvelmor_label& found = label(legend.button);
        const bool visible = (avalue & legend.bit) == 0;
        if (found.visible == visible) continue;
        found.visible = visible;
        draw_legend(found, as_skip_draw);
    }
}

void Thandlermodule_footer::set_buttons_enabled(uint16_t avalue, bool as_skip_draw) {
    for (const tfooter_legend& legend : legends) {
        tvelmor_label& found = label(legend.button);
        const bool enabled = (avalue & legend.bit) != 0;
        if (found.enabled == enabled) continue;
        found.enabled = enabled;
        draw_legend(found, as_skip_draw);
    }
}

void Thandlermodule_footer::set_footer_button_param(tfooter_button abutton, const std::u16string& acaption) {
    tvelmor_label& found = label(abutton);
    const tfooter_legend& legend = legends[abutton];
    found.caption = legend_caption(legend, acaption);
    fbutton_caption_set = static_cast<uint16_t>(fbutton_caption_set | legend.bit);
}

void Thandlermodule_footer::set_footer_status(const std::u16string& atext) {
    tvelmor_label& status = control<tvelmor_label>(tag_status);
    if (status.caption == atext && status.visible == !atext.empty()) return;
    status.caption = atext;
    status.visible = !atext.empty();
    draw_legend(status, false);
}

const thandler_class& footer_handler_class() {
    static const thandler_class handler_class = [] {
        register_form_class("Tform_page_footer");
        static const Tform_page2 form("Tform_page_footer", Tform_page2::embedded_text("form_page_footer"));
        return thandler_class("Thandlermodule_footer", &handler_factory_of<Thandlermodule_footer>, &form, nullptr);
    }();
    return handler_class;
}
