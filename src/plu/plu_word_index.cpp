#include "plu/plu_word_index.h"

#include "database/datamodule_database_customers.h"
#include "database/fb_query.h"

tword_index_figures rebuild_plu_word_index(tfb_database& adatabase, const std::string& afolder) {
    tword_index_builder builder;
    tfb_transaction transaction(adatabase);
    transaction.start();
    try {
        tfb_query query(adatabase, transaction);
        query.set_sql("SELECT id, code, product, subtitle, description, manufacturer FROM plu");
        for (query.execute(); !query.eof(); query.next()) {
            const int32_t id = query.field(0).as_integer();
            for (int32_t column = 1; column < query.field_count(); ++column)
                if (!query.field(column).is_null()) builder.add_text(id, query.field(column).as_widestring());
        }
        query.close();
        transaction.commit();
    } catch (...) {
        if (transaction.active()) transaction.rollback();
        throw;
    }
    return builder.write(afolder);
}

tword_index_figures rebuild_plu_index_of_open_domain() {
    Tdatamodule_database_customers& database = Tdatamodule_database_customers::instance();
    if (database.fdatabase_no < 0)
        throw tvelmor_exception("Database not open in %s.rebuild_plu_index();", database.class_name());
    return rebuild_plu_word_index(database.database_customers, database.data_files_folder());
}
