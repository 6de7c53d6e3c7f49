#include "property/billing_support.h"

#include "database/datamodule_ejt.h"
#include "database/ejt_class.h"

void send_bill_item_deleted(int32_t aid) {
    std::unique_ptr<tejt_generic> ejt = tejt_database::create_ejt(331);
    auto& update = dynamic_cast<tejt_record_update&>(*ejt);
    update.frecord->set_aslongint1(update.frecord->get_field_index1("id"), aid);
    update.frecord->set_asboolean1(update.frecord->get_field_index1("deleted"), true);
    Tdatamodule_ejt::instance().send_ejt_record(update, nullptr);
}
