#include "database/fb_database.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "database/fb_client.h"
#include "database/fault_injection.h"

namespace {

bool split_param(const std::string& aparam, std::string& aname, std::string& avalue) {
    size_t eq = aparam.find('=');
    if (eq == std::string::npos)
        return false;
    aname = aparam.substr(0, eq);
    avalue = aparam.substr(eq + 1);
    std::transform(aname.begin(), aname.end(), aname.begin(), [](unsigned char c) { return std::tolower(c); });
    return true;
}

// The refusal a second process meets is turned into words a user understands.
std::string explain_open_error(const std::string& aengine_text, const std::string& apath) {
    if (aengine_text.find("already opened with engine instance") != std::string::npos)
        return "The database [" + apath + "] is open in another copy of the program.\r\n" + aengine_text;
    return aengine_text;
}

}  // namespace

tfb_database::~tfb_database() {
    try {
        close();
    } catch (...) {
    }
    for (tfb_database_user* u : fusers)
        u->fdatabase_gone = true;
}

std::vector<unsigned char> tfb_database::build_dpb(bool acreate, int32_t apage_size) const {
    tfb_status st;
    tfb_ref<Firebird::IXpbBuilder> dpb(tfb_client::util()->getXpbBuilder(&st, Firebird::IXpbBuilder::DPB, nullptr, 0));
    bool has_charset = false;
    for (const std::string& p : fparams) {
        std::string name, value;
        if (!split_param(p, name, value))
            continue;
        if (name == "user_name")
            dpb->insertString(&st, isc_dpb_user_name, value.c_str());
        else if (name == "password")
            dpb->insertString(&st, isc_dpb_password, value.c_str());
        else if (name == "sql_role_name")
            dpb->insertString(&st, isc_dpb_sql_role_name, value.c_str());
        else if (name == "force_write")
            dpb->insertInt(&st, isc_dpb_force_write, std::stoi(value));
        else if (name == "set_page_buffers")
            dpb->insertInt(&st, isc_dpb_set_page_buffers, std::stoi(value));
        else if (name == "lc_ctype") {
            dpb->insertString(&st, isc_dpb_lc_ctype, value.c_str());
            has_charset = true;
        }
    }
    if (!has_charset)
        dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
    dpb->insertInt(&st, isc_dpb_sql_dialect, 3);
    if (acreate) {
        dpb->insertInt(&st, isc_dpb_page_size, apage_size);
        dpb->insertString(&st, isc_dpb_set_db_charset, "UTF8");
    }
    const unsigned char* b = dpb->getBuffer(&st);
    return std::vector<unsigned char>(b, b + dpb->getBufferLength(&st));
}

void tfb_database::attach(bool acreate, int32_t apage_size) {
    if (fattachment)
        return;
    tfb_client::ensure_lock_folder();
    std::vector<unsigned char> dpb = build_dpb(acreate, apage_size);
    tfb_status st;
    tfb_ref<Firebird::IProvider> provider(tfb_client::master()->getDispatcher());
    try {
        if (acreate)
            fattachment = provider->createDatabase(&st, fdatabase_name.c_str(), static_cast<unsigned>(dpb.size()), dpb.data());
        else
            fattachment = provider->attachDatabase(&st, fdatabase_name.c_str(), static_cast<unsigned>(dpb.size()), dpb.data());
    } catch (const tvelmor_exception& e) {
        throw tvelmor_exception(explain_open_error(e.what(), fdatabase_name));
    }
}

void tfb_database::open() { attach(false, 0); }
void tfb_database::create(int32_t apage_size) { attach(true, apage_size); }

void tfb_database::close() {
    if (!fattachment)
        return;
    // Users remove themselves from the list while closing, so walk a copy.
    std::vector<tfb_database_user*> users = fusers;
    for (tfb_database_user* u : users)
        u->database_closing();
    fb_end(fattachment, [](Firebird::IAttachment* a, tfb_status* st) { a->detach(st); });
}

void tfb_database::drop() {
    if (!fattachment)
        throw tvelmor_exception("Database not connected in %s.drop();", class_name());
    std::vector<tfb_database_user*> users = fusers;
    for (tfb_database_user* u : users)
        u->database_closing();
    fb_end(fattachment, [](Firebird::IAttachment* a, tfb_status* st) { a->dropDatabase(st); });
}

Firebird::IAttachment* tfb_database::attachment() const {
    if (!fattachment)
        throw tvelmor_exception("Database not connected in %s.attachment();", class_name());
    return fattachment;
}

void tfb_database::add_user(tfb_database_user* auser) { fusers.push_back(auser); }

void tfb_database::remove_user(tfb_database_user* auser) {
    fusers.erase(std::remove(fusers.begin(), fusers.end(), auser), fusers.end());
}

tfb_transaction::tfb_transaction(tfb_database& adatabase, tfb_transaction_kind akind)
    : fkind(akind), fdatabase(adatabase) {
    fdatabase.add_user(this);
}

tfb_transaction::~tfb_transaction() {
    try {
        rollback();
    } catch (...) {
    }
    if (!fdatabase_gone)
        fdatabase.remove_user(this);
}

void tfb_transaction::start() {
    if (ftransaction)
        throw tvelmor_exception("Transaction already active in %s.start();", class_name());
    tfb_status st;
    tfb_ref<Firebird::IXpbBuilder> tpb(tfb_client::util()->getXpbBuilder(&st, Firebird::IXpbBuilder::TPB, nullptr, 0));
    tpb->insertTag(&st, fkind == tfb_transaction_kind::read_only ? isc_tpb_read : isc_tpb_write);
    tpb->insertTag(&st, isc_tpb_read_committed);
    tpb->insertTag(&st, isc_tpb_rec_version);
    tpb->insertTag(&st, isc_tpb_nowait);
    ftransaction = fdatabase.attachment()->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
}

void tfb_transaction::commit() {
    if (!ftransaction)
        throw tvelmor_exception("Transaction not active in %s.commit();", class_name());
    tfb_status st;
    tfault_injection::at(tfault_point::commit);
    ftransaction->commit(&st);  // on failure the transaction stays active for a rollback
    ftransaction = nullptr;
    fstarted_by_statement = false;
    fopen_cursors = 0;
}

void tfb_transaction::statement_finished(bool afailed) {
    if (!ftransaction || !fstarted_by_statement || fopen_cursors > 0)
        return;
    if (fkind == tfb_transaction_kind::read_only && !afailed)
        return;
    if (afailed)
        rollback();
    else
        commit();
}

void tfb_transaction::rollback() {
    fstarted_by_statement = false;
    fopen_cursors = 0;
    fb_end(ftransaction, [](Firebird::ITransaction* t, tfb_status* st) { t->rollback(st); });
}

Firebird::ITransaction* tfb_transaction::handle() const {
    if (!ftransaction)
        throw tvelmor_exception("Transaction not active in %s.handle();", class_name());
    return ftransaction;
}

void tfb_transaction::database_closing() { rollback(); }

void tfb_database::shutdown_engine() {
    Firebird::IProvider* dispatcher = tfb_client::master()->getDispatcher();
    tfb_status st;
    try {
        dispatcher->shutdown(&st, 0, fb_shutrsn_app_stopped);
    } catch (const tvelmor_exception&) {
        // The process ends either way; a refused shutdown only means the old exit path.
    }
    dispatcher->release();
}

void tfb_database::shutdown_engine_and_exit(int aexit_code) {
    shutdown_engine();
    std::fflush(nullptr);
    std::_Exit(aexit_code);
}
