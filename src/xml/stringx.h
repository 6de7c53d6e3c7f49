// A small text holder for token texts, property values and node text: it remembers whether the
// text came from an 8-bit or a Unicode source and converts on demand.
#pragma once

#include <string>

#include "procs/message_format.h"

enum txvalue_type { xv_none, xv_ansistring, xv_unicodestring };

class tstringx {
public:
    txvalue_type fkind = xv_none;
    std::string fansistring;
    std::u16string funicodestring;

    void clear() {
        fkind = xv_none;
        fansistring.clear();
        funicodestring.clear();
    }
    void set_asansistring(std::string avalue) {
        clear();
        fkind = xv_ansistring;
        fansistring = std::move(avalue);
    }
    void set_asunicodestring(std::u16string avalue) {
        clear();
        fkind = xv_unicodestring;
        funicodestring = std::move(avalue);
    }
    // 8-bit text is taken to be UTF-8, the code page of the system on Linux.
    std::string get_asansistring() const {
        return fkind == xv_unicodestring ? utf16_to_utf8(funicodestring) : fansistring;
    }
    std::u16string get_asunicodestring() const {
        return fkind == xv_ansistring ? utf8_to_utf16(fansistring) : funicodestring;
    }
};
