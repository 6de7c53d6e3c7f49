#include "sites_fixture.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <jpeglib.h>

#include "controls/control_kinds.h"
#include "pages/handler_class.h"
#include "pages/page_form.h"
#include "property/property_pages.h"

tstand_in_entry last_stand_in;

namespace {

// A page other libraries build: it notes the number it occupies and the id it was given.
template <int16_t N>
class Thandlermodule_stand_in : public Thandlermodule_page {
public:
    using Thandlermodule_page::Thandlermodule_page;
    const char* class_name() const override { return "Thandlermodule_stand_in"; }
    void once_created() override {
        const auto* params = dynamic_cast<const tparams_id*>(fparams.get());
        last_stand_in = {N, params ? params->fid : -1};
    }
};

const Tform_page2& stand_in_form() {
    static const Tform_page2 form("Tform_page2",
                                  "object form_stand_in: Tform_page2\n ClientWidth = 1090\n ClientHeight = 860\nend\n");
    return form;
}

template <int16_t N>
const thandler_class& stand_in_class() {
    static const thandler_class c("Thandlermodule_stand_in", &handler_factory_of<Thandlermodule_stand_in<N>>,
                                  &stand_in_form(), &tparams_id::static_class(), true);
    return c;
}

}  // namespace

void tsites_page_test::SetUp() {
    tedit_pages_test::SetUp();
    fsites_platform.fdata_folder = ffolder + "/programdata/";
    tplatform::set_instance(&fsites_platform);
    last_stand_in = {};
    fdatabase->open_database(0);
}

void tsites_page_test::TearDown() {
    fcontroller.reset();
    tplatform::set_instance(&fplatform);
    tedit_pages_test::TearDown();
}

void tsites_page_test::start_sites() {
    start([](tpage_controller_generic& acontroller) {
        register_property_pages(acontroller);
        acontroller.replace_page(16, stand_in_class<16>());
        acontroller.replace_page(21, stand_in_class<21>());
        acontroller.replace_page(22, stand_in_class<22>());
        acontroller.replace_page(26, stand_in_class<26>());
        acontroller.replace_page(28, stand_in_class<28>());
        acontroller.replace_page(30, stand_in_class<30>());
    });
}

std::string tsites_page_test::pics_folder() const { return fsites_platform.fdata_folder + "velmor_accounts/pics/"; }

std::vector<std::string> tsites_page_test::drawn() {
    surface(ht_main).fcanvas.clear();
    run_queue();
    return surface(ht_main).fcanvas.lines();
}

std::string tsites_page_test::label_text(int32_t atag) {
    auto* label = dynamic_cast<tvelmor_customlabel*>(fcontroller->get_handler_main()->fcontrols->get_control(atag));
    return label ? utf16_to_utf8(label->get_caption()) : "(no label)";
}

int32_t tsites_page_test::add_site(int64_t apics, const std::string& aaddress1) {
    const int32_t id = static_cast<int32_t>(number("SELECT MAX( id ) FROM cp_site")) + 100;
    execute("INSERT INTO cp_site ( id, address1, address2, address3, address4, pics ) VALUES ( " + std::to_string(id) +
            ", '" + aaddress1 + "', '1 Test Street', '', 'Nelson', " + std::to_string(apics) + " )");
    return id;
}

std::vector<uint8_t> jpeg_bytes(int32_t awidth, int32_t aheight, uint8_t ared, uint8_t agreen, uint8_t ablue) {
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(awidth);
    info.image_height = static_cast<JDIMENSION>(aheight);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(awidth) * 3);
    for (int32_t x = 0; x < awidth; ++x) {
        row[3 * x] = ared;
        row[3 * x + 1] = agreen;
        row[3 * x + 2] = ablue;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&info, &p, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

void write_file(const std::string& apath, const std::vector<uint8_t>& abytes) {
    std::filesystem::create_directories(std::filesystem::path(apath).parent_path());
    std::ofstream file(apath, std::ios::binary);
    file.write(reinterpret_cast<const char*>(abytes.data()), static_cast<std::streamsize>(abytes.size()));
}
