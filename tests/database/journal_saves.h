// One save of every journaled write kind over the demo database, for the fault-injection and kill
// tests. Each save loads what it changes once, as a page would, and can then be sent any number
// of times; its parts tell whether it is in the database whole, not at all, or in part.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct tjournal_save {
    std::string name;
    int32_t kind = 0;
    std::function<void()> send;  // one attempt; raises what the journal module raises
    // How many of the save's parts the database holds now; 0 when absent, fparts when whole.
    std::function<int64_t()> parts_present;
    int64_t fparts = 1;
};

// The saves of round around (its values differ from every other round's), in kind order:
// 101, 201, 301, 311, 321, 322, 331, 351, 361, 362, 371 and 401 with its 411 and 421 lines.
// Needs the process's database, statement and journal modules over the demo database.
std::vector<tjournal_save> journal_saves(int32_t around);

// The first column of the first row of asql, in a transaction of its own.
int64_t database_number(const std::string& asql);
// A fingerprint of every row of every table the saves write.
std::string database_fingerprint();
// Transactions the engine has open on the program's connection, besides the asking one.
int64_t open_transactions();
