// A list of 8-bit texts (field names, statement texts, lines of a dump).
#pragma once

#include <algorithm>
#include <string>

#include "containers/list_record.h"

class tlist_ansistring : public tlist_record<std::string> {
public:
    const char* class_name() const override { return "tlist_ansistring"; }

    // The index of the first text equal to atext, -1 when there is none.
    int32_t index_of(const std::string& atext) const {
        auto found = std::find(begin(), end(), atext);
        return found == end() ? -1 : static_cast<int32_t>(found - begin());
    }
    // Byte order.
    void sort() { std::sort(fitems.begin(), fitems.end()); }
    using tlist_record<std::string>::sort;
};
