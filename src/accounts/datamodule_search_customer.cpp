#include "accounts/datamodule_search_customer.h"

#include "database/datamodule_database_customers.h"

namespace {

const char* const contacts_select = "SELECT 0 AS record_type, id, first_name, last_name, phone, email";

// The longest searched name (an email address) in characters: a longer text finds nothing, so
// it is not sent. The statements cast the search text to this length; uncast, the parameter
// would take the type of its name (100 characters for most) and a longer text would fail.
constexpr size_t longest_name = 200;

size_t characters(const std::u16string& atext) {
    size_t count = 0;
    for (char16_t c : atext) count += (c >= 0xdc00 && c < 0xe000) ? 0 : 1;  // a low surrogate ends a pair
    return count;
}

// A prefix search on a name column through its key (the name in upper case, kept by the
// database, compared by character code): the prefix in upper case is one range of the key's
// index, walked in order, so a search reads only the names it lists whatever accents they carry.
// The name's own condition keeps the collation's verdict on what matches; written on "name || ''"
// so the engine does not also gather the name's own index over all the prefix's base letters.
void set_prefix_sql(tfb_query& aquery, const char* aselect, const char* atable, const char* acolumn) {
    aquery.clear_sql();
    aquery.add_sql_line(aselect);
    aquery.add_sql_line(std::string("FROM ") + atable);
    const std::string search = "CAST( :search AS VARCHAR(" + std::to_string(longest_name) + ") )";
    aquery.add_sql_line(std::string("WHERE ") + acolumn + "_key STARTING WITH UPPER( " + search + " )");
    aquery.add_sql_line(std::string("AND ") + acolumn + " || '' STARTING WITH " + search);
    aquery.add_sql_line("AND COALESCE( deleted, 0 ) <> 1");
    aquery.add_sql_line(std::string("ORDER BY ") + acolumn + "_key, id");
}

char16_t upper_ascii(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

}  // namespace

int32_t compare_search_text(const std::u16string& a, const std::u16string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const char16_t ca = upper_ascii(a[i]);
        const char16_t cb = upper_ascii(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

Tdatamodule_search_customer::Tdatamodule_search_customer(Tdatamodule_database_customers& adatabase)
    : transaction_search(adatabase.database_customers, tfb_transaction_kind::read_only),
      dataset_contacts_firstname(adatabase.database_customers, transaction_search, qoStartTransaction | qoAutoCommit),
      dataset_contacts_lastname(adatabase.database_customers, transaction_search, qoStartTransaction | qoAutoCommit),
      dataset_contacts_email(adatabase.database_customers, transaction_search, qoStartTransaction | qoAutoCommit),
      dataset_customers_name(adatabase.database_customers, transaction_search, qoStartTransaction | qoAutoCommit),
      dataset_contacts_all(adatabase.database_customers, transaction_search, qoStartTransaction | qoAutoCommit) {
    set_prefix_sql(dataset_contacts_firstname, contacts_select, "contact", "first_name");
    set_prefix_sql(dataset_contacts_lastname, contacts_select, "contact", "last_name");
    set_prefix_sql(dataset_contacts_email, contacts_select, "contact", "email");
    set_prefix_sql(dataset_customers_name,
                   "SELECT 1 AS record_type, id, name AS first_name, '' AS last_name, phone, '' AS email", "account",
                   "name");
    // Without search text every contact is listed by first name.
    dataset_contacts_all.add_sql_line(contacts_select);
    dataset_contacts_all.add_sql_line("FROM contact");
    dataset_contacts_all.add_sql_line("WHERE first_name STARTING WITH :search");
    dataset_contacts_all.add_sql_line("AND COALESCE( deleted, 0 ) <> 1");
    dataset_contacts_all.add_sql_line("ORDER BY 3");

    const auto find = [this](const std::string& aname) -> tvelmor_object* {
        if (aname == "dataset_contacts_firstname") return &dataset_contacts_firstname;
        if (aname == "dataset_contacts_lastname") return &dataset_contacts_lastname;
        if (aname == "dataset_contacts_email") return &dataset_contacts_email;
        if (aname == "dataset_customers_name") return &dataset_customers_name;
        if (aname == "dataset_contacts_all") return &dataset_contacts_all;
        return nullptr;
    };
    datablock_container_search1word.afterconstruction(
        {"dataset_contacts_firstname", "dataset_contacts_lastname", "dataset_contacts_email", "dataset_customers_name"},
        find);
    datablock_container_search0word.afterconstruction({"dataset_contacts_all"}, find);
    for (tdatablock_container* block : {&datablock_container_search1word, &datablock_container_search0word}) {
        block->fon_compare_dataset = [this, block](int32_t a, int32_t b) {
            fdatablock = block;
            return datablock_container_search1word_compare_dataset(a, b);
        };
        block->fon_add_record = [this, block](int32_t a) {
            fdatablock = block;
            datablock_container_search1word_add_record(a);
        };
        // Nothing has been searched yet: the block has no rows to give.
        block->ffinished = true;
    }
}

Tdatamodule_search_customer::~Tdatamodule_search_customer() {
    timer_addrecords.stop();
}

tfb_query* Tdatamodule_search_customer::dataset_of(tdatablock_container& ablock, int32_t aindex) const {
    return ablock.fdatasets.at(static_cast<size_t>(aindex));
}

int32_t Tdatamodule_search_customer::datablock_container_search1word_compare_dataset(int32_t adataset1,
                                                                                       int32_t adataset2) {
    tdatablock_container& block = fdatablock ? *fdatablock : datablock_container_search1word;
    const auto sort_text = [&](int32_t aindex) {
        const tfb_query* d = dataset_of(block, aindex);
        const char* column = nullptr;
        int32_t tag = 0;
        if (d == &dataset_contacts_firstname || d == &dataset_contacts_all) tag = 101, column = "first_name";
        else if (d == &dataset_contacts_lastname) tag = 102, column = "last_name";
        else if (d == &dataset_contacts_email) tag = 103, column = "email";
        else if (d == &dataset_customers_name) tag = 104, column = "first_name";
        if (!column)
            throw tvelmor_exception("Unsupported dataset %d in %s.datablock_container_search1word_compare_dataset();",
                                    tag, class_name());
        return d->FieldByName(column).as_widestring();
    };
    // The earlier dataset wins a tie.
    const int32_t first = std::min(adataset1, adataset2);
    const int32_t second = std::max(adataset1, adataset2);
    return compare_search_text(sort_text(second), sort_text(first)) < 0 ? second : first;
}

void Tdatamodule_search_customer::datablock_container_search1word_add_record(int32_t adataset) {
    tdatablock_container& block = fdatablock ? *fdatablock : datablock_container_search1word;
    const tfb_query& d = *dataset_of(block, adataset);
    trecord_line line;
    line.frecord_type = d.FieldByName("record_type").as_smallint();
    line.fid = d.FieldByName("id").as_integer();
    line.ffirst_name = d.FieldByName("first_name").as_widestring();
    line.flast_name = d.FieldByName("last_name").as_widestring();
    line.fphone = d.FieldByName("phone").as_widestring();
    line.femail = d.FieldByName("email").as_widestring();
    flist_lines.push_back(std::move(line));
}

void Tdatamodule_search_customer::close() {
    for (tfb_query* d : datablock_container_search1word.fdatasets) d->close();
    dataset_contacts_all.close();
    flist_lines.clear();
}

void Tdatamodule_search_customer::update_search(const std::u16string& asearch, int32_t arowcount_visible,
                                                int32_t arow_start) {
    fdatablock = asearch.empty() ? &datablock_container_search0word : &datablock_container_search1word;
    for (tfb_query* d : datablock_container_search1word.fdatasets) d->close();
    dataset_contacts_all.close();
    flist_lines.clear();
    if (characters(asearch) > longest_name) {
        fdatablock->ffinished = true;
        return;
    }
    for (tfb_query* d : fdatablock->fdatasets) d->ParamByName("search").set_aswidestring(asearch);
    fdatablock->open_datasets();
    fetch(arow_start == -1 ? 2 * arowcount_visible : arowcount_visible + arow_start);
}

bool Tdatamodule_search_customer::fetch(int32_t acount) {
    if (!fdatablock || acount <= 0) return false;
    return fdatablock->add_records(acount);
}

std::u16string Tdatamodule_search_customer::get_cell_text(int32_t arow, int16_t acol) {
    if (arow < 0 || arow >= line_count()) return {};
    const trecord_line& line = flist_lines[static_cast<size_t>(arow)];
    switch (acol) {
        case 0: return line.ffirst_name;
        case 1: return line.flast_name;
        case 2: return line.fphone;
        case 3: return line.femail;
        default: return {};
    }
}

bool Tdatamodule_search_customer::is_loading_idle() {
    return !timer_addrecords.enabled() && fdatablock && !fdatablock->finished();
}

bool Tdatamodule_search_customer::add_records_arrowdown(int32_t acount_visible) {
    return arrowdown(acount_visible, [this](int32_t n) { return fetch(n); }, timer_addrecords, fcount_addrecords);
}

bool Tdatamodule_search_customer::add_records_pagedown(int32_t acount_visible) {
    return pagedown(acount_visible, [this](int32_t n) { return fetch(n); }, timer_addrecords, fcount_addrecords);
}

void Tdatamodule_search_customer::timer_addrecords_timer() {
    tick([this](int32_t n) { return fetch(n); }, timer_addrecords, fcount_addrecords);
}

int32_t Tdatamodule_search_customer::line_id(int32_t aline) const {
    return flist_lines.at(static_cast<size_t>(aline)).fid;
}

int16_t Tdatamodule_search_customer::line_record_type(int32_t aline) const {
    return flist_lines.at(static_cast<size_t>(aline)).frecord_type;
}

std::u16string Tdatamodule_search_customer::line_name(int32_t aline) const {
    const trecord_line& line = flist_lines.at(static_cast<size_t>(aline));
    if (!line.ffirst_name.empty() && !line.flast_name.empty()) return line.ffirst_name + u" " + line.flast_name;
    return line.ffirst_name + line.flast_name;
}

void Tdatamodule_search_customer::delete_line(int32_t aline) {
    if (aline < 0 || aline >= line_count()) return;
    flist_lines.erase(flist_lines.begin() + aline);
}
