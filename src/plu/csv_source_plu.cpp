#include "plu/csv_source_plu.h"

#include "database/datamodule_database_customers.h"
#include "plu/datamodule_word_index2.h"

tcsv_source_plu::tcsv_source_plu(Tdatamodule_database_customers& adatabase, const std::string& asearch)
    : findex(std::make_unique<Tdatamodule_word_index2>(adatabase.database_path())),
      ftransaction(adatabase.database_customers, tfb_transaction_kind::read_only),
      fquery(adatabase.database_customers, ftransaction, qoStartTransaction | qoAutoCommit) {
    fquery.add_sql_line("SELECT code, product, subtitle, manufacturer, price");
    fquery.add_sql_line("FROM plu");
    fquery.add_sql_line("WHERE id = :id");
    findex->load_from_file_asbinary();
    findex->search_first(asearch);
}

tcsv_source_plu::~tcsv_source_plu() = default;

std::vector<std::u16string> tcsv_source_plu::header() {
    return {u"Id", u"Code", u"Product", u"Subtitle", u"Manufacturer", u"Price"};
}

bool tcsv_source_plu::fetch(int32_t acount, std::vector<std::vector<std::u16string>>& arows) {
    while (acount > 0 && !findex->fsearch_eof) {
        int32_t got = 0;
        if (!findex->search_get_records(fids, got, acount)) continue;
        acount -= got;
        for (int32_t i = 0; i < got; ++i) {
            const int32_t id = fids[static_cast<size_t>(i)];
            fquery.ParamByName("id").set_asinteger(id);
            try {
                fquery.execute();
                // A PLU deleted since the index was built is not a row of the result.
                if (!fquery.eof())
                    arows.push_back({utf8_to_utf16(std::to_string(id)), fquery.FieldByName("code").as_widestring(),
                                     fquery.FieldByName("product").as_widestring(),
                                     fquery.FieldByName("subtitle").as_widestring(),
                                     fquery.FieldByName("manufacturer").as_widestring(),
                                     fquery.FieldByName("price").as_widestring()});
            } catch (...) {
                fquery.close();
                throw;
            }
            fquery.close();
        }
    }
    return !findex->fsearch_eof;
}
