// The customer search: contacts matching on first name, last name or email and accounts matching
// on name, merged into one list ordered by the matched text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/datamodule_search_grid.h"
#include "database/datablock_container.h"
#include "database/fb_query.h"

class Tdatamodule_database_customers;

class Tdatamodule_search_customer : public Tdatamodule_search_grid {
public:
    struct trecord_line {
        int16_t frecord_type = 0;  // 0 contact, 1 account
        int32_t fid = 0;
        std::u16string ffirst_name;
        std::u16string flast_name;
        std::u16string fphone;
        std::u16string femail;
    };

    explicit Tdatamodule_search_customer(Tdatamodule_database_customers& adatabase);
    ~Tdatamodule_search_customer() override;
    const char* class_name() const override { return "Tdatamodule_search_customer"; }

    void close() override;
    void update_search(const std::u16string& asearch, int32_t arowcount_visible, int32_t arow_start) override;
    std::u16string get_cell_text(int32_t arow, int16_t acol) override;
    bool is_loading_idle() override;
    bool add_records_arrowdown(int32_t acount_visible) override;
    bool add_records_pagedown(int32_t acount_visible) override;
    int32_t line_count() const override { return static_cast<int32_t>(flist_lines.size()); }
    void timer_addrecords_timer() override;

    // Up to acount further lines of the search (appended to flist_lines, without the timer); true
    // when some came. fetch_finished: the search has no lines left to give.
    bool fetch_lines(int32_t acount) { return fetch(acount); }
    bool fetch_finished() const { return !fdatablock || fdatablock->finished(); }

    // The line's fields; aline must be a line of the list.
    int32_t line_id(int32_t aline) const;
    int16_t line_record_type(int32_t aline) const;
    std::u16string line_name(int32_t aline) const;
    void delete_line(int32_t aline);

    // Which of two datasets' current rows sorts first (the earlier dataset wins a tie).
    int32_t datablock_container_search1word_compare_dataset(int32_t adataset1, int32_t adataset2);
    void datablock_container_search1word_add_record(int32_t adataset);

    std::vector<trecord_line> flist_lines;
    // The datasets stay open between helpings, so they read in a transaction of their own: the
    // main transaction stays free for the journaled writes made while the search is shown. It is
    // read-only and kept open: a search pays no commit, and sees every write committed since.
    tfb_transaction transaction_search;
    tfb_query dataset_contacts_firstname;
    tfb_query dataset_contacts_lastname;
    tfb_query dataset_contacts_email;
    tfb_query dataset_customers_name;
    // The empty search: every contact by first name.
    tfb_query dataset_contacts_all;
    tdatablock_container datablock_container_search1word;
    tdatablock_container datablock_container_search0word;
    tdatablock_container* fdatablock = nullptr;
    tsearch_timer timer_addrecords{20};
    int32_t fcount_addrecords = 0;

private:
    tfb_query* dataset_of(tdatablock_container& ablock, int32_t aindex) const;
    bool fetch(int32_t acount);
};

// Compares two texts by character code with ASCII a to z taken as A to Z; negative when a sorts first.
int32_t compare_search_text(const std::u16string& a, const std::u16string& b);
