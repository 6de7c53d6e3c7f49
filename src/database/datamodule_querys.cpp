#include "database/datamodule_querys.h"

namespace {
Tdatamodule_querys* the_module = nullptr;
constexpr int32_t first_handle = 101;
}  // namespace

Tdatamodule_querys::Tdatamodule_querys(Tdatamodule_database_customers& adatabase) : fdatabase(adatabase) {
    if (!the_module)
        the_module = this;
}

Tdatamodule_querys::~Tdatamodule_querys() {
    flist_querys.clear();
    if (the_module == this)
        the_module = nullptr;
}

Tdatamodule_querys& Tdatamodule_querys::instance() {
    if (!the_module)
        throw tvelmor_exception("Query module not created in %s.instance();", "Tdatamodule_querys");
    return *the_module;
}

int32_t Tdatamodule_querys::allocate_query() {
    auto query = std::make_unique<tfb_query>(fdatabase.database_customers, fdatabase.Transaction1,
                                             qoStartTransaction | qoAutoCommit);
    for (size_t i = 0; i < flist_querys.size(); ++i) {
        if (!flist_querys[i]) {
            flist_querys[i] = std::move(query);
            return static_cast<int32_t>(i) + first_handle;
        }
    }
    flist_querys.push_back(std::move(query));
    return static_cast<int32_t>(flist_querys.size()) - 1 + first_handle;
}

tfb_query& Tdatamodule_querys::get_query(int32_t aindex) {
    size_t slot = static_cast<size_t>(aindex - first_handle);
    if (aindex < first_handle || slot >= flist_querys.size() || !flist_querys[slot])
        throw tvelmor_exception("Query[%d] not allocated in %s.get_query();", aindex, class_name());
    return *flist_querys[slot];
}

void Tdatamodule_querys::deallocate_query(int32_t& aindex) {
    size_t slot = static_cast<size_t>(aindex - first_handle);
    if (aindex >= first_handle && slot < flist_querys.size())
        flist_querys[slot].reset();
    aindex = 0;
}

void Tdatamodule_querys::build_query(int32_t aindex, tdben_table atable, const std::vector<std::string>& afieldnames) {
    const tdben_table_info& table = dben_table_info(atable);
    tfb_query& query = get_query(aindex);
    query.close();
    std::string select;
    for (const std::string& name : afieldnames) {
        bool found = false;
        for (const tdben_field& f : table.ffields)
            found = found || same_text_nocase(f.fname, name);
        if (!found)
            throw tvelmor_exception("Table field %s.%s not found in %s.build_query();", table.fname, name, class_name());
        select += (select.empty() ? "" : ", ") + name;
    }
    std::string sql = "SELECT " + (afieldnames.empty() ? std::string("*") : select) + "\r\n";
    sql += std::string("FROM ") + table.fname + "\r\n";
    for (int16_t k = 0; k < table.fcount_pkfields; ++k) {
        std::string key = table.ffields[static_cast<size_t>(k)].fname;
        sql += (k == 0 ? "WHERE " : "AND ") + key + " = :" + key + "\r\n";
    }
    query.set_sql(sql);
}
