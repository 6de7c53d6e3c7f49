// The same reads written straight against the engine's interfaces, as the yardstick: statements
// prepared once, one read-only read-committed transaction kept open, rows read from the message
// buffer without any of the program's layers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Firebird {
class IAttachment;
class ITransaction;
class IStatement;
class IMessageMetadata;
}  // namespace Firebird

class traw_statement {
public:
    traw_statement(Firebird::IAttachment* aattachment, Firebird::ITransaction* atransaction, const std::string& asql);
    ~traw_statement();
    traw_statement(const traw_statement&) = delete;
    traw_statement& operator=(const traw_statement&) = delete;
    // Every parameter set to the same text (a search) or integer (a key); then open.
    void open_text(const std::string& autf8);
    void open_integer(int32_t avalue);
    // The next row into text columns (UTF-8; integers as decimal text); false at the end.
    bool fetch();
    void close();
    const std::string& column(size_t aindex) const { return frow[aindex]; }

private:
    void open();
    Firebird::IAttachment* fattachment;
    Firebird::ITransaction* ftransaction;
    Firebird::IStatement* fstatement = nullptr;
    Firebird::IMessageMetadata* finput = nullptr;
    Firebird::IMessageMetadata* foutput = nullptr;
    void* fcursor = nullptr;
    std::vector<unsigned char> fin, fout;
    std::vector<std::string> frow;
};

// The customer search's four statements merged in the sort order, the first arows rows.
int32_t raw_merged_search(std::vector<traw_statement*>& astatements, const std::vector<size_t>& asort_columns,
                          const std::string& asearch, int32_t arows);

// A read-only read-committed transaction on an attachment, kept for the object's life.
class traw_read_transaction {
public:
    explicit traw_read_transaction(Firebird::IAttachment* aattachment);
    ~traw_read_transaction();
    Firebird::ITransaction* handle() const { return ftransaction; }

private:
    Firebird::ITransaction* ftransaction = nullptr;
};
