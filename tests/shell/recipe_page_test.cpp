// The page made by following the recipe in docs/architecture.md: registered like a product page,
// entered over the accounts menu, drawn, edited and saved through its journaled write, and left.
#include <gtest/gtest.h>

#include "handlermodule_test_operator_name.h"
#include "support/edit_pages_support.h"

namespace {

class RecipePage : public tedit_pages_test {
protected:
    Thandlermodule_test_operator_name& enter(int32_t aid) {
        start(register_test_operator_name_page);
        const tparam_value params[] = {int64_t{aid}};
        fcontroller->page_enter(Thandlermodule_test_operator_name::handler_class(), params, false);
        run_queue();
        return page<Thandlermodule_test_operator_name>();
    }
};

}  // namespace

TEST_F(RecipePage, IsEnteredDrawnSavedThroughItsJournalAndLeft) {
    Thandlermodule_test_operator_name& p = enter(2);
    const int64_t operators = number("SELECT COUNT(*) FROM operator");
    EXPECT_EQ(Thandlermodule_test_operator_name::pageno, fcontroller->get_pageno());
    const std::string drawn = surface(ht_main).fcanvas.text();
    EXPECT_NE(std::string::npos, drawn.find("\"First name:\"")) << drawn;
    EXPECT_NE(std::string::npos, drawn.find("\"" + edit_text(Thandlermodule_test_operator_name::tag_edit_first_name) + "\""));
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM operator WHERE id = 2 AND first_name = '" +
                        edit_text(Thandlermodule_test_operator_name::tag_edit_first_name) + "'"));

    key(tvk::f3);
    retype("zed");
    key(tvk::f2);
    EXPECT_EQ(u"", fplatform.flast_message);
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM operator WHERE id = 2 AND UPPER(first_name) = 'ZED'"));
    EXPECT_EQ(operators, number("SELECT COUNT(*) FROM operator"));
    EXPECT_FALSE(p.fis_newrecord);

    key(tvk::escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

// An id that names no operator is refused with its message.
TEST_F(RecipePage, AnOperatorThatIsGoneIsSaidWhenThePageIsEntered) {
    start(register_test_operator_name_page);
    const tparam_value params[] = {int64_t{9999}};
    EXPECT_EQ("Operator 9999 not found in Thandlermodule_test_operator_name.once_created();",
              message_of([&] { fcontroller->page_enter(Thandlermodule_test_operator_name::handler_class(), params, false); }));
}
