// The site pictures page (page 24): the counter, moving between pictures, the painted area, and
// adding and deleting pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "controls/picture_fit.h"
#include "pages/handlermodule_dialog.h"
#include "pages/handlermodule_header.h"
#include "property/handlermodule_edits_cpsite_pics.h"
#include "property/procs_site_pics.h"
#include "sites_fixture.h"

namespace fs = std::filesystem;

namespace {

using tpics_page = Thandlermodule_edits_cpsite_pics;

class EditsCpsitePics : public tsites_page_test {
protected:
    tpics_page& pics() { return page<tpics_page>(); }
    // The pictures page over the accounts menu; returns what its first layout drew.
    std::vector<std::string> open_pics(int32_t aid) {
        start_sites();
        surface(ht_main).fcanvas.clear();
        const tparam_value params[] = {int64_t{aid}};
        fcontroller->page_enter(tpics_page::handler_class(), params, false);
        return surface(ht_main).fcanvas.lines();
    }
    trect area() {
        trect r;
        pics().fcontrols->get_viewport(tpics_page::tag_picture, r);
        return r;
    }
    std::string counter() { return label_text(tpics_page::tag_counter); }
    // Picture anumber's file, a solid picture of the given size.
    void store_picture(uint16_t anumber, int32_t awidth, int32_t aheight) {
        write_file(pics_folder() + tprocs_site_pics::file_name(anumber), jpeg_bytes(awidth, aheight, 90, 140, 200));
    }
    // The file the dialog answers with.
    void choose(const std::string& apath) { fsites_platform.fanswer = utf8_to_utf16(apath); }
    void press(int32_t atag) { fcontroller->get_handler_main()->callback_message(nullptr, atag, 1103); }
    static bool has(const std::vector<std::string>& alines, const std::string& aline) {
        return std::find(alines.begin(), alines.end(), aline) != alines.end();
    }
    static std::string rect_text(const trect& r) {
        return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
               std::to_string(r.bottom);
    }
};

TEST_F(EditsCpsitePics, a_site_without_pictures_shows_the_add_pics_frame_and_an_empty_counter) {
    const int32_t id = add_site(0);
    const std::vector<std::string> lines = open_pics(id);
    EXPECT_EQ(u"Site Pictures", header().ftitle);
    EXPECT_EQ("", counter());
    EXPECT_EQ(-1, pics().fview.fpic_no);
    const trect r = area();
    EXPECT_TRUE(has(lines, "fill_rect " + rect_text(r)));
    EXPECT_TRUE(has(lines, "text_out " + std::to_string((r.left + r.right) / 2 - 100) + " " + std::to_string(r.top + 90) +
                               " \"Add Pics\""));
    EXPECT_TRUE(has(lines, "frame_rect " + rect_text({r.left + 100, r.top + 20, r.right - 200, r.top + 220})));
    // Page Up and Page Down have nothing to show.
    key(tvk::next);
    key(tvk::prior);
    EXPECT_EQ("", counter());
    EXPECT_TRUE(drawn().empty());
}

TEST_F(EditsCpsitePics, pictures_in_slots_two_and_four_only_count_as_one_and_two) {
    const int32_t id = add_site((int64_t{0x0b} << 48) | (int64_t{0x0a} << 16));
    store_picture(0x0a, 64, 16);
    store_picture(0x0b, 32, 64);
    const std::vector<std::string> first = open_pics(id);
    EXPECT_EQ("1 of 2", counter());
    EXPECT_EQ(0x0a, pics().fview.pic_number());
    // A wide picture fills the area's width at its own proportions; the strip below is filled.
    const trect r = area();
    const tsize wide = picture_fit_size({r.width(), r.height()}, {64, 16});
    ASSERT_EQ(r.width(), wide.cx);
    EXPECT_TRUE(has(first, "stretch_bitmap " + rect_text({r.left, r.top, r.right, r.top + wide.cy}) + " 64x16"));
    EXPECT_TRUE(has(first, "fill_rect " + rect_text({r.left, r.top + wide.cy, r.right, r.bottom})));

    key(tvk::next);
    EXPECT_EQ("2 of 2", counter());
    EXPECT_EQ(0x0b, pics().fview.pic_number());
    // A tall one fills the height; the strip right of it is filled.
    const std::vector<std::string> second = drawn();
    const tsize tall = picture_fit_size({r.width(), r.height()}, {32, 64});
    ASSERT_EQ(r.height(), tall.cy);
    EXPECT_TRUE(has(second, "stretch_bitmap " + rect_text({r.left, r.top, r.left + tall.cx, r.bottom}) + " 32x64"));
    EXPECT_TRUE(has(second, "fill_rect " + rect_text({r.left + tall.cx, r.top, r.right, r.bottom})));
    key(tvk::next);  // nothing beyond the last
    EXPECT_EQ("2 of 2", counter());
    EXPECT_TRUE(drawn().empty());
    key(tvk::prior);
    EXPECT_EQ("1 of 2", counter());
    key(tvk::prior);
    EXPECT_EQ("1 of 2", counter());
}

TEST_F(EditsCpsitePics, a_stored_picture_that_cannot_be_decoded_is_painted_framed_and_the_page_goes_on) {
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } cases[] = {{"damaged", {0xFF, 0xD8, 0xFF, 0xC0, 0x00}}, {"a PNG under a JPEG name", {0x89, 'P', 'N', 'G'}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t id = add_site((int64_t{0x0d} << 16) | 0x0c);
        write_file(pics_folder() + "000c.jpg", c.bytes);
        store_picture(0x0d, 20, 20);
        std::vector<std::string> lines;
        EXPECT_EQ("(no exception)", message_of([&] { lines = open_pics(id); }));
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
            return l.find("\"Picture cannot be shown\"") != std::string::npos;
        }));
        EXPECT_TRUE(std::none_of(lines.begin(), lines.end(), [](const std::string& l) { return l.find("stretch_bitmap") == 0; }));
        key(tvk::next);
        EXPECT_EQ("2 of 2", counter());
        const std::vector<std::string> next = drawn();
        EXPECT_TRUE(std::any_of(next.begin(), next.end(), [](const std::string& l) { return l.find("stretch_bitmap") == 0; }));
        fcontroller.reset();
    }
    // A missing file is shown the same way.
    const int32_t missing = add_site(0x0e);
    const std::vector<std::string> lines = open_pics(missing);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return l.find("\"Picture cannot be shown\"") != std::string::npos;
    }));
}

TEST_F(EditsCpsitePics, the_header_plus_adds_the_chosen_jpeg_to_the_first_empty_slot_and_shows_picture_one) {
    const int32_t id = add_site(int64_t{0x0a} << 16);  // slot 2 used
    store_picture(0x0a, 40, 30);
    const std::string chosen = ffolder + "/chosen/new.jpg";
    write_file(chosen, jpeg_bytes(80, 60, 10, 200, 10));
    execute("ALTER SEQUENCE gn_cpsite_pic RESTART WITH 40");
    open_pics(id);
    key(tvk::next);  // away from picture 1, to see the counter set up again
    choose(chosen);
    press(Thandlermodule_header::tag_main_plus);
    ASSERT_EQ(1u, fsites_platform.fcaptions.size());
    EXPECT_EQ(u"Select JPG File", fsites_platform.fcaptions[0]);
    EXPECT_NE(std::u16string::npos, fsites_platform.ffilters[0].find(u"*.jpg"));
    EXPECT_TRUE(fs::exists(pics_folder() + "0029.jpg"));
    EXPECT_EQ((int64_t{0x0a} << 16) | 0x29, site_pics(id));
    EXPECT_EQ("1 of 2", counter());
    EXPECT_EQ(0x29, pics().fview.pic_number());
    // The address is untouched by the picture's write.
    EXPECT_EQ("Test Site", text("SELECT address1 FROM cp_site WHERE id = " + std::to_string(id)));
    // A cancelled dialog changes nothing; the page menu's "Add Pic..." (F7, Enter) opens it too.
    fsites_platform.fanswer.reset();
    press(Thandlermodule_header::tag_main_plus);
    key(tvk::f7);
    ASSERT_NE(nullptr, fcontroller->get_handler_ontop());
    key(tvk::enter);
    EXPECT_EQ(3u, fsites_platform.fcaptions.size());
    EXPECT_EQ((int64_t{0x0a} << 16) | 0x29, site_pics(id));
}

TEST_F(EditsCpsitePics, a_fifth_picture_is_refused_after_its_file_was_copied) {
    const int64_t full = (int64_t{4} << 48) | (int64_t{3} << 32) | (int64_t{2} << 16) | 1;
    const int32_t id = add_site(full);
    const std::string chosen = ffolder + "/chosen/fifth.jpg";
    write_file(chosen, jpeg_bytes(16, 16, 0, 0, 0));
    execute("ALTER SEQUENCE gn_cpsite_pic RESTART WITH 49");
    open_pics(id);
    choose(chosen);
    EXPECT_EQ("Unable to Add Pic in Thandlermodule_edits_cpsite_pics.add_pic();",
              message_of([&] { press(Thandlermodule_header::tag_main_plus); }));
    EXPECT_TRUE(fs::exists(pics_folder() + "0032.jpg"));
    EXPECT_EQ(full, site_pics(id));
    EXPECT_EQ("1 of 4", counter());
}

TEST_F(EditsCpsitePics, a_file_that_is_not_a_jpeg_is_refused_and_the_site_keeps_its_pictures) {
    const int32_t id = add_site(0);
    const std::string chosen = ffolder + "/chosen/photo.jpg";
    write_file(chosen, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
    open_pics(id);
    choose(chosen);
    EXPECT_EQ("The picture [" + chosen + "] cannot be added: not a JPEG file.",
              message_of([&] { press(Thandlermodule_header::tag_main_plus); }));
    EXPECT_EQ(0, site_pics(id));
    EXPECT_EQ("", counter());
}

TEST_F(EditsCpsitePics, deleting_asks_first_and_empties_the_slot_of_the_picture_shown_keeping_its_file) {
    const int32_t id = add_site((int64_t{0x0b} << 48) | (int64_t{0x0a} << 16));
    store_picture(0x0a, 20, 20);
    store_picture(0x0b, 20, 20);
    open_pics(id);
    key(tvk::next);  // picture 2 (slot 4)
    press(Thandlermodule_header::tag_main_minus);
    EXPECT_EQ("Delete PIC ?    ( Y / N )", question());
    key('N');
    EXPECT_EQ((int64_t{0x0b} << 48) | (int64_t{0x0a} << 16), site_pics(id));
    press(Thandlermodule_header::tag_main_minus);
    key('Y');
    EXPECT_EQ(int64_t{0x0a} << 16, site_pics(id));
    EXPECT_TRUE(fs::exists(pics_folder() + "000b.jpg"));
    EXPECT_EQ("1 of 1", counter());
    // The last one through the page menu's "Delete Pic...".
    fcontroller->get_handler_main()->callback_message(nullptr, 9201, 1107);  // menu closed without a choice
    pics().ask_delete_pic();
    key('Y');
    EXPECT_EQ(0, site_pics(id));
    EXPECT_EQ("", counter());
    // Nothing left to delete: no question.
    press(Thandlermodule_header::tag_main_minus);
    EXPECT_EQ(nullptr, fcontroller->get_handler_ontop());
}

TEST_F(EditsCpsitePics, ctrl_page_up_and_down_go_to_the_site_editor_and_the_unit_editor_of_the_site) {
    const int32_t id = add_site(0);
    open_pics(id);
    key(tvk::next, ss_ctrl);
    EXPECT_EQ(16, fcontroller->get_pageno());
    EXPECT_EQ(16, last_stand_in.pageno);
    EXPECT_EQ(id, last_stand_in.fid);
    // In place of the pictures: the accounts menu is beneath.
    EXPECT_TRUE(fcontroller->is_toppage(1));
    fcontroller.reset();
    open_pics(id);
    key(tvk::prior, ss_ctrl);
    EXPECT_EQ(25, fcontroller->get_pageno());
    EXPECT_TRUE(fcontroller->is_toppage(1));
}

}  // namespace
