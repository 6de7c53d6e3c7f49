// The connection to one database (embedded engine for a local path, a server for "host:path")
// and its transactions. Statements and transactions bound to a connection are told when it
// closes, so no engine handle outlives its attachment.
#pragma once

#include <string>
#include <vector>

#include "procs/velmor_exception.h"

namespace Firebird {
class IAttachment;
class ITransaction;
}  // namespace Firebird

class tfb_database;

// Something that holds engine handles of a connection and lets them go when it closes.
class tfb_database_user {
public:
    virtual ~tfb_database_user() = default;
    virtual void database_closing() = 0;
    // Set when the connection object is destroyed first (modules may go in any order).
    bool fdatabase_gone = false;
};

class tfb_database : public tvelmor_object {
public:
    tfb_database() = default;
    ~tfb_database() override;
    tfb_database(const tfb_database&) = delete;
    tfb_database& operator=(const tfb_database&) = delete;
    const char* class_name() const override { return "tfb_database"; }

    // Connection parameters as "name=value": user_name, password, lc_ctype, sql_role_name, and
    // set_page_buffers (stores the page-cache size in the database header), force_write (0/1).
    std::vector<std::string>& params() { return fparams; }
    // Kept for the record; the client library linked into the program is the one used.
    std::string flibrary_name;
    std::string fdatabase_name;

    void open();
    // Creates a new database file (UTF8, dialect 3) and leaves the connection open.
    void create(int32_t apage_size = 8192);
    void close();
    // Deletes the open database's file on the engine's side (or the server's) and closes.
    void drop();
    bool connected() const { return fattachment != nullptr; }
    // Stops the embedded engine and its threads. A program calls it once, after its last
    // connection and service are closed and before it returns from main: an engine still running
    // while the process tears down its globals can crash the exit.
    static void shutdown_engine();
    // For command-line tools that ran a backup or restore: shuts the engine down and ends the
    // process without the exit-time unloading of the engine's library, which can race the
    // service's own thread as it finishes and crash the tool after its work is done.
    [[noreturn]] static void shutdown_engine_and_exit(int aexit_code);

    Firebird::IAttachment* attachment() const;
    void add_user(tfb_database_user* auser);
    void remove_user(tfb_database_user* auser);

private:
    std::vector<unsigned char> build_dpb(bool acreate, int32_t apage_size) const;
    void attach(bool acreate, int32_t apage_size);

    std::vector<std::string> fparams;
    Firebird::IAttachment* fattachment = nullptr;
    std::vector<tfb_database_user*> fusers;
};

// What a transaction is for. Writes: read-write, read-committed, committed by their unit of work
// (or by the statement that started it). Reads: read-only, read-committed, started by the first
// statement and then kept open by its owner for as long as it lives; a statement never ends it,
// so no commit (a synchronous header write with forced writes on) is paid per read. Such a
// transaction sees every commit made since, holds back no garbage collection, and refuses writes.
enum class tfb_transaction_kind : uint8_t { read_write, read_only };

class tfb_transaction : public tvelmor_object, public tfb_database_user {
public:
    explicit tfb_transaction(tfb_database& adatabase, tfb_transaction_kind akind = tfb_transaction_kind::read_write);
    ~tfb_transaction() override;
    tfb_transaction(const tfb_transaction&) = delete;
    tfb_transaction& operator=(const tfb_transaction&) = delete;
    const char* class_name() const override { return "tfb_transaction"; }

    void start();
    void commit();
    void rollback();
    bool active() const { return ftransaction != nullptr; }

    tfb_database& database() const { return fdatabase; }
    tfb_transaction_kind kind() const { return fkind; }
    Firebird::ITransaction* handle() const;
    void database_closing() override;

    // Statements with qoAutoCommit: a transaction one of them started is committed when no
    // cursor on it is open any more, so that merged result sets can stay open together.
    void statement_started() { fstarted_by_statement = true; }
    void cursor_opened() { ++fopen_cursors; }
    void cursor_closed() {
        if (fopen_cursors > 0) --fopen_cursors;
    }
    // Commits (or after an error rolls back) a transaction a statement started, once idle. A
    // read-only transaction is kept open (rolled back only after an error).
    void statement_finished(bool afailed);

private:
    tfb_transaction_kind fkind;
    int32_t fopen_cursors = 0;
    bool fstarted_by_statement = false;
    tfb_database& fdatabase;
    Firebird::ITransaction* ftransaction = nullptr;
};
