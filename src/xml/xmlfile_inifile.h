// The schema of the settings file (inifile > domains > domain) and the file module that hands its
// nodes to the settings module.
#pragma once

#include <string>

#include "xml/xmlfile_generic.h"

class txmlnode_inifile : public txmlnode_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
};

class txmlnode_domains : public txmlnode_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }
};

class txmlnode_domain : public txmlnode_generic {
public:
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    std::string f_name;
    std::string f_path;
    std::string f_user;      // scrambled
    std::string f_password;  // scrambled
};

class Tdatamodule_inifile;

class Tdatamodule_xmlfile_inifile : public Tdatamodule_xmlfile_generic {
public:
    static constexpr int16_t id_inifile = 0;
    static constexpr int16_t id_domains = 1;
    static constexpr int16_t id_domain = 2;

    explicit Tdatamodule_xmlfile_inifile(Tdatamodule_inifile& aconsumer) : fconsumer(aconsumer) {}

    void setup_xml_definition(tdatamodule_xml_builder& abuilder) override;
    void add_node(int16_t anode_id, txmlnode_generic& axmlnode) override;
    void finish_adds() override {}
    const char* class_name() const override { return "Tdatamodule_xmlfile_inifile"; }

private:
    Tdatamodule_inifile& fconsumer;
};
