#include "database/fb_sql_params.h"

#include <cctype>

namespace {

bool is_name_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool is_name_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }

std::string lower(std::string_view a) {
    std::string r(a);
    for (char& c : r)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

// Length of the quoted text, comment or plain character that starts at ai.
size_t skip_length(std::string_view asql, size_t ai) {
    char c = asql[ai];
    if (c == '\'' || c == '"') {
        size_t j = ai + 1;
        while (j < asql.size()) {
            if (asql[j] == c) {
                if (j + 1 < asql.size() && asql[j + 1] == c) {  // doubled quote inside
                    j += 2;
                    continue;
                }
                return j + 1 - ai;
            }
            ++j;
        }
        return asql.size() - ai;
    }
    if (c == '-' && ai + 1 < asql.size() && asql[ai + 1] == '-') {
        size_t j = asql.find('\n', ai);
        return (j == std::string_view::npos ? asql.size() : j) - ai;
    }
    if (c == '/' && ai + 1 < asql.size() && asql[ai + 1] == '*') {
        size_t j = asql.find("*/", ai + 2);
        return (j == std::string_view::npos ? asql.size() : j + 2) - ai;
    }
    return 0;
}

// The first word after leading blanks and comments, in lower case, and the word after it.
bool starts_with_execute_block(std::string_view asql) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < asql.size() && words.size() < 2) {
        if (size_t n = skip_length(asql, i); n > 0 && asql[i] != '\'' && asql[i] != '"') {
            i += n;
        } else if (std::isspace(static_cast<unsigned char>(asql[i]))) {
            ++i;
        } else if (is_name_start(asql[i])) {
            size_t j = i;
            while (j < asql.size() && is_name_char(asql[j]))
                ++j;
            words.push_back(lower(asql.substr(i, j - i)));
            i = j;
        } else {
            break;
        }
    }
    return words.size() == 2 && words[0] == "execute" && words[1] == "block";
}

}  // namespace

tfb_translated_sql tfb_sql_params::translate(std::string_view asql) {
    tfb_translated_sql r;
    r.fsql.reserve(asql.size());
    const bool block = starts_with_execute_block(asql);
    int depth = 0;
    size_t i = 0;
    while (i < asql.size()) {
        char c = asql[i];
        if (size_t n = skip_length(asql, i); n > 0) {
            r.fsql.append(asql.substr(i, n));
            i += n;
            continue;
        }
        if (c == ':' && i + 1 < asql.size() && is_name_start(asql[i + 1])) {
            size_t j = i + 1;
            while (j < asql.size() && is_name_char(asql[j]))
                ++j;
            r.fnames.push_back(lower(asql.substr(i + 1, j - i - 1)));
            r.fsql.push_back('?');
            i = j;
            continue;
        }
        if (is_name_start(c)) {
            size_t j = i;
            while (j < asql.size() && is_name_char(asql[j]))
                ++j;
            std::string_view word = asql.substr(i, j - i);
            r.fsql.append(word);
            i = j;
            if (block && depth == 0 && lower(word) == "as") {
                r.fsql.append(asql.substr(i));  // the block's body: local variables only
                break;
            }
            continue;
        }
        if (c == '(') ++depth;
        if (c == ')') --depth;
        r.fsql.push_back(c);
        ++i;
    }
    return r;
}
