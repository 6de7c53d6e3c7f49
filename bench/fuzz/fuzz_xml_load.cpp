// Fuzz target: feeds arbitrary bytes to the XML loader and node builder, as the settings file and
// as a UTF-8 document of a schema with integer, Boolean and text properties. A malformed document
// must end in the system's own exception; anything else (a crash, a sanitizer report, another
// exception type) is a finding.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "procs/program_folders.h"
#include "xml/datamodule_inifile.h"

namespace {

class tfuzz_item : public txmlnode_textable {
public:
    static const tclass_info& static_class() {
        static const tproperty_info properties[] = {
            prop<&tfuzz_item::f_n>("_n"), prop<&tfuzz_item::f_b>("_b"), prop<&tfuzz_item::f_s>("_s"),
            prop<&tfuzz_item::f_u>("_u"), prop<&tfuzz_item::f_big>("_big")};
        static const tclass_info info("tfuzz_item", &txmlnode_textable::static_class(), factory_of<tfuzz_item>,
                                      properties);
        return info;
    }
    const tclass_info& get_class() const override { return static_class(); }
    void set_node_text_asansistring(const std::string& avalue) override { f_s = avalue; }
    void set_node_text_asunicodestring(const std::u16string& avalue) override { f_u = avalue; }

    int16_t f_n = 0;
    bool f_b = false;
    std::string f_s;
    std::u16string f_u;
    int64_t f_big = 0;
};

class tfuzz_file : public Tdatamodule_xmlfile_generic {
public:
    void setup_xml_definition(tdatamodule_xml_builder& abuilder) override {
        abuilder.register_xmlnode(txmlnode_inifile::static_class(), "doc", {}, 0);
        abuilder.register_xmlnode(tfuzz_item::static_class(), "item", {0, 1}, 1);
    }
    void add_node(int16_t, txmlnode_generic& axmlnode) override { fcount += axmlnode.fchild_count + 1; }
    void finish_adds() override {}
    int64_t fcount = 0;
};

struct tfuzz_folder {
    tfuzz_folder() {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        folder = std::string(base) + "/velmor_fuzz_" + std::to_string(getpid());
        std::filesystem::create_directories(folder + "/data");
        tprogram_folders::set_program_folder(folder);
    }
    std::string folder;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* adata, size_t asize) {
    static tfuzz_folder where;
    const std::string filename = where.folder + "/data/velmor.ini";
    if (FILE* f = std::fopen(filename.c_str(), "wb")) {
        std::fwrite(adata, 1, asize, f);
        std::fclose(f);
    }
    try {
        Tdatamodule_inifile settings;
        for (int32_t i = 0; i < settings.get_domain_count(); ++i) settings.get_domain_path(i);
    } catch (const tvelmor_exception&) {
    }
    for (bool unicode : {false, true}) {
        try {
            tfuzz_file file;
            file.load_from_file(filename, unicode);
        } catch (const tvelmor_exception&) {
        }
    }
    return 0;
}
