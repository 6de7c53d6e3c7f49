#include "controls/embedded_forms.h"

#include <gtest/gtest.h>

#include <set>

#include "controls/controls_registration.h"
#include "controls/dfm_themes.h"
#include "controls/form_components.h"
#include "controls/form_reader.h"
#include "controls/recording_canvas.h"
#include "controls/theme.h"
#include "controls_test_support.h"
#include "page_fixture.h"

namespace {

// The program's renderers for one test; the table goes back to what it was afterwards.
struct tuse_program_renderers {
    tuse_program_renderers() { register_renderers(); }
    ~tuse_program_renderers() { trenderer_table::global() = fsaved; }
    trenderer_table fsaved = trenderer_table::global();
};

// The edit pages' forms use the shared looks the editable form base adds to them (themes 921 to
// 929 of form_page_editable_generic): every form gets those it does not declare itself.
void add_shared_themes(tdfm_form& aform) {
    const auto themes_of = [](tdfm_form& aform_of) -> tdfm_component* {
        for (auto& child : aform_of.children)
            if (dynamic_cast<tdfmelement_themes*>(child.get())) return child.get();
        return nullptr;
    };
    tdfm_component* themes = themes_of(aform);
    if (!themes) return;
    std::set<int32_t> declared;
    for (const auto& child : themes->children)
        if (const auto* theme = dynamic_cast<const tdfmelement_theme*>(child.get())) declared.insert(theme->tag_theme);
    register_form_class_if_page("Tform_page_editable_generic");
    const std::unique_ptr<tdfm_form> copy = read_embedded_form("form_page_editable_generic");
    for (auto& child : themes_of(*copy)->children)
        if (const auto* theme = dynamic_cast<const tdfmelement_theme*>(child.get()))
            if (!declared.count(theme->tag_theme)) themes->children.push_back(std::move(child));
}

}  // namespace

// Every form built into the program reads, loads into a container, lays out at its own size and
// paints through the program's renderers.
TEST(EmbeddedForms, EveryFormOfTheProgramLoadsLaysOutAndPaints) {
    register_controls_classes();
    tuse_program_renderers renderers;
    ASSERT_NE(nullptr, find_embedded_form("form_page_menu_accounts"));
    ASSERT_NE(nullptr, find_embedded_form("form_page_big_edit"));
    for (const tembedded_form& f : embedded_forms()) {
        SCOPED_TRACE(f.path);
        register_form_class_if_page(f.root_class);
        std::unique_ptr<tdfm_form> form = tform_reader::read(f.text, f.path);
        add_shared_themes(*form);
        ttest_owner page;
        create_form_components(*form, page.controls, &page);
        trecording_canvas canvas;
        int32_t font_tag = 0;
        page.controls.calculate_viewports(font_tag, canvas, {0, 0, form->ClientWidth, form->ClientHeight});
        page.controls.draw_controls(canvas, font_tag);
        EXPECT_FALSE(canvas.lines().empty());
    }
}

TEST(EmbeddedForms, AMissingFormIsReportedByName) {
    EXPECT_EQ(nullptr, find_embedded_form("form_page_nowhere"));
    expect_raises("Form form_page_nowhere is not in the program.", [] { read_embedded_form("form_page_nowhere"); });
}
