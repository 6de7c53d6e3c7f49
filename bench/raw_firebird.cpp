#include "raw_firebird.h"

#include <firebird/Interface.h>

#include <cstring>

#include "database/fb_client.h"
#include "database/fb_sql_params.h"

using namespace Firebird;

namespace {

char fold(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// The merge's order: by character code with a to z taken as A to Z (UTF-8 keeps code order).
bool sorts_before(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(fold(a[i])), y = static_cast<unsigned char>(fold(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

}  // namespace

traw_read_transaction::traw_read_transaction(IAttachment* aattachment) {
    tfb_status st;
    tfb_ref<IXpbBuilder> tpb(tfb_client::util()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0));
    tpb->insertTag(&st, isc_tpb_read);
    tpb->insertTag(&st, isc_tpb_read_committed);
    tpb->insertTag(&st, isc_tpb_rec_version);
    ftransaction = aattachment->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
}

traw_read_transaction::~traw_read_transaction() {
    tfb_status st;
    try {
        ftransaction->rollback(&st);
    } catch (...) {
    }
}

traw_statement::traw_statement(IAttachment* aattachment, ITransaction* atransaction, const std::string& asql)
    : fattachment(aattachment), ftransaction(atransaction) {
    tfb_status st;
    std::string sql = tfb_sql_params::translate(asql).fsql;
    fstatement = fattachment->prepare(&st, ftransaction, 0, sql.c_str(), 3, IStatement::PREPARE_PREFETCH_METADATA);
    finput = fstatement->getInputMetadata(&st);
    foutput = fstatement->getOutputMetadata(&st);
    fin.assign(finput->getMessageLength(&st), 0);
    fout.assign(foutput->getMessageLength(&st), 0);
    frow.resize(foutput->getCount(&st));
}

traw_statement::~traw_statement() {
    close();
    tfb_status st;
    finput->release();
    foutput->release();
    try {
        fstatement->free(&st);
    } catch (...) {
    }
}

void traw_statement::open_text(const std::string& autf8) {
    tfb_status st;
    for (unsigned i = 0; i < finput->getCount(&st); ++i) {
        unsigned char* at = fin.data() + finput->getOffset(&st, i);
        uint16_t length = static_cast<uint16_t>(autf8.size());
        std::memcpy(at, &length, sizeof length);
        std::memcpy(at + sizeof length, autf8.data(), autf8.size());
        std::memset(fin.data() + finput->getNullOffset(&st, i), 0, sizeof(int16_t));
    }
    open();
}

void traw_statement::open_integer(int32_t avalue) {
    tfb_status st;
    for (unsigned i = 0; i < finput->getCount(&st); ++i) {
        std::memcpy(fin.data() + finput->getOffset(&st, i), &avalue, sizeof avalue);
        std::memset(fin.data() + finput->getNullOffset(&st, i), 0, sizeof(int16_t));
    }
    open();
}

void traw_statement::open() {
    tfb_status st;
    fcursor = fstatement->openCursor(&st, ftransaction, finput, fin.data(), foutput, 0);
}

bool traw_statement::fetch() {
    tfb_status st;
    auto* cursor = static_cast<IResultSet*>(fcursor);
    if (cursor->fetchNext(&st, fout.data()) != IStatus::RESULT_OK) return false;
    for (unsigned i = 0; i < frow.size(); ++i) {
        const unsigned char* at = fout.data() + foutput->getOffset(&st, i);
        int16_t null_flag;
        std::memcpy(&null_flag, fout.data() + foutput->getNullOffset(&st, i), sizeof null_flag);
        std::string& value = frow[i];
        value.clear();
        if (null_flag) continue;
        switch (foutput->getType(&st, i) & ~1u) {
            case SQL_VARYING: {
                uint16_t length;
                std::memcpy(&length, at, sizeof length);
                value.assign(reinterpret_cast<const char*>(at) + sizeof length, length);
                break;
            }
            case SQL_TEXT: value.assign(reinterpret_cast<const char*>(at), foutput->getLength(&st, i)); break;
            case SQL_SHORT: { int16_t v; std::memcpy(&v, at, sizeof v); value = std::to_string(v); break; }
            case SQL_LONG: { int32_t v; std::memcpy(&v, at, sizeof v); value = std::to_string(v); break; }
            default: break;
        }
    }
    return true;
}

void traw_statement::close() {
    if (!fcursor) return;
    tfb_status st;
    auto* cursor = static_cast<IResultSet*>(fcursor);
    fcursor = nullptr;
    try {
        cursor->close(&st);
    } catch (...) {
        cursor->release();
    }
}

int32_t raw_merged_search(std::vector<traw_statement*>& astatements, const std::vector<size_t>& asort_columns,
                          const std::string& asearch, int32_t arows) {
    std::vector<bool> has_row(astatements.size());
    for (size_t i = 0; i < astatements.size(); ++i) {
        astatements[i]->open_text(asearch);
        has_row[i] = astatements[i]->fetch();
    }
    int32_t taken = 0;
    std::vector<std::vector<std::string>> lines;
    for (; taken < arows; ++taken) {
        int best = -1;
        for (size_t i = 0; i < astatements.size(); ++i) {
            if (!has_row[i]) continue;
            if (best < 0 || sorts_before(astatements[i]->column(asort_columns[i]),
                                         astatements[best]->column(asort_columns[best])))
                best = static_cast<int>(i);
        }
        if (best < 0) break;
        std::vector<std::string> line;
        for (size_t c = 0; c < 6; ++c) line.push_back(astatements[best]->column(c));
        lines.push_back(std::move(line));
        has_row[best] = astatements[best]->fetch();
    }
    for (traw_statement* s : astatements) s->close();
    return taken;
}
