#include "database/fb_query.h"

#include <algorithm>
#include <cstring>

#include "database/fb_client.h"
#include "database/fault_injection.h"
#include "database/fb_sql_params.h"
#include "values/property_table.h"

using Firebird::IMessageMetadata;

struct tfb_query::tcolumn {
    unsigned ftype;
    unsigned fcharset;
    unsigned flength;
    unsigned foffset;
    unsigned fnull_offset;
};

namespace {

std::string lower(std::string a) {
    std::transform(a.begin(), a.end(), a.begin(), [](unsigned char c) { return std::tolower(c); });
    return a;
}

constexpr unsigned charset_none = 0, charset_octets = 1, charset_utf8 = 4;

std::string read_blob(Firebird::IAttachment* aattachment, Firebird::ITransaction* atransaction, ISC_QUAD aid) {
    tfb_status st;
    tfb_ref<Firebird::IBlob> blob(aattachment->openBlob(&st, atransaction, &aid, 0, nullptr));
    std::string r;
    char buffer[16384];
    for (;;) {
        unsigned got = 0;
        int rc = blob->getSegment(&st, sizeof buffer, buffer, &got);
        if (rc == Firebird::IStatus::RESULT_OK || rc == Firebird::IStatus::RESULT_SEGMENT)
            r.append(buffer, got);
        else
            break;
    }
    blob->close(&st);
    blob.release();
    return r;
}

std::string two(unsigned a) { return (a < 10 ? "0" : "") + std::to_string(a); }

// The longest text the engine takes in one VARCHAR parameter.
constexpr size_t max_text_bytes = 32765;

// The input message's layout: each marker typed after the value bound to its name; a NULL keeps
// the statement's own type.
IMessageMetadata* input_metadata(IMessageMetadata* aoriginal, const std::vector<const tfb_xsqlvar*>& aparams) {
    tfb_status st;
    tfb_ref<Firebird::IMetadataBuilder> builder(aoriginal->getBuilder(&st));
    for (unsigned i = 0; i < aparams.size(); ++i) {
        const tfb_xsqlvar::tvalue& v = aparams[i]->value();
        unsigned type = 0, length = 0, charset = 0;
        int scale = 0;
        if (auto* scaled = std::get_if<tfb_xsqlvar::tscaled>(&v)) {
            type = SQL_INT64, length = sizeof(int64_t), scale = scaled->fscale;
        } else if (std::holds_alternative<double>(v)) {
            type = SQL_DOUBLE, length = sizeof(double);
        } else if (auto* text = std::get_if<std::string>(&v)) {
            if (text->size() > max_text_bytes)
                throw tvelmor_exception("Text of parameter [%s] too long in %s.execute();", aparams[i]->name(), "tfb_query");
            unsigned own = aoriginal->getType(&st, i) & ~1u;
            charset = aparams[i]->value_is_wide() ? charset_utf8
                      : (own == SQL_TEXT || own == SQL_VARYING) ? aoriginal->getCharSet(&st, i)
                                                                : charset_none;
            type = SQL_VARYING, length = static_cast<unsigned>(std::max<size_t>(text->size(), 1));
        } else {
            continue;
        }
        builder->setType(&st, i, type + 1);
        builder->setSubType(&st, i, 0);
        builder->setLength(&st, i, length);
        builder->setScale(&st, i, scale);
        if (type == SQL_VARYING)
            builder->setCharSet(&st, i, charset);
    }
    return builder->getMetadata(&st);
}

std::vector<unsigned char> input_buffer(IMessageMetadata* ainput, const std::vector<const tfb_xsqlvar*>& aparams) {
    tfb_status st;
    std::vector<unsigned char> buffer(ainput->getMessageLength(&st), 0);
    for (unsigned i = 0; i < aparams.size(); ++i) {
        const tfb_xsqlvar::tvalue& v = aparams[i]->value();
        unsigned char* at = buffer.data() + ainput->getOffset(&st, i);
        int16_t null_flag = std::holds_alternative<std::monostate>(v) ? -1 : 0;
        std::memcpy(buffer.data() + ainput->getNullOffset(&st, i), &null_flag, sizeof null_flag);
        if (auto* s = std::get_if<tfb_xsqlvar::tscaled>(&v)) {
            std::memcpy(at, &s->fvalue, sizeof s->fvalue);
        } else if (auto* d = std::get_if<double>(&v)) {
            std::memcpy(at, d, sizeof *d);
        } else if (auto* t = std::get_if<std::string>(&v)) {
            uint16_t length = static_cast<uint16_t>(t->size());
            std::memcpy(at, &length, sizeof length);
            std::memcpy(at + sizeof length, t->data(), t->size());
        }
    }
    return buffer;
}

}  // namespace

tfb_query::tfb_query(tfb_database& adatabase, tfb_transaction& atransaction, uint8_t aoptions)
    : foptions(aoptions), fdatabase(adatabase), ftransaction(atransaction) {
    fdatabase.add_user(this);
}

tfb_query::~tfb_query() {
    try {
        close();
    } catch (...) {
    }
    unprepare();
    if (!fdatabase_gone)
        fdatabase.remove_user(this);
}

void tfb_query::set_sql(std::string asql) {
    close();
    unprepare();
    fsql = std::move(asql);
    tfb_translated_sql t = fparam_check ? tfb_sql_params::translate(fsql) : tfb_translated_sql{fsql, {}};
    fsql_translated = std::move(t.fsql);
    fparams.clear();
    fmarker_params.clear();
    for (const std::string& name : t.fnames) {
        auto it = std::find_if(fparams.begin(), fparams.end(), [&](const auto& p) { return p->name() == name; });
        if (it == fparams.end()) {
            fparams.push_back(std::make_unique<tfb_xsqlvar>());
            fparams.back()->describe(name, 0, 0, 0);
            it = fparams.end() - 1;
        }
        fmarker_params.push_back(static_cast<int32_t>(it - fparams.begin()));
    }
}

tfb_xsqlvar* tfb_query::FindParam(std::string_view aname) {
    for (auto& p : fparams)
        if (same_text_nocase(p->name(), aname))
            return p.get();
    return nullptr;
}

tfb_xsqlvar& tfb_query::ParamByName(std::string_view aname) {
    if (tfb_xsqlvar* p = FindParam(aname))
        return *p;
    throw tvelmor_exception("Param [%s] not found in %s.ParamByName();", std::string(aname), class_name());
}

int32_t tfb_query::param_count() { return static_cast<int32_t>(fparams.size()); }

tfb_xsqlvar& tfb_query::param(int32_t aindex) { return *fparams[static_cast<size_t>(aindex)]; }

tfb_xsqlvar* tfb_query::FindField(std::string_view aname) const {
    for (const auto& f : ffields)
        if (same_text_nocase(f->name(), aname))
            return f.get();
    return nullptr;
}

tfb_xsqlvar& tfb_query::FieldByName(std::string_view aname) const {
    if (tfb_xsqlvar* f = FindField(aname))
        return *f;
    throw tvelmor_exception("Field [%s] not found in %s.FieldByName();", std::string(aname), class_name());
}

void tfb_query::prepare() {
    if (fstatement)
        return;
    if (fsql_translated.empty())
        throw tvelmor_exception("Empty SQL text in %s.execute();", class_name());
    tfb_status st;
    fstatement = fdatabase.attachment()->prepare(&st, ftransaction.handle(), 0, fsql_translated.c_str(), 3,
                                                 Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    describe_output();
    describe_params();
}

void tfb_query::describe_output() {
    tfb_status st;
    foutput_metadata = fstatement->getOutputMetadata(&st);
    unsigned count = foutput_metadata->getCount(&st);
    ffields.clear();
    fcolumns.clear();
    for (unsigned i = 0; i < count; ++i) {
        auto f = std::make_unique<tfb_xsqlvar>();
        unsigned type = foutput_metadata->getType(&st, i) & ~1u;
        f->describe(lower(foutput_metadata->getAlias(&st, i)), static_cast<int16_t>(type),
                    static_cast<int16_t>(foutput_metadata->getSubType(&st, i)),
                    static_cast<int16_t>(foutput_metadata->getScale(&st, i)));
        ffields.push_back(std::move(f));
        fcolumns.push_back({type, foutput_metadata->getCharSet(&st, i), foutput_metadata->getLength(&st, i),
                            foutput_metadata->getOffset(&st, i), foutput_metadata->getNullOffset(&st, i)});
    }
    foutput.assign(foutput_metadata->getMessageLength(&st), 0);
}

void tfb_query::describe_params() {
    tfb_status st;
    tfb_ref<IMessageMetadata> input(fstatement->getInputMetadata(&st));
    unsigned count = input->getCount(&st);
    for (unsigned i = 0; i < count && i < fmarker_params.size(); ++i) {
        tfb_xsqlvar& p = *fparams[static_cast<size_t>(fmarker_params[i])];
        p.describe(p.name(), static_cast<int16_t>(input->getType(&st, i) & ~1u),
                   static_cast<int16_t>(input->getSubType(&st, i)), static_cast<int16_t>(input->getScale(&st, i)));
    }
}

void tfb_query::unprepare() {
    if (foutput_metadata) {
        foutput_metadata->release();
        foutput_metadata = nullptr;
    }
    try {
        fb_end(fstatement, [](Firebird::IStatement* s, tfb_status* st) { s->free(st); });
    } catch (const tvelmor_exception&) {
        // the connection may be gone already; the handle is released either way
    }
}

void tfb_query::execute() {
    close();
    if (!ftransaction.active()) {
        if (!(foptions & qoStartTransaction))
            throw tvelmor_exception("Transaction not active in %s.execute();", class_name());
        ftransaction.start();
        if (foptions & qoAutoCommit)
            ftransaction.statement_started();
    }
    try {
        prepare();
        tfb_status st;
        tfb_ref<IMessageMetadata> original(fstatement->getInputMetadata(&st));
        unsigned count = original->getCount(&st);
        if (count != fmarker_params.size())
            throw tvelmor_exception("Parameter count mismatch in %s.execute();", class_name());
        if (count == 0) {
            run(nullptr, nullptr);
            return;
        }
        std::vector<const tfb_xsqlvar*> params;
        for (int32_t index : fmarker_params)
            params.push_back(fparams[static_cast<size_t>(index)].get());
        tfb_ref<IMessageMetadata> input(input_metadata(original.get(), params));
        std::vector<unsigned char> buffer = input_buffer(input.get(), params);
        run(input.get(), buffer.data());
    } catch (...) {
        close();
        ftransaction.statement_finished(true);
        throw;
    }
}

void tfb_query::run(IMessageMetadata* ainput, const unsigned char* abuffer) {
    tfb_status st;
    Firebird::ITransaction* tra = ftransaction.handle();
    tfault_injection::at(tfault_point::execute);
    if (fstatement->getFlags(&st) & Firebird::IStatement::FLAG_HAS_CURSOR) {
        fresult_set = fstatement->openCursor(&st, tra, ainput, const_cast<unsigned char*>(abuffer), foutput_metadata, 0);
        ftransaction.cursor_opened();
        feof = false;
        next();
        return;
    }
    fstatement->execute(&st, tra, ainput, const_cast<unsigned char*>(abuffer),
                        ffields.empty() ? nullptr : foutput_metadata, ffields.empty() ? nullptr : foutput.data());
    if (!ffields.empty()) {
        read_row();
        frow_ready = true;
        feof = false;
    } else {
        feof = true;
        ftransaction.statement_finished(false);
    }
}

void tfb_query::next() {
    if (!fresult_set) {
        feof = true;
        frow_ready = false;
        return;
    }
    tfb_status st;
    tfault_injection::at(tfault_point::fetch);
    if (fresult_set->fetchNext(&st, foutput.data()) == Firebird::IStatus::RESULT_OK) {
        read_row();
    } else {
        feof = true;
        for (auto& f : ffields)
            f->set_null();
    }
}

void tfb_query::read_row() {
    tfb_status st;
    for (size_t i = 0; i < fcolumns.size(); ++i) {
        const tcolumn& c = fcolumns[i];
        const unsigned char* at = foutput.data() + c.foffset;
        int16_t null_flag;
        std::memcpy(&null_flag, foutput.data() + c.fnull_offset, sizeof null_flag);
        tfb_xsqlvar& f = *ffields[i];
        if (null_flag) {
            f.set_null();
            continue;
        }
        auto scaled = [&](int64_t v) { f.set_value(tfb_xsqlvar::tscaled{v, f.sqlscale()}); };
        switch (c.ftype) {
        case SQL_TEXT: {
            std::string s(reinterpret_cast<const char*>(at), c.flength);
            if (c.fcharset != charset_octets)
                s.erase(s.find_last_not_of(' ') + 1);
            f.set_value(std::move(s));
            break;
        }
        case SQL_VARYING: {
            uint16_t length;
            std::memcpy(&length, at, sizeof length);
            f.set_value(std::string(reinterpret_cast<const char*>(at) + sizeof length, length));
            break;
        }
        case SQL_SHORT: { int16_t v; std::memcpy(&v, at, sizeof v); scaled(v); break; }
        case SQL_LONG: { int32_t v; std::memcpy(&v, at, sizeof v); scaled(v); break; }
        case SQL_INT64: { int64_t v; std::memcpy(&v, at, sizeof v); scaled(v); break; }
        case SQL_BOOLEAN: f.set_value(tfb_xsqlvar::tscaled{*at ? 1 : 0, 0}); break;
        case SQL_FLOAT: { float v; std::memcpy(&v, at, sizeof v); f.set_value(static_cast<double>(v)); break; }
        case SQL_DOUBLE:
        case SQL_D_FLOAT: { double v; std::memcpy(&v, at, sizeof v); f.set_value(v); break; }
        case SQL_TYPE_DATE: {
            ISC_DATE d; std::memcpy(&d, at, sizeof d);
            unsigned y, m, day;
            tfb_client::util()->decodeDate(d, &y, &m, &day);
            f.set_value(std::to_string(y) + "-" + two(m) + "-" + two(day));
            break;
        }
        case SQL_TYPE_TIME: {
            ISC_TIME t; std::memcpy(&t, at, sizeof t);
            unsigned h, mi, s, frac;
            tfb_client::util()->decodeTime(t, &h, &mi, &s, &frac);
            f.set_value(two(h) + ":" + two(mi) + ":" + two(s));
            break;
        }
        case SQL_TIMESTAMP: {
            ISC_TIMESTAMP ts; std::memcpy(&ts, at, sizeof ts);
            unsigned y, m, day, h, mi, s, frac;
            tfb_client::util()->decodeDate(ts.timestamp_date, &y, &m, &day);
            tfb_client::util()->decodeTime(ts.timestamp_time, &h, &mi, &s, &frac);
            f.set_value(std::to_string(y) + "-" + two(m) + "-" + two(day) + " " + two(h) + ":" + two(mi) + ":" + two(s));
            break;
        }
        case SQL_BLOB: {
            ISC_QUAD id; std::memcpy(&id, at, sizeof id);
            f.set_value(read_blob(fdatabase.attachment(), ftransaction.handle(), id));
            break;
        }
        default: f.set_null(); break;
        }
    }
}

void tfb_query::close() {
    bool was_open = fresult_set != nullptr || frow_ready;
    frow_ready = false;
    feof = true;
    if (fresult_set)
        ftransaction.cursor_closed();
    try {
        fb_end(fresult_set, [](Firebird::IResultSet* r, tfb_status* st) { r->close(st); });
    } catch (const tvelmor_exception&) {
        // the transaction may be gone already; the handle is released either way
    }
    if (was_open)
        ftransaction.statement_finished(false);
}

void tfb_query::database_closing() {
    close();
    unprepare();
}
