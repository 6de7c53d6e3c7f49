// Brings a database made before the search keys up to date when it is opened: the upper-case
// copies of the searched names (`<column>_key`), their trigger and their indexes, as
// install/schema.sql makes them for a new database; and the numbering of new template lines,
// which came with the same version.
#pragma once

#include "database/fb_database.h"

class tsearch_keys_upgrade {
public:
    static constexpr const char* class_name() { return "tsearch_keys_upgrade"; }
    // True when every key index exists; the indexes are made last, so then the rest is there.
    static bool up_to_date(tfb_database& adatabase);
    // Adds what is missing, fills the keys of every row and drops the first-letter columns an
    // earlier version searched by. Each step is committed; a run cut short is finished by the
    // next (every step checks what is there first). Does nothing on an up-to-date database.
    static void run(tfb_database& adatabase);
};
