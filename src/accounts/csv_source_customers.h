// The rows of a customer search for a CSV export: every contact and account the search text
// finds, in the search's order, read by a search module of its own so the page's grid is left as
// it is. Columns: Type ("Contact" or "Account"), Id, Name (a contact's first name, an account's
// name), Last Name, Phone, Email.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "pages/csv_export.h"

class Tdatamodule_database_customers;
class Tdatamodule_search_customer;

class tcsv_source_customers : public tcsv_export_source {
public:
    tcsv_source_customers(Tdatamodule_database_customers& adatabase, const std::u16string& asearch);
    ~tcsv_source_customers() override;
    std::vector<std::u16string> header() override;
    bool fetch(int32_t acount, std::vector<std::vector<std::u16string>>& arows) override;

private:
    std::unique_ptr<Tdatamodule_search_customer> fsearch;
};
