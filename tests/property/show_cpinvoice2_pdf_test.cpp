// The unit invoice as a PDF document, written by the shell's PDF canvas and read back with
// pdftotext: the same figures as the screen, "DRAFT" before posting and the number after.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "controls/control_messages.h"
#include "controls/key_codes.h"
#include "invoice_pages_support.h"
#include "property/handlermodule_show_cpinvoice2.h"
#include "property/invoice_cpunit_draw.h"
#include "shell/pdf_canvas.h"
#include "shell/qt_app.h"

namespace fs = std::filesystem;

namespace {

// The test platform with a folder chooser that answers afolder and the real PDF writer.
class tpdf_platform : public tfake_platform {
public:
    bool select_folder(std::u16string& afolder, const std::u16string&) override {
        if (ffolder.empty()) return false;
        afolder = utf8_to_utf16(ffolder);
        return true;
    }
    void write_pdf_a4(const std::string& afilename, int32_t apage_count,
                      const std::function<void(tcanvas&, tsize, int32_t)>& adraw_page) override {
        tpdf_writer::write_a4(afilename, apage_count, adraw_page);
    }
    std::string ffolder;
};

std::string pdf_text(const std::string& afile) {
    const std::string out = afile + ".txt";
    const std::string command = "pdftotext -layout '" + afile + "' '" + out + "'";
    if (std::system(command.c_str()) != 0) return "(pdftotext failed)";
    std::ifstream in(out);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ShowCpinvoice2Pdf : public tinvoice_page_test {
protected:
    void SetUp() override {
        qt_app();
        tinvoice_page_test::SetUp();
        if (HasFatalFailure()) return;
        set_billable_readings(funit);
        fplatform_pdf.ffolder = ffolder + "/pdf";
        fs::create_directories(fplatform_pdf.ffolder);
        tplatform::set_instance(&fplatform_pdf);
        open_invoice(funit);
    }
    Thandlermodule_show_cpinvoice2& page() { return main_page<Thandlermodule_show_cpinvoice2>(); }
    tpdf_platform fplatform_pdf;
};

TEST_F(ShowCpinvoice2Pdf, f7_writes_a_draft_with_the_screens_figures_and_after_posting_the_invoice_number) {
    press(tvk::f7);
    const std::string draft = fplatform_pdf.ffolder + "/invoice_draft_unit" + std::to_string(funit) + ".pdf";
    ASSERT_TRUE(fs::exists(draft));
    const std::string text = pdf_text(draft);
    std::vector<std::string> expected = {"Demo Data", "DRAFT", "Account:", "Harbourside Business Park, 12 Quay Street",
                                         "G01", "27 Days, 300 Units", "24 Days, 900 Units", "TOTAL", "Total GST"};
    for (const tline_invoice& line : page().flines_invoice) {
        if (!line.fdescription.empty()) expected.push_back(utf16_to_utf8(line.fdescription));
        if (line.fline_type != lt_heading) expected.push_back(utf16_to_utf8(tinvoice_cpunit_draw::money(line.fline_total2)));
    }
    expected.push_back(utf16_to_utf8(tinvoice_cpunit_draw::money(tinvoice_cpunit::total_due(page().flines_invoice))));
    for (const std::string& e : expected) {
        SCOPED_TRACE(e);
        EXPECT_NE(std::string::npos, text.find(e));
    }
    // No temporary file stays behind.
    for (const auto& entry : fs::directory_iterator(fplatform_pdf.ffolder))
        EXPECT_EQ(std::string::npos, entry.path().string().find(".part"));

    // Posting writes the invoice itself beside the draft, with its number.
    page().post_invoice();
    const std::string posted = fplatform_pdf.ffolder + "/invoice_" + std::to_string(page().finvoice_no) + ".pdf";
    ASSERT_TRUE(fs::exists(posted));
    const std::string posted_text = pdf_text(posted);
    EXPECT_NE(std::string::npos, posted_text.find("Invoice " + std::to_string(page().finvoice_no)));
    EXPECT_EQ(std::string::npos, posted_text.find("DRAFT"));
}

TEST_F(ShowCpinvoice2Pdf, the_page_menus_entry_writes_it_too) {
    tmsg_params_ontop_result result;
    result.result = 0;
    page().callback_message(&result, Thandlermodule_show_cpinvoice2::tag_ontop_menu, tmsg_code::ontop_closed);
    EXPECT_TRUE(fs::exists(fplatform_pdf.ffolder + "/invoice_draft_unit" + std::to_string(funit) + ".pdf"));
}

TEST_F(ShowCpinvoice2Pdf, a_folder_that_cannot_be_written_gives_a_message_and_no_file) {
    fplatform_pdf.ffolder = ffolder + "/no such folder";
    EXPECT_EQ("Unable to Create File \"" + fplatform_pdf.ffolder + "/invoice_draft_unit" + std::to_string(funit) +
                  ".pdf\": No such file or directory.",
              message_of([&] { page().save_pdf(); }));
    EXPECT_FALSE(fs::exists(fplatform_pdf.ffolder));
    // Cancelling the chooser writes nothing.
    fplatform_pdf.ffolder.clear();
    EXPECT_EQ("", page().save_pdf());
}

}  // namespace
