// The text utility classes: tprocs_unicodestring over UTF-16 text and tprocs_ansistring over
// 8-bit text offer the same operations (one implementation, instantiated for both forms).
#pragma once

#include "procs/procs_text_datetime.h"
#include "procs/procs_text_helpers.h"
#include "procs/procs_text_number.h"

class tprocs_unicodestring : public tprocs_text_number<char16_t>,
                             public tprocs_text_datetime<char16_t>,
                             public tprocs_text_helpers<char16_t> {
public:
    static constexpr const char* class_name() { return "tprocs_unicodestring"; }
};

class tprocs_ansistring : public tprocs_text_number<char>,
                          public tprocs_text_datetime<char>,
                          public tprocs_text_helpers<char> {
public:
    static constexpr const char* class_name() { return "tprocs_ansistring"; }
};
