#include "database/datamodule_ejt.h"

namespace {
Tdatamodule_ejt* the_ejt_module = nullptr;
}  // namespace

Tdatamodule_ejt::Tdatamodule_ejt(Tdatamodule_database_customers& adatabase)
    : fdatabase(adatabase), query_update_record(adatabase.database_customers, adatabase.Transaction1) {
    if (!the_ejt_module) the_ejt_module = this;
}

Tdatamodule_ejt::~Tdatamodule_ejt() {
    if (the_ejt_module == this) the_ejt_module = nullptr;
}

Tdatamodule_ejt& Tdatamodule_ejt::instance() {
    if (!the_ejt_module) throw tvelmor_exception("Journal module not created in %s.instance();", "Tdatamodule_ejt");
    return *the_ejt_module;
}

void Tdatamodule_ejt::send_ejt_record(tejt_generic& aejt, tejt_list* alines_ejt) {
    tfb_query& query = query_update_record;
    fdatabase.run_transaction([&] {
        aejt.before_execute(alines_ejt);
        bool keys_known = aejt.get_has_pk_values();
        for (int32_t s = 0; s < aejt.get_script_count(); ++s) {
            query.set_sql(aejt.get_script(s));
            if (s == 0 && !(aejt.fejt_options & eo_no_params))
                aejt.assign_params(query);
            query.execute();
            if (s == 0 && !keys_known)
                aejt.assign_pkvalues_unassigned(query);
            if (s + 1 < aejt.get_script_count())
                query.close();
        }
        aejt.after_execute(query);
        query.close();
        for (tejt_generic* line : alines_ejt ? *alines_ejt : tejt_list{}) {
            for (int32_t s = 0; s < line->get_script_count(); ++s) {
                if (s == 0)
                    line->assign_pkvalues_unassigned(aejt.get_value(), aejt.get_pk_count());
                query.set_sql(line->get_script(s));
                if (s == 0 && !(line->fejt_options & eo_no_params))
                    line->assign_params(query);
                query.execute();
                query.close();
            }
        }
    });
}
