// The bill item search used by the invoice pages: bill items whose code starts with the text, in
// code order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/datamodule_search_query.h"

class Tdatamodule_search_bill_item : public Tdatamodule_search_query {
public:
    struct trecord_line {
        int32_t fid = 0;
        std::u16string fcode;
    };

    explicit Tdatamodule_search_bill_item(Tdatamodule_database_customers& adatabase);
    const char* class_name() const override { return "Tdatamodule_search_bill_item"; }

    void update_search(const std::u16string& asearch, int32_t arowcount_visible, int32_t arow_start) override;
    // Column 0: the code.
    std::u16string get_cell_text(int32_t arow, int16_t acol) override;
    int32_t line_count() const override { return static_cast<int32_t>(flist_lines.size()); }

    // The line's fields; aline must be a line of the list.
    int32_t line_id(int32_t aline) const { return flist_lines.at(static_cast<size_t>(aline)).fid; }
    std::u16string line_code(int32_t aline) const { return flist_lines.at(static_cast<size_t>(aline)).fcode; }

    std::vector<trecord_line> flist_lines;
    tfb_query query_bill_item;

protected:
    tfb_query& query() override { return query_bill_item; }
    void add_line() override;
    void clear_lines() override { flist_lines.clear(); }
};
