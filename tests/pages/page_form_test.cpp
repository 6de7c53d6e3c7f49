#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "controls/controls_registration.h"
#include "controls/element.h"
#include "controls/miscobject.h"
#include "expect_error.h"
#include "page_fixture.h"
#include "pages/handlermodule_generic.h"
#include "pages/page_form.h"

namespace {
// A module that only lists what a form hands over.
class Thandlermodule_build_log : public Thandlermodule_generic {
public:
    const char* class_name() const override { return "Thandlermodule_build_log"; }
    void add_element(std::unique_ptr<tvelmor_object> acontrol) override {
        flog.push_back(std::string("element ") + acontrol->class_name());
    }
    void add_control(std::unique_ptr<tvelmor_control> acontrol) override {
        flog.push_back("control " + std::to_string(acontrol->tag) + (acontrol->owner == this ? " owned" : ""));
    }
    void finish_adds(int32_t astageno) override { flog.push_back("finish_adds " + std::to_string(astageno)); }
    std::vector<std::string> flog;
};

std::string read_text(const std::string& apath) {
    std::ifstream file(apath);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}
}  // namespace

TEST(PageForm, ElementsComeFirstThenEachPanelsControlsInFileOrder) {
    register_controls_classes();
    const std::string text = read_text(std::string(VELMOR_TEST_DATA) + "/forms/form_sample_contact.form");
    ASSERT_FALSE(text.empty());
    const Tform_page2 form("Tform_page_sample_contact", text);
    Thandlermodule_build_log module;
    tfake_platform window;
    form.load_handler(module, &window);
    EXPECT_EQ((tsize{800, 600}), window.fclient);
    const std::vector<std::string> expected{
        "element tvelmor_panel",
        "element tvelmor_panel",
        "element tvelmor_viewport2",
        "element tvelmor_viewport2",
        "element tvelmor_theme_bevel",
        "element tvelmor_theme_label",
        "element tvelmor_theme_grid",
        "element tvelmor_theme_edit",
        "element tmiscobject_fieldlinks_record",
        "element tmiscobject_gridcolumns",
        "element tmiscobject_value",
        "element tmiscobject_textlines",
        "element tmiscobject_screenparams",
        "element tvelmor_messagelines_grid",
        "finish_adds 1",
        "control 101 owned",
        "control 102 owned",
        "control 201 owned",
        "control 202 owned",
        "control 203 owned",
        "finish_adds 2",
    };
    EXPECT_EQ(expected, module.flog);
}

TEST(PageForm, AFormWithoutItsClassOperationsRaises) {
    const tform_page_generic bare;
    Thandlermodule_build_log module;
    EXPECT_VELMOR_ERROR(bare.load_handler(module, nullptr), "tform_page_generic.load_handler(); not implemented.");
    EXPECT_VELMOR_ERROR(bare.create_handler(nullptr, nullptr, false),
                        "tform_page_generic.create_handler(); not implemented.");
}
