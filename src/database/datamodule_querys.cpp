#include "database/datamodule_querys.h"

namespace {
Tdatamodule_querys* the_module = nullptr;
constexpr int32_t first_handle = 101;
// Texts with values written in ($name placeholders) make many statements: past this many the
// idle ones are let go.
constexpr size_t max_prepared = 128;
constexpr uint8_t loader_options = qoStartTransaction | qoAutoCommit;
}  // namespace

Tdatamodule_querys::Tdatamodule_querys(Tdatamodule_database_customers& adatabase)
    : fdatabase(adatabase), fread_transaction(adatabase.database_customers, tfb_transaction_kind::read_only) {
    if (!the_module)
        the_module = this;
}

Tdatamodule_querys::~Tdatamodule_querys() {
    fprepared.clear();
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

tfb_transaction& Tdatamodule_querys::read_transaction() {
    return fdatabase.Transaction1.active() ? fdatabase.Transaction1 : fread_transaction;
}

tfb_query* Tdatamodule_querys::take_prepared(const std::string& asql) {
    tfb_transaction& transaction = read_transaction();
    auto key = std::make_pair(static_cast<const tfb_transaction*>(&transaction), asql);
    auto it = fprepared.find(key);
    if (it == fprepared.end()) {
        if (fprepared.size() >= max_prepared)
            std::erase_if(fprepared, [](const auto& entry) { return !entry.second.fbusy; });
        tprepared entry;
        entry.fquery = std::make_unique<tfb_query>(fdatabase.database_customers, transaction, loader_options);
        entry.fquery->set_sql(asql);
        it = fprepared.emplace(std::move(key), std::move(entry)).first;
    } else if (it->second.fbusy) {
        return nullptr;
    }
    tfb_query& query = *it->second.fquery;
    for (int32_t i = 0; i < query.param_count(); ++i)
        query.param(i).set_null();
    it->second.fbusy = true;
    return &query;
}

void Tdatamodule_querys::give_back_prepared(tfb_query& aquery) {
    for (auto& [key, entry] : fprepared)
        if (entry.fquery.get() == &aquery)
            entry.fbusy = false;
}

tread_query::tread_query(const std::string& asql) {
    Tdatamodule_querys& module = Tdatamodule_querys::instance();
    fquery = module.take_prepared(asql);
    if (fquery)
        return;
    fown = std::make_unique<tfb_query>(module.fdatabase.database_customers, module.read_transaction(), loader_options);
    fown->set_sql(asql);
    fquery = fown.get();
}

tread_query::~tread_query() {
    try {
        fquery->close();
    } catch (...) {
    }
    if (!fown && the_module)
        the_module->give_back_prepared(*fquery);
}
