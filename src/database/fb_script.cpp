#include "database/fb_script.h"

#include <cctype>

#include "database/fb_query.h"

namespace {

std::string trim(std::string_view a) {
    size_t b = 0, e = a.size();
    while (b < e && std::isspace(static_cast<unsigned char>(a[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(a[e - 1]))) --e;
    return std::string(a.substr(b, e - b));
}

// "SET TERM ^ ;" (any case) gives the new terminator.
bool is_set_term(const std::string& astatement, std::string& aterminator) {
    std::string upper;
    for (char c : astatement) upper.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    if (upper.rfind("SET TERM", 0) != 0)
        return false;
    aterminator = trim(astatement.substr(8));
    return !aterminator.empty();
}

}  // namespace

std::vector<std::string> tfb_script::split(std::string_view ascript) {
    std::vector<std::string> r;
    std::string terminator = ";";
    std::string current;
    size_t i = 0;
    while (i < ascript.size()) {
        char c = ascript[i];
        if (c == '\'' || c == '"') {
            size_t j = ascript.find(c, i + 1);
            j = j == std::string_view::npos ? ascript.size() : j + 1;
            current.append(ascript.substr(i, j - i));
            i = j;
        } else if (ascript.substr(i, 2) == "--") {
            size_t j = ascript.find('\n', i);
            i = j == std::string_view::npos ? ascript.size() : j;
        } else if (ascript.substr(i, 2) == "/*") {
            size_t j = ascript.find("*/", i + 2);
            i = j == std::string_view::npos ? ascript.size() : j + 2;
        } else if (ascript.substr(i, terminator.size()) == terminator) {
            std::string statement = trim(current);
            size_t consumed = terminator.size();
            // "SET TERM ^ ;" is ended by the old terminator, which may be the new one's text.
            std::string new_terminator;
            if (is_set_term(statement, new_terminator)) {
                terminator = new_terminator;
            } else if (!statement.empty()) {
                r.push_back(statement);
            }
            current.clear();
            i += consumed;
        } else {
            current.push_back(c);
            ++i;
        }
    }
    if (std::string rest = trim(current); !rest.empty())
        r.push_back(rest);
    return r;
}

void tfb_script::execute(tfb_database& adatabase, std::string_view ascript) {
    tfb_transaction transaction(adatabase);
    tfb_query query(adatabase, transaction, qoStartTransaction | qoAutoCommit);
    query.fparam_check = false;  // procedure bodies use ":name" for their own variables
    for (const std::string& statement : split(ascript)) {
        if (statement.size() == 6 && (statement == "COMMIT" || statement == "commit"))
            continue;  // every statement is committed already
        query.set_sql(statement);
        try {
            query.execute();
            query.close();
        } catch (const tvelmor_exception& e) {
            throw tvelmor_exception("%s\r\nin: %s", std::string(e.what()), statement.substr(0, statement.find('\n')));
        }
    }
}
