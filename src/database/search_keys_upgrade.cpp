#include "database/search_keys_upgrade.h"

#include <string>

#include "database/fb_query.h"
#include "database/fb_script.h"

namespace {

struct tkey_column {
    const char* table;
    const char* column;
    const char* type;  // the key's type: the name's length, compared by character code
};

const tkey_column key_columns[] = {{"account", "name", "VARCHAR(100) COLLATE UCS_BASIC"},
                                   {"contact", "first_name", "VARCHAR(100) COLLATE UCS_BASIC"},
                                   {"contact", "last_name", "VARCHAR(100) COLLATE UCS_BASIC"},
                                   {"contact", "email", "VARCHAR(200) COLLATE UCS_BASIC"}};

const char* const triggers =
    "SET TERM ^ ;\n"
    "CREATE OR ALTER TRIGGER tr_account_search_key FOR account BEFORE INSERT OR UPDATE AS\n"
    "BEGIN new.name_key = UPPER(new.name); END^\n"
    "CREATE OR ALTER TRIGGER tr_contact_search_key FOR contact BEFORE INSERT OR UPDATE AS\n"
    "BEGIN\n"
    "  new.first_name_key = UPPER(new.first_name);\n"
    "  new.last_name_key = UPPER(new.last_name);\n"
    "  new.email_key = UPPER(new.email);\n"
    "END^\n"
    // New template lines are numbered by the database since the same version.
    "CREATE OR ALTER TRIGGER tr_cp_invoice_billitem_lineno FOR cp_invoice_billitem BEFORE INSERT AS\n"
    "BEGIN\n"
    "  IF (new.lineno IS NULL) THEN\n"
    "    new.lineno = (SELECT COALESCE(MAX(lineno), 0) + 1 FROM cp_invoice_billitem WHERE id = new.id);\n"
    "END^\n"
    "SET TERM ; ^\n";

std::string upper(std::string atext) {
    for (char& c : atext)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return atext;
}

int64_t count(tfb_database& adatabase, const std::string& asql) {
    tfb_transaction reading(adatabase, tfb_transaction_kind::read_only);
    tfb_query query(adatabase, reading, qoStartTransaction);
    query.set_sql(asql);
    query.execute();
    const int64_t result = query.eof() ? 0 : query.field(0).as_int64();
    query.close();
    reading.commit();
    return result;
}

bool exists(tfb_database& adatabase, const char* atable, const char* aname_column, const std::string& aname,
            const std::string& aextra = {}) {
    return count(adatabase, std::string("SELECT COUNT(*) FROM ") + atable + " WHERE " + aname_column + " = '" +
                                upper(aname) + "'" + aextra) > 0;
}

bool column_exists(tfb_database& adatabase, const std::string& atable, const std::string& acolumn) {
    return exists(adatabase, "RDB$RELATION_FIELDS", "RDB$FIELD_NAME", acolumn,
                  " AND RDB$RELATION_NAME = '" + upper(atable) + "'");
}

std::string index_name(const tkey_column& akey) { return std::string("ix_") + akey.table + "_" + akey.column + "_key"; }

// The first-letter columns, their indexes and trigger of the version before.
void drop_initials(tfb_database& adatabase) {
    for (const char* trigger : {"tr_account_initial", "tr_contact_initial"})
        if (exists(adatabase, "RDB$TRIGGERS", "RDB$TRIGGER_NAME", trigger))
            tfb_script::execute(adatabase, std::string("DROP TRIGGER ") + trigger + ";");
    for (const tkey_column& key : key_columns) {
        const std::string initial = std::string(key.column) + "_initial";
        const std::string index = std::string("ix_") + key.table + "_" + initial;
        if (exists(adatabase, "RDB$INDICES", "RDB$INDEX_NAME", index))
            tfb_script::execute(adatabase, "DROP INDEX " + index + ";");
        if (column_exists(adatabase, key.table, initial))
            tfb_script::execute(adatabase, std::string("ALTER TABLE ") + key.table + " DROP " + initial + ";");
    }
    if (exists(adatabase, "RDB$FIELDS", "RDB$FIELD_NAME", "SEARCHINITIAL"))
        tfb_script::execute(adatabase, "DROP DOMAIN SEARCHINITIAL;");
}

}  // namespace

bool tsearch_keys_upgrade::up_to_date(tfb_database& adatabase) {
    std::string names;
    for (const tkey_column& key : key_columns) names += (names.empty() ? "'" : ", '") + upper(index_name(key)) + "'";
    return count(adatabase, "SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME IN (" + names + ")") ==
           static_cast<int64_t>(std::size(key_columns));
}

void tsearch_keys_upgrade::run(tfb_database& adatabase) {
    if (up_to_date(adatabase)) return;
    for (const tkey_column& key : key_columns)
        if (!column_exists(adatabase, key.table, std::string(key.column) + "_key"))
            tfb_script::execute(adatabase, std::string("ALTER TABLE ") + key.table + " ADD " + key.column + "_key " +
                                               key.type + ";");
    tfb_script::execute(adatabase, triggers);
    // The triggers fill every key of the rows they touch.
    tfb_script::execute(adatabase, "UPDATE account SET name = name;");
    tfb_script::execute(adatabase, "UPDATE contact SET first_name = first_name;");
    drop_initials(adatabase);
    for (const tkey_column& key : key_columns)
        if (!exists(adatabase, "RDB$INDICES", "RDB$INDEX_NAME", index_name(key)))
            tfb_script::execute(adatabase, "CREATE INDEX " + index_name(key) + " ON " + key.table + " (" + key.column +
                                               "_key, id);");
}
