// Whole-record copy and comparison of two data records of the same class, used by editable pages
// (working copy against the copy as loaded) and by journaled writes.
#pragma once

#include "values/datarecord2.h"

class tprocs_datarecord2 {
public:
    static constexpr const char* class_name() { return "tprocs_datarecord2"; }

    // Copies every assigned field of asource into adest. A source field that is unassigned while
    // the destination's is assigned raises rather than silently keeping a stale value.
    static void assign(tdatarecord2& adest, const tdatarecord2& asource);
    // Same assigned state everywhere, and equal values where both are assigned (text with case).
    static bool is_equal(const tdatarecord2& avalue1, const tdatarecord2& avalue2);
    // Whether every key field (the leading fields) is assigned.
    static bool is_pk_assigned(const tdatarecord2& arecord);
};
