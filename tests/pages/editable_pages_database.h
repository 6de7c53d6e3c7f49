// Test support for the editable pages: the shipped demo database restored once per build, and
// reading an account back (kept apart from the page headers, which define their own comparison
// results).
#pragma once

#include <cstdint>
#include <string>

#include "values/dbrecords2.h"

// A copy of the restored shipped database, path of the restored file.
std::string pages_shipped_database(const std::string& aprocess_folder);
// Loads account aid; false when there is none.
bool load_account(tdbrecord_account2& arecord, int32_t aid);
// The account with the lowest key.
bool load_first_account(tdbrecord_account2& arecord);
// Whether an account of this name is stored.
bool account_named(const std::string& aname);
