#include "values/params_generic.h"

#include "containers/reader_writer_generic.h"

const tclass_info& tparams_generic::static_class() {
    return describe_class<tparams_generic, treflected_object>("tparams_generic");
}

void tparams_generic::before_once_created(Thandlermodule_page&) {}
void tparams_generic::after_once_created(Thandlermodule_page&) {}

void tparams_generic::apply_defaults() {
    const tclass_info& c = get_class();
    for (int32_t i = 0; i < c.property_count(); ++i) {
        const tproperty_info& p = c.property(i);
        if (p.fhas_default && property_kind_is_integer(p.fkind)) p.set_integer(*this, p.fdefault);
    }
}

[[noreturn]] static void unsupported(const tparams_generic& arecord, const tproperty_info& aproperty, const char* aop) {
    throw tvelmor_exception("Field [%s] type %s not implemented in %s.%s();", aproperty.fname,
                            property_kind_name(aproperty.fkind), arecord.class_name(), aop);
}

static bool value_fits(const tproperty_info& aproperty, const tparam_value& avalue) {
    switch (aproperty.fkind) {
    case tproperty_kind::pk_smallint:
    case tproperty_kind::pk_longint:
        return std::holds_alternative<int64_t>(avalue) && aproperty.in_range(std::get<int64_t>(avalue));
    case tproperty_kind::pk_boolean: return std::holds_alternative<bool>(avalue);
    case tproperty_kind::pk_unicodestring: return std::holds_alternative<std::u16string>(avalue);
    default: return false;
    }
}

void tparams_generic::assign_values(std::span<const tparam_value> avalues) {
    const tclass_info& c = get_class();
    if (static_cast<int64_t>(avalues.size()) > c.property_count())
        throw tvelmor_exception("Extra parameters in %s.get_params_data();", "toperate_rtti_class");
    for (size_t i = 0; i < avalues.size(); ++i) {
        const tproperty_info& p = c.property(static_cast<int32_t>(i));
        if (!value_fits(p, avalues[i])) unsupported(*this, p, "push_params_data");
        std::visit([&](const auto& v) { p.set(*this, v); }, avalues[i]);
    }
}

void tparams_generic::push_data(twriter_generic& awriter) const {
    const tclass_info& c = get_class();
    for (int32_t i = 0; i < c.property_count(); ++i) {
        const tproperty_info& p = c.property(i);
        tproperty_value v = p.get(*this);
        switch (p.fkind) {
        case tproperty_kind::pk_smallint: awriter.write_smallint(static_cast<int16_t>(std::get<int64_t>(v))); break;
        case tproperty_kind::pk_longint: awriter.write_longint(static_cast<int32_t>(std::get<int64_t>(v))); break;
        case tproperty_kind::pk_boolean: awriter.write_boolean(std::get<bool>(v)); break;
        case tproperty_kind::pk_unicodestring: awriter.write_unicodestring(std::get<std::u16string>(v)); break;
        default: unsupported(*this, p, "push_data");
        }
    }
}

void tparams_generic::pop_data(treader_generic& areader) {
    const tclass_info& c = get_class();
    for (int32_t i = c.property_count() - 1; i >= 0; --i) {
        const tproperty_info& p = c.property(i);
        switch (p.fkind) {
        case tproperty_kind::pk_smallint: p.set(*this, int64_t{areader.read_smallint()}); break;
        case tproperty_kind::pk_longint: p.set(*this, int64_t{areader.read_longint()}); break;
        case tproperty_kind::pk_boolean: p.set(*this, areader.read_boolean()); break;
        case tproperty_kind::pk_unicodestring: p.set(*this, areader.read_unicodestring()); break;
        default: unsupported(*this, p, "pop_data");
        }
    }
}

void tparams_gridrow::after_once_created(Thandlermodule_page& ahandlermodule) {
    if (fon_after_once_created) fon_after_once_created(*this, ahandlermodule);
}

void tparams_search_plu::before_once_created(Thandlermodule_page& ahandlermodule) {
    if (fon_before_once_created) fon_before_once_created(*this, ahandlermodule);
}

// ---- The parameter record classes ----

const tclass_info& tparams_null::static_class() {
    return describe_class<tparams_null, tparams_generic>("tparams_null");
}

const tclass_info& tparams_gridrow::static_class() {
    return describe_class<tparams_gridrow, tparams_generic>("tparams_gridrow",
                                                           {prop<&tparams_gridrow::frow_start>("row_start")});
}

const tclass_info& tparams_id::static_class() {
    return describe_class<tparams_id, tparams_generic>("tparams_id", {prop<&tparams_id::fid>("id").def(-1)});
}

const tclass_info& tparams_launch::static_class() {
    return describe_class<tparams_launch, tparams_generic>("tparams_launch",
                                                          {prop<&tparams_launch::flaunch_page>("launch_page")});
}

const tclass_info& tparams_launch2::static_class() {
    return describe_class<tparams_launch2, tparams_launch>(
        "tparams_launch2", {prop<&tparams_launch2::flaunch_id>("launch_id").def(-1)});
}

const tclass_info& tparams_edit_account::static_class() {
    return describe_class<tparams_edit_account, tparams_generic>(
        "tparams_edit_account", {prop<&tparams_edit_account::fid_account>("id_account")});
}

const tclass_info& tparams_edit_contact::static_class() {
    return describe_class<tparams_edit_contact, tparams_generic>(
        "tparams_edit_contact", {prop<&tparams_edit_contact::fid_record>("id_record"),
                                 prop<&tparams_edit_contact::fparam_is_newrecord>("param_is_newrecord")});
}

const tclass_info& tparams_search_customer::static_class() {
    return describe_class<tparams_search_customer, tparams_generic>(
        "tparams_search_customer", {prop<&tparams_search_customer::frow_start>("row_start"),
                                    prop<&tparams_search_customer::fsearch>("search")});
}

const tclass_info& tparams_search_plu::static_class() {
    return describe_class<tparams_search_plu, tparams_generic>(
        "tparams_search_plu",
        {prop<&tparams_search_plu::frow_start>("row_start"), prop<&tparams_search_plu::fsearch>("search")});
}

const tclass_info& tparams_edit_plu::static_class() {
    return describe_class<tparams_edit_plu, tparams_generic>("tparams_edit_plu",
                                                            {prop<&tparams_edit_plu::fid_plu>("id_plu")});
}

const tclass_info& tparams_edit_jobhdr::static_class() {
    return describe_class<tparams_edit_jobhdr, tparams_generic>("tparams_edit_jobhdr",
                                                               {prop<&tparams_edit_jobhdr::fjob_id>("job_id")});
}

const tclass_info& tparams_edit_job::static_class() {
    return describe_class<tparams_edit_job, tparams_generic>(
        "tparams_edit_job",
        {prop<&tparams_edit_job::fjob_id>("job_id"), prop<&tparams_edit_job::fjob_lineno>("job_lineno")});
}

const tclass_info& tparams_edit_cpinvoice_billitem::static_class() {
    return describe_class<tparams_edit_cpinvoice_billitem, tparams_generic>(
        "tparams_edit_cpinvoice_billitem", {prop<&tparams_edit_cpinvoice_billitem::fid_cpinvoice>("id_cpinvoice"),
                                            prop<&tparams_edit_cpinvoice_billitem::flineno>("lineno").def(-1)});
}

const tclass_info& tparams_edit_cpunit::static_class() {
    return describe_class<tparams_edit_cpunit, tparams_generic>(
        "tparams_edit_cpunit", {prop<&tparams_edit_cpunit::fid_cpinvoice>("id_cpinvoice"),
                                prop<&tparams_edit_cpunit::ftabpageno>("tabpageno")});
}

void register_params_classes(tclass_registry& aregistry) {
    for (const tclass_info* c :
         {&tparams_generic::static_class(), &tparams_null::static_class(), &tparams_gridrow::static_class(),
          &tparams_id::static_class(), &tparams_launch::static_class(), &tparams_launch2::static_class(),
          &tparams_edit_account::static_class(), &tparams_edit_contact::static_class(),
          &tparams_search_customer::static_class(), &tparams_search_plu::static_class(),
          &tparams_edit_plu::static_class(), &tparams_edit_jobhdr::static_class(), &tparams_edit_job::static_class(),
          &tparams_edit_cpinvoice_billitem::static_class(), &tparams_edit_cpunit::static_class()})
        aregistry.add(*c);
}
