// The editable page bases over the real database: an account edit page on a copy of the shipped
// demo database, with the program's header and footer.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/controllers.h"
#include "controls/controls_registration.h"
#include "controls/text_controls.h"
#include "controls/theme.h"
#include "database/datamodule_ejt.h"
#include "database/datamodule_querys.h"
#include "database/fault_injection.h"
#include "editable_pages_database.h"
#include "page_fixture.h"
#include "pages/handlermodule_edit_generic.h"
#include "pages/handlermodule_editlist_generic.h"
#include "pages/handlermodule_footer.h"
#include "pages/handlermodule_header.h"
#include "pages/page_form_editable.h"
#include "procs/program_folders.h"
#include "support/process_folder.h"
#include "xml/datamodule_inifile.h"

namespace fs = std::filesystem;

namespace {

const std::string& process_folder() { return test_process_folder("velmor_edittest_"); }

const Tform_page2 form_start("Tform_page2", "object form_start: Tform_page2\n ClientWidth = 770\n ClientHeight = 589\nend\n");

// Name and zip code of an account; the themes are the shared ones of the form base.
const Tform_page_editable_generic form_account("Tform_page_editable_generic", R"(
object form_account: Tform_page_editable_generic
  ClientWidth = 770
  ClientHeight = 589
  object panel_root: tdfmelement_panel
    Tag = 2101
    visible = True
    focus_order = 0
    panel_options = []
  end
  object panel_edit: tdfmelement_panel
    Tag = 2102
    parent = panel_root
    visible = True
    focus_order = 1
    panel_options = []
    object edit_name: tdfmelement_edit
      Tag = 201
      tag_theme = 921
      focus_order = 0
      header = 101
      fieldno = 0
      edit_options = []
    end
    object edit_zipcode: tdfmelement_edit
      Tag = 202
      tag_theme = 921
      focus_order = 1
      header = 101
      fieldno = 1
      edit_options = []
    end
  end
  object viewport_root: tdfmelement_viewport
    Tag = 2101
    tag_control_first = 101
    object align_edit: tdfmelement_align
      align = alClient
    end
  end
  object viewport_edit: tdfmelement_viewport
    Tag = 2102
    tag_control_parent = 101
    tag_control_first = 201
    object align_name: tdfmelement_align
      align = alTop
      dimension = 24
    end
    object align_zipcode: tdfmelement_align
      align = alTop
      dimension = 24
    end
  end
  object miscobjects: tdfmelement_miscobjects
    object links_account: tdfmelement_miscobject_fieldlinks
      Tag = 101
      links_instance = li_record
      fieldlinks = <
        item
          fieldname = 'name'
          fieldtype = fs_validator
          value_type = vf_unicodestring
        end
        item
          fieldname = 'zipcode'
          fieldtype = fs_validator
          value_type = vf_unicodestring
        end>
    end
  end
end
)");

// The account to open; 0 opens a new one.
int32_t account_to_open = 0;

class Thandlermodule_test_account : public Thandlermodule_edit_generic {
public:
    Thandlermodule_test_account(tpage_controller_generic* aowner, thandler_type ahandler_type,
                                tgraphbox_generic* agraphbox)
        : Thandlermodule_edit_generic(aowner, ahandler_type, agraphbox) {
        fappscreen = as_edit_account;
        frecord = std::make_unique<tdbrecord_account2>();
        frecord0 = std::make_unique<tdbrecord_account2>();
    }
    const char* class_name() const override { return "Thandlermodule_test_account"; }
    void once_created() override {
        fis_newrecord = account_to_open == 0;
        if (fis_newrecord) return;
        load_account(static_cast<tdbrecord_account2&>(*frecord), account_to_open);
    }
};

const thandler_class& start_page() {
    static const thandler_class c("Thandlermodule_page", &handler_factory_of<Thandlermodule_page>, &form_start,
                                  &tparams_null::static_class());
    return c;
}

const thandler_class& account_page() {
    static const thandler_class c("Thandlermodule_test_account", &handler_factory_of<Thandlermodule_test_account>,
                                  &form_account, &tparams_null::static_class());
    return c;
}

constexpr uint16_t key_f2 = 113, key_f3 = 114, key_f7 = 118, key_f9 = 120;

class EditablePages : public ::testing::Test {
protected:
    void SetUp() override {
        process_folder();
        ffolder = make_temp_folder("velmor_editcase_");
        tprogram_folders::set_program_folder(ffolder);
        fs::create_directories(ffolder + "/d0");
        fs::copy_file(pages_shipped_database(process_folder()), ffolder + "/d0/accounts.fdb");
        finifile = std::make_unique<Tdatamodule_inifile>();
        auto domain = std::make_unique<telement_domain>();
        domain->fname = "Demo Data";
        domain->fpath = ffolder + "/d0";
        finifile->flist_domains.push_back(std::move(domain));
        fdatabase = std::make_unique<Tdatamodule_database_customers>(finifile.get());
        fdatabase->open_database(0);
        fejt = std::make_unique<Tdatamodule_ejt>(*fdatabase);
        fquerys = std::make_unique<Tdatamodule_querys>(*fdatabase);
        register_controls_classes();
        register_renderers();
        fprevious_platform = tplatform::set_instance(&fplatform);
        tdbrecord_account2 first;
        ASSERT_TRUE(load_first_account(first));
        ffirst_id = first.get_aslongint1(0);
        ffirst_name = first.get_asunicodestring1(1);
    }
    void TearDown() override {
        fcontroller.reset();
        tplatform::set_instance(fprevious_platform);
        fquerys.reset();
        fejt.reset();
        fdatabase.reset();
        finifile.reset();
        tprogram_folders::set_program_folder("");
        std::error_code ec;
        if (!HasFailure()) fs::remove_all(ffolder, ec);
    }

    // Opens the account page (over a start page, so that leaving it is seen) and lays it out.
    void open(int32_t aid) {
        account_to_open = aid;
        auto boxes = std::make_unique<tgraphboxes>();
        for (thandler_type slot : {ht_main, ht_header, ht_footer, ht_ontop})
            boxes->add(slot, std::make_unique<tfake_surface>(101 + slot));
        fcontroller = std::make_unique<tpage_controller_generic>(std::move(boxes), fmessages, &header_handler_class(),
                                                                 &footer_handler_class());
        fcontroller->register_page(1, start_page());
        fcontroller->register_page(2, account_page());
        fcontroller->register_pages_finish();
        fcontroller->page_enter(int16_t{1}, true);
        fcontroller->page_enter(int16_t{2}, false);
        run_queue();
    }
    void run_queue() {
        while (fcontroller->run_next_queued_message()) {
        }
    }
    Thandlermodule_test_account* page() {
        return dynamic_cast<Thandlermodule_test_account*>(fcontroller->get_handler_main());
    }
    bool press(uint16_t akey) {
        bool used = fcontroller->handle_keydown(akey, 0, false);
        run_queue();
        return used;
    }
    // What an edit does when the user leaves it after typing: the value goes into the record
    // through the field link, and the edit reports 1104.
    void type_into(int32_t atag, int32_t afield, const std::u16string& avalue) {
        page()->frecord->set_asunicodestring1(afield, avalue);
        page()->callback_message(nullptr, atag, tmsg_code::edit_changed);
        run_queue();
    }
    void answer(int32_t aresult) {
        tmsg_params_ontop_result params;
        params.result = aresult;
        fcontroller->close_ontop();
        page()->callback_message(&params, 9101, tmsg_code::ontop_closed);
        run_queue();
    }
    bool footer_enabled(int32_t atag) {
        return static_cast<tvelmor_customlabel*>(fcontroller->get_handler_footer()->fcontrols->get_control(atag))
            ->enabled;
    }
    int32_t theme_of(int32_t atag) { return page()->fcontrols->get_control(atag)->tag_theme; }
    tcolor colour_of(int32_t atag_theme) {
        return static_cast<tvelmor_theme_edit*>(page()->fcontrols->get_theme_by_tag(atag_theme))->color;
    }
    std::u16string stored_name(int32_t aid) {
        tdbrecord_account2 r;
        if (!load_account(r, aid)) return u"(none)";
        return r.get_asunicodestring1(1);
    }

    std::string ffolder;
    std::unique_ptr<Tdatamodule_inifile> finifile;
    std::unique_ptr<Tdatamodule_database_customers> fdatabase;
    std::unique_ptr<Tdatamodule_ejt> fejt;
    std::unique_ptr<Tdatamodule_querys> fquerys;
    tfake_platform fplatform;
    tplatform* fprevious_platform = nullptr;
    Tdatamodule_messages fmessages;
    std::unique_ptr<tpage_controller_generic> fcontroller;
    int32_t ffirst_id = 0;
    std::u16string ffirst_name;
};

constexpr tcolor white = 0xFFFFFF, editing = 255 + 216 * 256 + 200 * 65536, modified = 255 + 176 * 256 + 160 * 65536;

}  // namespace

TEST_F(EditablePages, AnExistingRecordOpensViewingAndF3SwitchesToTheEditingLook) {
    open(ffirst_id);
    ASSERT_NE(nullptr, page());
    EXPECT_FALSE(page()->fmode_editing);
    EXPECT_EQ(white, colour_of(921));
    EXPECT_TRUE(footer_enabled(203));
    EXPECT_FALSE(footer_enabled(202));
    EXPECT_TRUE(press(key_f3));
    EXPECT_TRUE(page()->fmode_editing);
    EXPECT_EQ(editing, colour_of(921));
    EXPECT_EQ(921, theme_of(201));
    EXPECT_FALSE(footer_enabled(203));
    EXPECT_FALSE(footer_enabled(205));
    // F7 is refused while editing.
    EXPECT_TRUE(press(key_f7));
    EXPECT_EQ(nullptr, fcontroller->get_handler_ontop());
}

TEST_F(EditablePages, TypingMarksTheControlModifiedAndF2SavesToTheDatabase) {
    open(ffirst_id);
    press(key_f3);
    // F2 without a change does nothing.
    press(key_f2);
    EXPECT_TRUE(page()->fmode_editing);
    type_into(201, 1, u"Renamed Pty Ltd");
    EXPECT_TRUE(page()->fmodified);
    EXPECT_EQ(923, theme_of(201));
    EXPECT_EQ(modified, colour_of(923));
    EXPECT_TRUE(footer_enabled(202));
    press(key_f2);
    EXPECT_FALSE(page()->fmode_editing);
    EXPECT_FALSE(page()->fmodified);
    EXPECT_EQ(921, theme_of(201));
    EXPECT_EQ(white, colour_of(921));
    EXPECT_FALSE(footer_enabled(202));
    EXPECT_EQ(u"Renamed Pty Ltd", stored_name(ffirst_id));
}

TEST_F(EditablePages, KeysTypedIntoAnEditChangeTheRecordOnlyWhileEditing) {
    open(ffirst_id);
    auto type_keys = [&] {
        page()->set_focused_tag(201, false);
        for (uint16_t key : {uint16_t('Z'), uint16_t('Q')}) press(key);
        press(tvk::enter);
    };
    type_keys();
    EXPECT_FALSE(page()->fmodified);
    EXPECT_EQ(ffirst_name, page()->frecord->get_asunicodestring1(1));
    press(key_f3);
    type_keys();
    EXPECT_TRUE(page()->fmodified);
    EXPECT_EQ(923, theme_of(201));
    EXPECT_EQ(921, theme_of(202));
    EXPECT_TRUE(footer_enabled(202));
    EXPECT_EQ(u"zq", page()->frecord->get_asunicodestring1(1));
}

TEST_F(EditablePages, EscOnAModifiedRecordAsksAndActsOnTheAnswer) {
    struct tcase {
        const char* name;
        int32_t result;
        bool page_left;
        bool editing;
        std::u16string page_name;  // the page's record afterwards (when the page stays)
        bool stored;               // the database holds the typed name
    };
    const std::u16string typed = u"Asked About";
    const tcase cases[] = {
        {"yes saves and returns to viewing", 6, false, false, typed, true},
        {"no restores the loaded values", 7, false, false, u"", false},
        {"cancel stays editing with the typed value", 2, false, true, typed, false},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        open(ffirst_id);
        const std::u16string loaded = stored_name(ffirst_id);
        press(key_f3);
        type_into(201, 1, typed);
        press(tvk::escape);
        ASSERT_NE(nullptr, fcontroller->get_handler_ontop());
        answer(c.result);
        ASSERT_NE(nullptr, page());
        EXPECT_EQ(c.editing, page()->fmode_editing);
        EXPECT_EQ(c.page_name.empty() ? loaded : c.page_name, page()->frecord->get_asunicodestring1(1));
        EXPECT_EQ(c.stored ? typed : loaded, stored_name(ffirst_id));
        if (c.stored) {
            // put it back for the next case
            press(key_f3);
            type_into(201, 1, loaded);
            press(key_f2);
        }
    }
}

TEST_F(EditablePages, EscAndF9LeaveEditingOrThePage) {
    open(ffirst_id);
    press(key_f3);
    // Editing without a change: Esc returns to viewing without asking.
    press(tvk::escape);
    EXPECT_EQ(nullptr, fcontroller->get_handler_ontop());
    EXPECT_FALSE(page()->fmode_editing);
    // F9 while editing restores the loaded values.
    press(key_f3);
    type_into(201, 1, u"Not Kept");
    press(key_f9);
    EXPECT_FALSE(page()->fmode_editing);
    EXPECT_EQ(ffirst_name, page()->frecord->get_asunicodestring1(1));
    EXPECT_EQ(ffirst_name, stored_name(ffirst_id));
    // F9 while viewing leaves the page.
    press(key_f9);
    EXPECT_EQ(nullptr, page());
}

TEST_F(EditablePages, ANewRecordStartsEditingAndSavesWithItsGeneratedKey) {
    open(0);
    ASSERT_NE(nullptr, page());
    EXPECT_TRUE(page()->fmode_editing);
    type_into(201, 1, u"Brand New Traders");
    press(key_f2);
    EXPECT_FALSE(page()->fis_newrecord);
    EXPECT_FALSE(page()->fmode_editing);
    ASSERT_TRUE(page()->frecord->get_field_is_assigned(0));
    const int32_t id = page()->frecord->get_aslongint1(0);
    EXPECT_GT(id, ffirst_id);
    EXPECT_EQ(u"Brand New Traders", stored_name(id));
}

TEST_F(EditablePages, EscOnANewRecordLeavesUnlessModifiedAndNoLeavesIt) {
    open(0);
    press(tvk::escape);
    EXPECT_EQ(nullptr, page());
    open(0);
    type_into(201, 1, u"Half Typed");
    press(tvk::escape);
    ASSERT_NE(nullptr, fcontroller->get_handler_ontop());
    answer(7);
    EXPECT_EQ(nullptr, page());
}

TEST_F(EditablePages, AFailedSaveLeavesTheDatabaseUnchangedAndThePageEditing) {
    open(ffirst_id);
    press(key_f3);
    type_into(201, 1, u"Refused Name");
    // The zip code column holds 20 characters: the database refuses the update as a whole.
    type_into(202, 2, u"123456789012345678901234567890");
    EXPECT_THROW(press(key_f2), tvelmor_exception);
    run_queue();
    EXPECT_TRUE(page()->fmode_editing);
    EXPECT_TRUE(page()->fmodified);
    EXPECT_EQ(u"Refused Name", page()->frecord->get_asunicodestring1(1));
    EXPECT_EQ(ffirst_name, stored_name(ffirst_id));
}

TEST_F(EditablePages, ANewRecordTheDatabaseRefusesKeepsNoKey) {
    open(0);
    type_into(202, 2, u"123456789012345678901234567890");
    EXPECT_THROW(press(key_f2), tvelmor_exception);
    EXPECT_TRUE(page()->fis_newrecord);
    EXPECT_TRUE(page()->fmode_editing);
    EXPECT_FALSE(page()->frecord->get_field_is_assigned(0));
}

TEST_F(EditablePages, ASaveFailedAtAnyPointKeepsThePageEditingWithTheUsersValues) {
    const std::u16string typed = u"Typed Before The Fault";
    auto stored_with_typed_name = [] { return account_named("Typed Before The Fault"); };
    for (bool as_new : {false, true}) {
        SCOPED_TRACE(as_new ? "new account" : "edited account");
        open(as_new ? 0 : ffirst_id);
        if (!as_new) press(key_f3);
        type_into(201, 1, typed);
        // Point n of the save fails; a save that passes every point without reaching n went through.
        int64_t n = 1;
        for (;; ++n) {
            SCOPED_TRACE("fault at point " + std::to_string(n));
            tfault_injection::arm(n);
            std::string message = "(no error)";
            try {
                press(key_f2);
            } catch (const tvelmor_exception& e) {
                message = e.what();
            }
            const bool fired = tfault_injection::fired();
            tfault_injection::disarm();
            if (!fired) break;
            run_queue();
            EXPECT_NE(std::string::npos, message.find("injected fault at")) << message;
            EXPECT_TRUE(page()->fmode_editing);
            EXPECT_TRUE(page()->fmodified);
            EXPECT_EQ(typed, page()->frecord->get_asunicodestring1(1));
            EXPECT_EQ(as_new, page()->fis_newrecord);
            EXPECT_EQ(!as_new, page()->frecord->get_field_is_assigned(0));
            EXPECT_FALSE(fdatabase->Transaction1.active());
            EXPECT_FALSE(stored_with_typed_name());
            EXPECT_EQ(ffirst_name, stored_name(ffirst_id));
            ASSERT_LT(n, 50);
        }
        EXPECT_GE(n - 1, 2);
        EXPECT_FALSE(page()->fmode_editing);
        EXPECT_TRUE(stored_with_typed_name());
        if (!as_new) {
            // put the name back for the new-account case
            press(key_f3);
            type_into(201, 1, ffirst_name);
            press(key_f2);
        }
    }
}

TEST(EditListPage, TheOperationsAConcretePageMustProvideSayTheyAreNotImplemented) {
    Thandlermodule_editlist_generic page(nullptr, ht_main, nullptr);
    struct tcase {
        const char* name;
        std::function<void()> call;
        const char* message;
    };
    const tcase cases[] = {
        {"journal id", [&] { page.get_ejt_id(); }, "Thandlermodule_editlist_generic.get_ejt_id(); not implemented"},
        {"load", [&] { page.load_record(); }, "Thandlermodule_editlist_generic.load_record(); not implemented"},
        {"tab", [&] { page.set_tabpageno(1, false); },
         "Thandlermodule_editlist_generic.set_tabpageno(); not implemented"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.call();
            ADD_FAILURE() << "no exception";
        } catch (const tvelmor_exception& e) {
            EXPECT_STREQ(c.message, e.what());
        }
    }
}
