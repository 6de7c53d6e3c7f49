// The settings module: reads data/velmor.ini from the program folder at start-up and answers which
// database domains (named database folders) exist; writes the first settings file on first run.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "xml/dataset_list.h"
#include "xml/xmlfile_inifile.h"

// One database domain: a name and the folder that holds its database; for a folder on a
// database server also the user name and password the server knows the firm by (kept scrambled
// in the file).
class telement_domain : public treflected_object {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    std::string fname;
    std::string fpath;
    std::string fuser;
    std::string fpassword;
};

class Tdatamodule_inifile : public Tdatamodule_loadandsave_generic, public twriter_xml_generic {
public:
    static constexpr int32_t interface_domains = 101;
    // A larger file is refused before it is read.
    static constexpr int64_t max_file_size = 1024 * 1024;

    // Reads the settings file when it exists; a malformed or oversized file raises.
    Tdatamodule_inifile();

    // The settings file: data/velmor.ini in the program folder.
    static std::string get_settings_filename();

    void add_node(int16_t axmlnode_id, txmlnode_generic& axmlnode);
    int32_t get_domain_count() const { return static_cast<int32_t>(flist_domains.size()); }
    std::string get_domain_name(int32_t aindex) const;
    std::string get_domain_path(int32_t aindex) const;
    // The server login of a domain; empty for a folder on this machine.
    std::string get_domain_user(int32_t aindex) const;
    std::string get_domain_password(int32_t aindex) const;
    // 101: the domains as rows of name and path.
    std::unique_ptr<tprototype_dataset> create_interface(int32_t ainterfaceno);
    // Adds the domain "Demo Data" (with its server login when on a server) and writes the whole
    // settings file.
    void create_file_demo(const std::string& adbpath, const std::string& auser = {},
                          const std::string& apassword = {});
    // Adds a domain and writes the whole settings file (on failure the list stays as the file).
    void add_domain(const std::string& aname, const std::string& adbpath, const std::string& auser = {},
                    const std::string& apassword = {});
    // Gives domain aindex another folder (and the server login it needs, empty for a folder on
    // this machine) and writes the whole settings file.
    void save_domain_path(int32_t aindex, const std::string& apath, const std::string& auser = {},
                          const std::string& apassword = {});
    bool debug_mode() const { return false; }
    void save_to_file_astext(const std::string& afilename) const;

    void save_to_stream(Tdatamodule_xmlfile_generic& axmlfile, std::ostream& astream) override;
    void write_xmldata(int32_t aid, txmlnode_generic& axmlnode, const tvelmor_object* adataobject) override;
    const char* class_name() const override { return "Tdatamodule_inifile"; }

    tlist_reflected flist_domains;  // of telement_domain
    bool floaded = false;

private:
    const telement_domain& domain(int32_t aindex, const char* aoperation) const;
};
