// Loads accounts and contacts for the account and contact editors: one record by key, and the
// light row lists (contacts of an account, an account by key, the account of a contact). It reads
// in a read-only transaction of its own, kept for its life: a read pays no commit and still sees
// every save committed since.
#pragma once

#include <cstdint>

#include "database/fb_database.h"
#include "database/fb_query.h"
#include "values/dbrecords2.h"
#include "xml/dataset_list.h"

class Tdatamodule_database_customers;

class Tdatamodule_customers : public tvelmor_object {
public:
    explicit Tdatamodule_customers(Tdatamodule_database_customers& adatabase);
    const char* class_name() const override { return "Tdatamodule_customers"; }

    // False (the record left cleared) when no row has the key.
    bool get_account(tdbrecord_account2& arecord, int32_t aid);
    bool get_contact(tdbrecord_contact2& arecord, int32_t aid);

    // Append one new aclass object per row; the columns are aclass's property names. A failure
    // rolls back, is not reported, and leaves the rows read so far.
    void get_account_contacts(tlist_reflected& alist, const tclass_info& aclass, int32_t aid_account);
    void get_accounts(tlist_reflected& alist, const tclass_info& aclass, int32_t aid_account);
    void get_contact_accounts(tlist_reflected& alist, const tclass_info& aclass, int32_t aid_contact);

    Tdatamodule_database_customers& fdatabase;
    tfb_transaction transaction_read;
    tfb_query query_get_account;
    tfb_query query_get_contact;
    tfb_query query_work;

private:
    bool get_record(tfb_query& aquery, tdatarecord2& arecord, int32_t aid);
    // After a failed read the next statement starts the transaction afresh.
    void end_failed_read(tfb_query& aquery);
    void load_list(tlist_reflected& alist, const tclass_info& aclass, std::initializer_list<const char*> alines,
                   int32_t aid);
};
