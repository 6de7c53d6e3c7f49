#include "xml/datamodule_inifile.h"

#include <filesystem>
#include <fstream>

#include "procs/safe_file.h"
#include "procs/procs_scramble.h"
#include "procs/program_folders.h"

const tclass_info& telement_domain::static_class() {
    static const tproperty_info properties[] = {prop<&telement_domain::fname>("name"),
                                                prop<&telement_domain::fpath>("path"),
                                                prop<&telement_domain::fuser>("user"),
                                                prop<&telement_domain::fpassword>("password")};
    static const tclass_info info("telement_domain", &treflected_object::static_class(), factory_of<telement_domain>,
                                  properties);
    return info;
}

std::string Tdatamodule_inifile::get_settings_filename() {
    return tprogram_folders::get_settings_folder() + "/velmor.ini";
}

Tdatamodule_inifile::Tdatamodule_inifile() {
    const std::string filename = get_settings_filename();
    std::error_code ec;
    // A save killed before its rename left the settings as they were, and this beside them.
    std::filesystem::remove(filename + std::string(tsafe_file::temporary_suffix), ec);
    if (!std::filesystem::is_regular_file(filename, ec)) return;
    // The file holds a few domains; anything bigger is not a settings file and is not read.
    const std::uintmax_t size = std::filesystem::file_size(filename, ec);
    if (!ec && size > max_file_size)
        throw tvelmor_exception("The settings file \"%s\" is %d bytes; a settings file is at most %d bytes (1 MiB).",
                                filename, static_cast<int64_t>(size), max_file_size);
    Tdatamodule_xmlfile_inifile(*this).load_from_file(filename, false);
    floaded = true;
}

void Tdatamodule_inifile::add_node(int16_t axmlnode_id, txmlnode_generic& axmlnode) {
    if (axmlnode_id != Tdatamodule_xmlfile_inifile::id_domain) return;
    const auto& node = dynamic_cast<const txmlnode_domain&>(axmlnode);
    auto element = std::make_unique<telement_domain>();
    element->fname = node.f_name;
    element->fpath = node.f_path;
    element->fuser = tprocs_scramble::unscramble_text(node.f_user);
    element->fpassword = tprocs_scramble::unscramble_text(node.f_password);
    flist_domains.push_back(std::move(element));
}

const telement_domain& Tdatamodule_inifile::domain(int32_t aindex, const char* aoperation) const {
    if (aindex < 0 || aindex >= get_domain_count())
        throw tvelmor_exception("Domain %d not found in %s.%s();", aindex, class_name(), aoperation);
    return static_cast<const telement_domain&>(*flist_domains[static_cast<size_t>(aindex)]);
}

std::string Tdatamodule_inifile::get_domain_name(int32_t aindex) const { return domain(aindex, "get_domain_name").fname; }

std::string Tdatamodule_inifile::get_domain_path(int32_t aindex) const { return domain(aindex, "get_domain_path").fpath; }

std::string Tdatamodule_inifile::get_domain_user(int32_t aindex) const { return domain(aindex, "get_domain_user").fuser; }

std::string Tdatamodule_inifile::get_domain_password(int32_t aindex) const {
    return domain(aindex, "get_domain_password").fpassword;
}

std::unique_ptr<tprototype_dataset> Tdatamodule_inifile::create_interface(int32_t ainterfaceno) {
    if (ainterfaceno != interface_domains)
        throw tvelmor_exception("Interface(%d) not supported in %s.create_interface();", ainterfaceno, class_name());
    return std::make_unique<tdataset_list_object>(flist_domains, telement_domain::static_class());
}

void Tdatamodule_inifile::create_file_demo(const std::string& adbpath, const std::string& auser,
                                          const std::string& apassword) {
    add_domain("Demo Data", adbpath, auser, apassword);
}

void Tdatamodule_inifile::add_domain(const std::string& aname, const std::string& adbpath, const std::string& auser,
                                    const std::string& apassword) {
    auto element = std::make_unique<telement_domain>();
    element->fname = aname;
    element->fpath = adbpath;
    element->fuser = auser;
    element->fpassword = apassword;
    flist_domains.push_back(std::move(element));
    try {
        const std::string filename = get_settings_filename();
        std::filesystem::create_directories(std::filesystem::path(filename).parent_path());
        Tdatamodule_xmlfile_inifile(*this).save_to_file(*this, filename);
    } catch (...) {
        flist_domains.pop_back();  // the list keeps matching the file on disk
        throw;
    }
    floaded = true;
}

void Tdatamodule_inifile::save_domain_path(int32_t aindex, const std::string& apath, const std::string& auser,
                                          const std::string& apassword) {
    auto& element = const_cast<telement_domain&>(domain(aindex, "save_domain_path"));
    const telement_domain old = element;
    element.fpath = apath;
    element.fuser = auser;
    element.fpassword = apassword;
    try {
        Tdatamodule_xmlfile_inifile(*this).save_to_file(*this, get_settings_filename());
    } catch (...) {
        element.fpath = old.fpath;  // the list keeps matching the file on disk
        element.fuser = old.fuser;
        element.fpassword = old.fpassword;
        throw;
    }
}

void Tdatamodule_inifile::save_to_stream(Tdatamodule_xmlfile_generic& axmlfile, std::ostream& astream) {
    using ids = Tdatamodule_xmlfile_inifile;
    axmlfile.write_xmlnode(astream, ids::id_inifile, 0, xmltag_SINGLE);
    axmlfile.write_xmlnode(astream, ids::id_domains, 1, xmltag_SINGLE);
    for (const auto& element : flist_domains)
        axmlfile.write_xmlnode(astream, ids::id_domain, 2, xmltag_SINGLE_TERMINATED, *this, element.get());
    axmlfile.write_xmlnode(astream, ids::id_domains, 1, xmltag_SINGLE_CLOSE);
    axmlfile.write_xmlnode(astream, ids::id_inifile, 0, xmltag_SINGLE_CLOSE);
}

void Tdatamodule_inifile::write_xmldata(int32_t, txmlnode_generic& axmlnode, const tvelmor_object* adataobject) {
    auto& node = dynamic_cast<txmlnode_domain&>(axmlnode);
    const auto& element = dynamic_cast<const telement_domain&>(*adataobject);
    node.f_name = element.fname;
    node.f_path = element.fpath;
    node.f_user = tprocs_scramble::scramble_text(element.fuser);
    node.f_password = tprocs_scramble::scramble_text(element.fpassword);
}

void Tdatamodule_inifile::save_to_file_astext(const std::string& afilename) const {
    std::string text = "inifile\r\n    domains\r\n";
    for (int32_t i = 0; i < get_domain_count(); ++i)
        text += "        domain name=" + get_domain_name(i) + " path=" + get_domain_path(i) + "\r\n";
    tsafe_file::write_whole(afilename, text, true);
}
