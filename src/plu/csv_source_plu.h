// The rows of a PLU search for a CSV export: every PLU the word index hands out for the search
// text, in the search page's order (word by word), read through an index reader and a query of
// their own so the page is left as it is. Columns: Id, Code, Product, Subtitle, Manufacturer,
// Price.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "database/fb_database.h"
#include "database/fb_query.h"
#include "pages/csv_export.h"

class Tdatamodule_database_customers;
class Tdatamodule_word_index2;

class tcsv_source_plu : public tcsv_export_source {
public:
    // asearch: the page's search text (upper case). Raises when the index cannot be read.
    tcsv_source_plu(Tdatamodule_database_customers& adatabase, const std::string& asearch);
    ~tcsv_source_plu() override;
    std::vector<std::u16string> header() override;
    bool fetch(int32_t acount, std::vector<std::vector<std::u16string>>& arows) override;

private:
    std::unique_ptr<Tdatamodule_word_index2> findex;
    tfb_transaction ftransaction;
    tfb_query fquery;
    std::vector<int32_t> fids;
};
