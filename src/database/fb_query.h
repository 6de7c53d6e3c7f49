// A statement on a connection and transaction: SQL text with named ":name" parameters, execute,
// step through the result rows, read columns by name. With qoStartTransaction it starts the
// transaction when none is running; with qoAutoCommit a transaction that a statement started is
// committed once no cursor on it is open (rolled back after an error), never one a caller
// started, so a statement inside a unit of work cannot commit half of it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "database/fb_database.h"
#include "database/fb_xsqlvar.h"

namespace Firebird {
class IStatement;
class IResultSet;
class IMessageMetadata;
}  // namespace Firebird

enum tfb_query_option : uint8_t { qoStartTransaction = 1, qoAutoCommit = 2 };

class tfb_query : public tvelmor_object, public tfb_database_user {
public:
    tfb_query(tfb_database& adatabase, tfb_transaction& atransaction, uint8_t aoptions = 0);
    ~tfb_query() override;
    tfb_query(const tfb_query&) = delete;
    tfb_query& operator=(const tfb_query&) = delete;
    const char* class_name() const override { return "tfb_query"; }

    uint8_t foptions;
    // When false the text goes to the engine as written: no ":name" parameters are taken out.
    bool fparam_check = true;

    const std::string& sql() const { return fsql; }
    void set_sql(std::string asql);
    void clear_sql() { set_sql({}); }
    void add_sql_line(const std::string& aline) { set_sql(fsql + aline + "\r\n"); }

    // Runs the statement. A query positions on its first row (eof() when there is none); a
    // statement with RETURNING makes its returned values the one row.
    void execute();
    void next();
    bool eof() const { return feof; }
    void close();
    bool open() const { return fresult_set != nullptr || frow_ready; }

    int32_t field_count() const { return static_cast<int32_t>(ffields.size()); }
    tfb_xsqlvar& field(int32_t aindex) const { return *ffields[static_cast<size_t>(aindex)]; }
    tfb_xsqlvar* FindField(std::string_view aname) const;
    tfb_xsqlvar& FieldByName(std::string_view aname) const;
    // The parameter of that name (case-insensitive); every marker of the name takes its value.
    tfb_xsqlvar& ParamByName(std::string_view aname);
    tfb_xsqlvar* FindParam(std::string_view aname);
    int32_t param_count();
    tfb_xsqlvar& param(int32_t aindex);

    tfb_database& database() const { return fdatabase; }
    tfb_transaction& transaction() const { return ftransaction; }
    void database_closing() override;

private:
    struct tcolumn;  // where a column lies in the output buffer
    void prepare();
    void unprepare();
    void describe_output();
    void describe_params();
    void run(Firebird::IMessageMetadata* ainput, const unsigned char* abuffer);
    void read_row();

    tfb_database& fdatabase;
    tfb_transaction& ftransaction;
    std::string fsql;
    std::string fsql_translated;
    std::vector<int32_t> fmarker_params;  // parameter index of each "?" marker
    std::vector<std::unique_ptr<tfb_xsqlvar>> fparams;
    std::vector<std::unique_ptr<tfb_xsqlvar>> ffields;
    std::vector<tcolumn> fcolumns;
    std::vector<unsigned char> foutput;
    Firebird::IStatement* fstatement = nullptr;
    Firebird::IMessageMetadata* foutput_metadata = nullptr;
    Firebird::IResultSet* fresult_set = nullptr;
    bool feof = true;
    bool frow_ready = false;        // a singleton row from RETURNING is current
};
